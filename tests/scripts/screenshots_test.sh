#!/usr/bin/env bash
# scripts/screenshots.sh as scripts/run.sh uses it on a machine without a display: the installer in the virtual
# display, clicked through to the end of an installation. Run through tests/app/stats_server.py with the
# installer's test variant, so that its usage report stays on this machine.
#   screenshots_test.sh SOURCE_DIR WINE_PREFIX OUT_DIR INSTALLER
set -euo pipefail
source_dir=$1
prefix=$2
out=$3
installer=$4
rm -rf "$out"
mkdir -p "$out"
printed=$out/printed.txt
status=0
"$source_dir/tests/wine/wine-run" --prefix="$prefix" --display --host "$source_dir/scripts/screenshots.sh" \
  --inside-display "$out" "$installer" >"$printed" 2>&1 || status=$?
cat "$printed"

failures=0
check() {
  local what=$1
  shift
  if ! "$@"; then
    echo "FAILED: $what"
    failures=$((failures + 1))
  fi
}
# The mean colour of a region of a screenshot, as R,G,B.
colour() {
  convert "$out/$1.png" -crop "$2" +repage -resize '1x1!' \
    -format '%[fx:int(255*r+0.5)],%[fx:int(255*g+0.5)],%[fx:int(255*b+0.5)]' info:
}
is() { [[ $1 == "$2" ]]; }

check "exit status 0" is "$status" 0
check "the folder is named" grep -qE '^Installed into C:\\users\\[^\\]+\\AppData\\Roaming\\Velnix$' "$printed"
for file in Velnix.exe Uninstall.exe vlxd.exe lang/日本語.lang driver/x64/driver.inf; do
  check "$file listed" grep -qF "bytes  $file" "$printed"
done
for name in intro ready custom-installation installing; do
  check "$name.png of the window" is "$(identify -format %wx%h "$out/$name.png" 2>/dev/null)" 656x376
  check "$name.png named" grep -qxF "  $out/$name.png" "$printed"
done
# Pictures of the window, not of an empty screen: the install button's fill once the intro has ended, and the
# progress bar's strip after the click, which the window did not show before it.
check "the install button in ready.png" is "$(colour ready 10x8+133+246)" 0,146,202
check "progress in installing.png" [ "$(colour installing 20x2+12+364)" != "$(colour ready 20x2+12+364)" ]
((failures == 0)) || exit 1
echo "screenshots_test: passed"
