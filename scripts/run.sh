#!/usr/bin/env bash
# Sets up the machine, builds the Windows preset and runs VelnixSetup.exe under Wine. Arguments are passed to the
# installer.
# With a display the installer's window is the user's to use. Without one (no $DISPLAY) nobody could click it: the
# installer runs inside a virtual display instead, where scripts/screenshots.sh saves screenshots of its window,
# clicks "Install Now", waits for the installation and prints where it installed, what it put there and where
# the screenshots are (build/windows/screenshots). Given arguments (such as /S), it runs the installer with them
# in the virtual display and nothing more.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

./scripts/bootstrap.sh

cmake --preset windows
cmake --build --preset windows --target VelnixSetup

display=()
if [[ -z ${DISPLAY:-} ]]; then
  (($# > 0)) || exec scripts/screenshots.sh build/windows/screenshots
  display=(--display)
fi
exec tests/wine/wine-run --prefix="$PWD/build/windows/wine-prefix" "${display[@]}" build/windows/app/VelnixSetup.exe "$@"
