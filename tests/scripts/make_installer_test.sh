#!/usr/bin/env bash
# scripts/make-installer.sh end to end: bad input gets a clear message and a non-zero exit before anything is
# built; then an installer for the fixture payload is built, signed with a throwaway self-signed certificate,
# verified with osslsigncode, installed silently under Wine and removed silently again.
#   make_installer_test.sh SOURCE_DIR WORK_DIR WINE_PREFIX VELNIX_EXE VLXD_EXE
set -euo pipefail

source_dir=$1
work=$2
prefix=$3
velnix_exe=$4
vlxd_exe=$5
script=$source_dir/scripts/make-installer.sh
wine_run=("$source_dir/tests/wine/wine-run" --prefix="$prefix" --display)
failures=0

fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

# Runs the script with the arguments and expects a non-zero exit with the message part on standard error.
expect_refused() {
  local message=$1
  shift
  local output status=0
  output=$("$script" "$@" 2>&1 >/dev/null) || status=$?
  if ((status == 0)); then
    fail "accepted: $*"
  elif [[ $output != *"$message"* ]]; then
    fail "for '$*' the message was '$output', not one with '$message'"
  else
    echo "refused as expected: $output"
  fi
}

rm -rf "$work/in" "$work/out"
mkdir -p "$work/in/payload" "$work/in/empty" "$work/in/no-app" "$work/out"
cp -r "$source_dir/tests/fixtures/payload/." "$work/in/payload/"
cp "$velnix_exe" "$work/in/payload/Velnix.exe"
cp "$vlxd_exe" "$work/in/payload/vlxd.exe"
echo "notes" >"$work/in/no-app/readme.txt"

openssl req -x509 -newkey rsa:2048 -nodes -sha256 -days 2 -subj "/CN=Velnix Test Signing" \
  -keyout "$work/in/key.pem" -out "$work/in/cert.pem" 2>/dev/null
echo "not a certificate" >"$work/in/garbage.pem"
mkdir -p "$work/out/readonly" "$work/out/folder.exe" && chmod a-w "$work/out/readonly"

# ---- bad input ------------------------------------------------------------------------------------------------
in=$work/in
expect_refused "does not exist" "$in/missing" "$work/out/a.exe"
expect_refused "is empty" "$in/empty" "$work/out/a.exe"
expect_refused "holds no Velnix.exe" "$in/no-app" "$work/out/a.exe"
expect_refused "cannot be read" --sign "$in/missing.pem" "$in/key.pem" "$in/payload" "$work/out/a.exe"
expect_refused "is not a certificate" --sign "$in/garbage.pem" "$in/key.pem" "$in/payload" "$work/out/a.exe"
expect_refused "is not a private key" --sign "$in/cert.pem" "$in/garbage.pem" "$in/payload" "$work/out/a.exe"
expect_refused "does not exist" "$in/payload" "$work/out/no-such-folder/a.exe"
expect_refused "is a folder" "$in/payload" "$work/out/folder.exe"
if [[ $(id -u) != 0 ]]; then  # root writes anywhere
  expect_refused "cannot be written" "$in/payload" "$work/out/readonly/a.exe"
fi
chmod u+w "$work/out/readonly"

# ---- a signed installer ---------------------------------------------------------------------------------------
installer=$work/out/VelnixSetup.exe
"$script" --version "2.1 test" --stats-url https://127.0.0.1:9 --publisher https://example.test \
  --sign "$in/cert.pem" "$in/key.pem" --build-dir "$work/build" "$in/payload" "$installer"
verify=$(osslsigncode verify -CAfile "$in/cert.pem" -in "$installer" 2>&1) || fail "osslsigncode verify: $verify"
[[ $verify == *"Signature verification: ok"* ]] || fail "no good signature: $verify"

# ---- silent installation and removal under Wine ----------------------------------------------------------------
# Wine quotes the argument with the blank ("/D=C:\...\Velnix Apps"), as Windows programs starting others do.
target_windows='C:\velnix-signed-test\Velnix Apps'
target_unix=$prefix-display/drive_c/velnix-signed-test/Velnix\ Apps
rm -rf "$prefix-display/drive_c/velnix-signed-test"
status=0
"${wine_run[@]}" "$installer" /S "/D=$target_windows" || status=$?
((status == 0)) || fail "the silent installation ended with $status"
for file in Velnix.exe vlxd.exe Uninstall.exe wizard/wizard.txt; do
  [[ -f $target_unix/$file ]] || fail "no $file after the silent installation"
done
cmp -s "$installer" "$target_unix/Uninstall.exe" || fail "Uninstall.exe is not the signed installer"

status=0
"${wine_run[@]}" "$target_unix/Uninstall.exe" /S || status=$?
((status == 0)) || fail "the silent removal ended with $status"
for file in Velnix.exe vlxd.exe wizard/wizard.txt; do
  [[ ! -e $target_unix/$file ]] || fail "$file stayed after the silent removal"
done
rm -rf "$prefix-display/drive_c/velnix-signed-test"

if ((failures)); then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "make-installer: all checks passed"
