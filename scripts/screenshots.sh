#!/usr/bin/env bash
# Shows the installer at work in a real run under Wine, inside a virtual display: starts VelnixSetup.exe, saves
# screenshots of its window (cropped to it) while the pointer clicks through it as a person would, clicks
# "Install Now", waits for the installation to end and prints where it installed, what it put there and where the
# screenshots are.
#   scripts/screenshots.sh [OUT_DIR]        screenshots into OUT_DIR (docs/screenshots unless given)
# Screenshots: intro.png (half-way through the intro), ready.png (after it), custom-installation.png (the switch
# on, the folder chooser up), installing.png (just after the click on "Install Now").
# It builds the installer of the Windows preset first (the preset must have been configured, as scripts/run.sh
# does) and runs it in a Wine prefix of its own, build/windows/wine-prefix-tour-display, where it removes the
# previous run's installation first, so that every run installs afresh.
set -euo pipefail

if [[ ${1:-} != --inside-display ]]; then
  cd "$(dirname "${BASH_SOURCE[0]}")/.."
  out=${1:-docs/screenshots}
  mkdir -p "$out"
  out=$(cd "$out" && pwd)
  [[ -f build/windows/build.ninja ]] || cmake --preset windows
  cmake --build --preset windows --target VelnixSetup
  exec tests/wine/wine-run --prefix="$PWD/build/windows/wine-prefix-tour" --display --host \
    "$PWD/scripts/screenshots.sh" --inside-display "$out" "$PWD/build/windows/app/VelnixSetup.exe"
fi

# ---- inside the virtual display (DISPLAY, WINEPREFIX and VELNIX_WINE set by tests/wine/wine-run)
out=$2
installer=$3
wine() { "$VELNIX_WINE" "$@" 2>/dev/null; }
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velnix'
# The folder of the installation the entry in the list of installed programs names, as a Windows path.
installed_folder() {
  wine reg query "$uninstall_key" /v UninstallString | tr -d '\r' |
    sed -n 's/.*REG_SZ *"\{0,1\}\(.*\)\\Uninstall\.exe"\{0,1\}$/\1/p'
}
fail() {
  echo "screenshots: $*" >&2
  exit 1
}
# Whatever this run started (the installer, the application it installed) ends with the run.
trap '"$VELNIX_WINESERVER" -k 2>/dev/null || true' EXIT

# A fresh machine for the installer: the previous run's installation is removed (without its uninstaller, which
# would report the removal to the statistics server).
# Only a folder inside this run's prefix that holds the uninstaller is removed.
earlier=$(installed_folder || true)
if [[ -n $earlier ]]; then
  earlier=$(realpath -m "$(wine winepath -u "$earlier")")
  prefix=$(realpath -m "$WINEPREFIX")
  if [[ $earlier == "$prefix"/drive_c/?*/* && -f $earlier/Uninstall.exe ]]; then rm -rf "$earlier"; fi
  wine reg delete "$uninstall_key" /f >/dev/null
fi

xdotool mousemove 0 0
wine "$installer" &
setup=$!
window=""
for _ in {1..300}; do
  window=$(xdotool search --name '^Install Velnix$' 2>/dev/null | head -n 1) && [[ -n $window ]] && break
  sleep 0.1
done
[[ -n $window ]] || fail "the installer's window did not show"
eval "$(xdotool getwindowgeometry --shell "$window")"
# X, Y, WIDTH and HEIGHT: the window's place; its background lies 8 pixels inside.
shot() { import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip "$out/$1.png"; }
# The same once the window has stopped changing (two captures a moment apart agree), so that an animation a busy
# machine draws slowly has come to its end.
still_shot() {
  local previous=$out/.$1.previous.png
  shot "$1"
  for _ in {1..30}; do
    mv "$out/$1.png" "$previous"
    sleep 0.2
    shot "$1"
    [[ $(compare -metric AE "$previous" "$out/$1.png" null: 2>&1) == 0 ]] && break
  done
  rm -f "$previous"
}
click() { xdotool mousemove $((X + 8 + $1)) $((Y + 8 + $2)) sleep 0.1 click 1 sleep 0.1 mousemove 0 0; }

sleep 5.2 # the brand picture and the logo on their way, the second logo fading in
shot intro
sleep 2.2 # the intro ends 7 s after the start
still_shot ready
click 432 280 # the custom installation switch
sleep 1       # the folder chooser slides up
still_shot custom-installation
click 200 265 # Install Now
sleep 0.5
# The progress bar along the bottom edge has started (a busy machine may take a moment to draw it).
progress() { convert "$out/$1.png" -crop 200x3+9+363 +repage -strip ppm:-; }
for _ in {1..20}; do
  shot installing
  cmp -s <(progress installing) <(progress custom-installation) || break
  sleep 0.1
done

for _ in {1..1200}; do
  kill -0 "$setup" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$setup" 2>/dev/null; then fail "the installation did not end within 2 minutes"; fi
wait "$setup" || fail "the installer ended with exit status $?"
folder=$(installed_folder) || fail "the installation left no entry in the list of installed programs"
unix_folder=$(realpath -m "$(wine winepath -u "$folder")")
[[ -f $unix_folder/Velnix.exe ]] || fail "the installation left no Velnix.exe in $folder"

echo
echo "Installed into $folder"
echo "  (on this machine: $unix_folder)"
echo "What the installation put there:"
(cd "$unix_folder" && find . -type f -printf '%P\t%s\n' | sort | awk -F '\t' '{ printf "  %9d bytes  %s\n", $2, $1 }')
echo "Screenshots of the window:"
for name in intro ready custom-installation installing; do echo "  $out/$name.png"; done
