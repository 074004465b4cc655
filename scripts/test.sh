#!/usr/bin/env bash
# Sets up the machine, builds both presets and runs every test: natively with sanitizers, then the Windows
# build under Wine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

./scripts/bootstrap.sh

cmake --preset native
cmake --build --preset native
ctest --preset native

cmake --preset windows
cmake --build --preset windows
ctest --preset windows
