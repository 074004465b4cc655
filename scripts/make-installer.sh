#!/usr/bin/env bash
# Builds a release installer for a payload folder, optionally signed with Authenticode.
#
#   scripts/make-installer.sh [OPTIONS] PAYLOAD_DIR OUT.exe
#
#   --version TEXT      the version text (resource "ver", shown as DisplayVersion); default: the project's
#   --stats-url URL     scheme and host of the statistics server (https://...); default: the build's
#   --publisher TEXT    the Publisher value of the installed-programs entry; default: the build's
#   --sign CERT KEY     sign OUT.exe with this certificate and private key (PEM or DER files), by osslsigncode
#   --build-dir DIR     the build tree to use (default: build/installer); kept, so a second run is quick
#
# PAYLOAD_DIR is the folder whose content is installed; it must hold Velnix.exe at its top. The build is the
# Windows preset's (MinGW-w64, Release) in a tree of its own, so it never changes build/windows.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
me=make-installer

fail() {
  echo "$me: $*" >&2
  exit 1
}
usage() {
  sed -n '4,11p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//' >&2
  exit 2
}

version=""
stats_url=""
publisher=""
cert=""
key=""
build_dir=$root/build/installer
positional=()
while (($#)); do
  case $1 in
    --version) (($# >= 2)) || usage; version=$2; shift 2 ;;
    --stats-url) (($# >= 2)) || usage; stats_url=$2; shift 2 ;;
    --publisher) (($# >= 2)) || usage; publisher=$2; shift 2 ;;
    --sign) (($# >= 3)) || usage; cert=$2; key=$3; shift 3 ;;
    --build-dir) (($# >= 2)) || usage; build_dir=$2; shift 2 ;;
    -h | --help) usage ;;
    --) shift; positional+=("$@"); break ;;
    -*) echo "$me: unknown option $1" >&2; usage ;;
    *) positional+=("$1"); shift ;;
  esac
done
((${#positional[@]} == 2)) || usage
payload=${positional[0]}
out=${positional[1]}

# ---- the input, checked before anything is built ---------------------------------------------------------------
[[ -e $payload ]] || fail "the payload folder '$payload' does not exist"
[[ -d $payload ]] || fail "'$payload' is not a folder"
[[ -r $payload && -x $payload ]] || fail "the payload folder '$payload' cannot be read"
[[ -n $(ls -A "$payload") ]] || fail "the payload folder '$payload' is empty"
[[ -f $payload/Velnix.exe ]] || fail "the payload folder '$payload' holds no Velnix.exe at its top"
payload=$(cd "$payload" && pwd)

# Texts go into the build's generated sources: only characters that need no escaping anywhere on the way.
text_ok() { [[ $1 =~ ^[A-Za-z0-9\ ._:/+\(\)-]+$ ]]; }
if [[ -n $version ]]; then
  text_ok "$version" || fail "the version text '$version' may hold letters, digits, blanks and . _ : / + ( ) - only"
fi
if [[ -n $stats_url ]]; then
  [[ $stats_url =~ ^https://[A-Za-z0-9.:-]+(\[[0-9A-Fa-f:]+\](:[0-9]+)?)?/?$ ]] ||
    fail "the statistics server '$stats_url' must be https://HOST[:PORT], without a path"
fi
if [[ -n $publisher ]]; then
  text_ok "$publisher" || fail "the publisher '$publisher' may hold letters, digits, blanks and . _ : / + ( ) - only"
fi

if [[ -n $cert ]]; then
  command -v osslsigncode >/dev/null || fail "--sign needs osslsigncode (Debian package osslsigncode)"
  [[ -f $cert && -r $cert ]] || fail "the certificate '$cert' cannot be read"
  [[ -f $key && -r $key ]] || fail "the private key '$key' cannot be read"
  openssl x509 -in "$cert" -noout 2>/dev/null || openssl x509 -inform DER -in "$cert" -noout 2>/dev/null ||
    fail "'$cert' is not a certificate (PEM or DER)"
  openssl pkey -in "$key" -noout -passin pass: 2>/dev/null || openssl pkey -inform DER -in "$key" -noout -passin pass: 2>/dev/null ||
    fail "'$key' is not a private key without a pass phrase (PEM or DER)"
  cert=$(cd "$(dirname "$cert")" && pwd)/$(basename "$cert")
  key=$(cd "$(dirname "$key")" && pwd)/$(basename "$key")
fi

[[ $out == *.exe || $out == *.EXE ]] || fail "the output '$out' must be an .exe file"
out_dir=$(dirname "$out")
[[ -d $out_dir ]] || fail "the output folder '$out_dir' does not exist"
[[ ! -d $out ]] || fail "the output '$out' is a folder"
[[ -w $out_dir ]] || fail "the output folder '$out_dir' cannot be written"
[[ ! -e $out || -w $out ]] || fail "the output '$out' cannot be written"
out=$(cd "$out_dir" && pwd)/$(basename "$out")
touch "$out.part" 2>/dev/null || fail "the output folder '$out_dir' cannot be written"
rm -f "$out.part"

# ---- the build ---------------------------------------------------------------------------------------------------
"$root/scripts/bootstrap.sh" >/dev/null

# An option not given goes back to the build's default (a build tree used before may still hold another value).
settings=(-DVELNIX_PAYLOAD_DIR="$payload" -DVELNIX_TEST_BUILD=OFF)
if [[ -n $version ]]; then settings+=(-DVELNIX_VERSION_TEXT="$version"); else settings+=(-UVELNIX_VERSION_TEXT); fi
if [[ -n $stats_url ]]; then settings+=(-DVELNIX_STATS_BASE_URL="$stats_url"); else settings+=(-UVELNIX_STATS_BASE_URL); fi
if [[ -n $publisher ]]; then settings+=(-DVELNIX_PUBLISHER="$publisher"); else settings+=(-UVELNIX_PUBLISHER); fi

echo "$me: building the installer in $build_dir"
mkdir -p "$build_dir"
log=$build_dir/make-installer.log
cmake -S "$root" -B "$build_dir" -G Ninja --toolchain "$root/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DVELNIX_BUILD_TESTS=OFF "${settings[@]}" >"$log" 2>&1 ||
  { tail -n 40 "$log" >&2; fail "configuring the build failed (log: $log)"; }
cmake --build "$build_dir" --target VelnixSetup -j "${VELNIX_JOBS:-2}" >>"$log" 2>&1 ||
  { tail -n 40 "$log" >&2; fail "the build failed (log: $log)"; }
built=$build_dir/app/VelnixSetup.exe

if [[ -n $cert ]]; then
  echo "$me: signing with $cert"
  rm -f "$out.signing"
  osslsigncode sign -certs "$cert" -key "$key" -h sha256 -n "Velnix Setup" -i "${publisher:-https://velnix.app}" \
    -in "$built" -out "$out.signing" >/dev/null || { rm -f "$out.signing"; fail "signing failed"; }
  mv -f "$out.signing" "$out" || fail "the output '$out' cannot be written"
else
  cp -f "$built" "$out" || fail "the output '$out' cannot be written"
fi
echo "$me: wrote $out ($(stat -c %s "$out") bytes)"
