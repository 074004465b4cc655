#!/usr/bin/env bash
# Sets up the machine, builds both presets and runs every test: natively with sanitizers, then the Windows
# build under Wine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

./scripts/bootstrap.sh

# Compiler cache: the release script's test builds the installer again in a tree of its own, from the same
# sources with the same flags, so its compilations come from the cache of the Windows build.
if command -v ccache >/dev/null; then
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1 CCACHE_MAXSIZE="${CCACHE_MAXSIZE:-5G}"
fi

cmake --preset native
cmake --build --preset native
ctest --preset native

cmake --preset windows
cmake --build --preset windows
ctest --preset windows
