#!/usr/bin/env bash
# Packs a payload folder into the installer's 7z archive: every entry protected with the password the installer
# gives the extractor, compressed with LZMA2 in independent blocks, so that the extractor decodes the blocks on
# all cores at once (one solid LZMA2 stream decodes on one core only). The build (app/CMakeLists.txt) and the
# benchmarks pack with this script, so that they measure what ships.
#   scripts/pack-payload.sh PAYLOAD_DIR OUT.7z
#
# Block size: the decoder hands the blocks out to its threads in turn, and a thread whose blocks happen to be the
# slow ones (text rather than already compressed data) holds up the end of the extraction, so blocks are small
# against a typical payload: 4 MB, about 25 blocks per 100 MB. On 2 cores under Wine, the install benchmark's payload
# (bench/make_bench_payload.py) in 12 MB blocks kept one of 7za's threads busy about 1.5 times as long as the other;
# in 4 MB blocks the two end within about 20 % of each other, and the busier thread needs about a quarter less
# time. Cutting the dictionary at every border costs 0.85 % more archive than one solid stream (12 MB blocks: 0.5 %;
# 2 MB blocks: 1.2 % for no further gain); the dictionary is the block size, since a larger one could never be used.
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
LC_ALL=C.UTF-8 "$sevenzip" a -t7z -pVelnix -m0=LZMA2:d=4m:c=4m -mmt=on -bso0 -bsp0 "$out_abs" .
