#!/usr/bin/env bash
# Packs a payload folder into the installer's 7z archive: every entry protected with the password the installer
# gives the extractor, compressed with LZMA2 in independent blocks, so that the extractor decodes the blocks on
# all cores at once (one solid LZMA2 stream decodes on one core only). The build (app/CMakeLists.txt) and the
# benchmarks pack with this script, so that they measure what ships.
#   scripts/pack-payload.sh PAYLOAD_DIR OUT.7z
#
# Block size: the decoder hands out one block per thread, so a block is a small part of a typical payload
# (about 8 blocks per 100 MB keep 8 cores busy) while large enough that cutting the dictionary at its border costs
# little: 0.7 % more archive for the install benchmark's payload (bench/make_bench_payload.py) than one solid
# stream, which 7za x took 1.3 times as long to extract on 2 cores.
set -euo pipefail

if (($# != 2)); then
  echo "usage: $0 PAYLOAD_DIR OUT.7z" >&2
  exit 2
fi
payload=$1
out=$2
[[ -d $payload ]] || { echo "pack-payload: no folder $payload" >&2; exit 1; }
sevenzip=${VELNIX_7ZZ:-$(command -v 7zz || command -v 7z || true)}
[[ -n $sevenzip ]] || { echo "pack-payload: 7zz not found (Debian package 7zip)" >&2; exit 1; }

out_abs=$(cd "$(dirname "$out")" && pwd)/$(basename "$out")
rm -f "$out_abs"
cd "$payload"
# -mhe stays off: the archive's entry names stay readable, as they always were; the content is encrypted.
LC_ALL=C.UTF-8 "$sevenzip" a -t7z -pVelnix -m0=LZMA2:d=16m:c=12m -mmt=on -bso0 -bsp0 "$out_abs" .
