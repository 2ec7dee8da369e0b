#!/usr/bin/env bash
# The information panel's Exif reading per photo (lumetta_bench) against
# exiftool reading the same tags of the same photos in one batch, both from
# the page cache.
# usage: bench/exif_info_bench.sh [BUILD_DIR] [COPIES]   (a Release build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
copies=${2:-40}
samples=../shared/samples/camera
[ -d "$samples" ] || samples=tests/fixtures/camera
work=$(mktemp -d "${TMPDIR:-/tmp}/lumetta-exif-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

"$build/bin/lumetta_bench" --benchmark_filter=ReadExifInfo --benchmark_min_time=0.5

for i in $(seq "$copies"); do
  for f in "$samples"/*.jpg; do cp "$f" "$work/${i}_$(basename "$f")"; done
done
n=$(ls "$work" | wc -l)
tags=(-Make -Model -Software -Orientation -DateTimeOriginal -FNumber -ExposureTime -ShutterSpeedValue -ISO
      -Flash -ExposureCompensation -FocalLength -Sharpness -ExifImageWidth -ExifImageHeight)
exiftool -fast2 -q -s "${tags[@]}" "$work" >/dev/null  # page cache
start=$(date +%s.%N)
exiftool -fast2 -q -s "${tags[@]}" "$work" >/dev/null
end=$(date +%s.%N)
awk -v s="$start" -v e="$end" -v n="$n" 'BEGIN {printf "exiftool -fast2, %d photos in one run: %.1f us per photo\n", n, (e - s) * 1e6 / n}'
