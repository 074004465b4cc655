#!/usr/bin/env bash
# Sets up the machine, builds the Windows preset and runs VelnixSetup.exe under Wine (inside a virtual display
# when the machine has none). Arguments are passed to the installer.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

./scripts/bootstrap.sh

cmake --preset windows
cmake --build --preset windows --target VelnixSetup

display=()
[[ -n ${DISPLAY:-} ]] || display=(--display)
exec tests/wine/wine-run --prefix="$PWD/build/windows/wine-prefix" "${display[@]}" build/windows/app/VelnixSetup.exe "$@"
