#!/usr/bin/env bash
# The favorites window's page draw (79 cached 80 x 60 thumbnails) and its
# order by Exif date (300 camera JPEGs, warm), beside peers doing the same
# work in the same run: ImageMagick's montage of the 79 thumbnails into one
# 8 x 10 page, and exiftool reading the 300 shooting dates.
# usage: bench/favorites_bench.sh [BUILD_DIR] [RUNS]   (a Release build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
runs=${2:-5}
work=$(mktemp -d "${TMPDIR:-/tmp}/lumetta-favorites-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

"$build/bin/lumetta_bench" --benchmark_filter='DrawPageOf79|Sort300Favorites' --benchmark_repetitions="$runs" \
  --benchmark_report_aggregates_only=true 2>/dev/null | grep -E '_(median|mean) '

# The same inputs for the peers: 79 thumbnails and 300 dated JPEGs.
mkdir -p "$work/thumbs" "$work/photos"
convert tests/fixtures/camera/Canon_40D.jpg -resize '80x60!' -type TrueColor "BMP3:$work/thumb.bmp"
for i in $(seq -w 1 79); do cp "$work/thumb.bmp" "$work/thumbs/t$i.bmp"; done
for i in $(seq -w 1 300); do cp tests/fixtures/camera/Canon_40D.jpg "$work/photos/IMG_$i.JPG"; done
cat "$work"/thumbs/*.bmp "$work"/photos/*.JPG >/dev/null  # warm

best() {  # label, command...
  local label=$1 best_ms=
  shift
  for _ in $(seq "$runs"); do
    local start end ms
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    ms=$(( (end - start) / 1000000 ))
    if [ -z "$best_ms" ] || [ "$ms" -lt "$best_ms" ]; then best_ms=$ms; fi
  done
  printf '%-34s best of %d: %5d ms\n' "$label" "$runs" "$best_ms"
}

if command -v montage >/dev/null; then
  best "montage 79 thumbnails (8 x 10)" montage "$work"/thumbs/*.bmp -tile 8x10 -geometry 80x60+2+2 "$work/page.bmp"
fi
if command -v exiftool >/dev/null; then
  best "exiftool 300 DateTimeOriginal" exiftool -fast2 -q -DateTimeOriginal "$work/photos"
fi
