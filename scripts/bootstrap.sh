#!/usr/bin/env bash
# Installs everything the build and the tests need: Debian packages and the pinned npm packages.
# Idempotent: when everything is present it only checks and returns within seconds.
#   scripts/bootstrap.sh [--bench]     --bench adds what only the benchmarks need (NSIS, for the comparison)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(
  cmake ninja-build ccache
  g++-mingw-w64-x86-64-posix mingw-w64-tools
  wine wine64 fonts-wine fonts-liberation
  xvfb xauth xdotool imagemagick
  7zip librsvg2-bin
  googletest libgtest-dev libbenchmark-dev nlohmann-json3-dev
  clang libclang-rt-14-dev
  python3 openssl osslsigncode nodejs npm
)
if [[ ${1:-} == --bench ]]; then
  packages+=(nsis)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ $status == "install ok installed" ]] || missing+=("$p")
done

# nodejs/npm may come from outside Debian (a machine-wide Node.js); accept a working npm.
if command -v npm >/dev/null 2>&1; then
  filtered=()
  for p in "${missing[@]}"; do [[ $p == nodejs || $p == npm ]] || filtered+=("$p"); done
  missing=("${filtered[@]+"${filtered[@]}"}")
fi

if ((${#missing[@]})); then
  echo "bootstrap: installing ${missing[*]}"
  sudo=""
  [[ $(id -u) == 0 ]] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The Windows console extractor comes from npm's 7zip-bin, pinned by package-lock.json.
if [[ ! -f $root/node_modules/7zip-bin/win/x64/7za.exe ]]; then
  echo "bootstrap: npm ci"
  (cd "$root" && npm ci --no-audit --no-fund --loglevel=error)
fi

echo "bootstrap: ready"
