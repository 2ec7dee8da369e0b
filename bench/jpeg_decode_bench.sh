#!/usr/bin/env bash
# lumetta-cli decode of a 6000 x 4000 quality-92 JPEG against djpeg -dct int
# -bmp of the same file: wall time and peak memory, best of several runs.
# usage: bench/jpeg_decode_bench.sh [BUILD_DIR] [RUNS]   (a Release build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
runs=${2:-5}
cli="$build/bin/lumetta-cli"
work=$(mktemp -d "${TMPDIR:-/tmp}/lumetta-jpeg-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# A camera photo blown up to 24 megapixels, with noise so that it carries as
# much detail (and as many bits) as a real one.
convert tests/fixtures/camera/Canon_40D.jpg -resize '6000x4000!' -attenuate 0.4 +noise Gaussian \
  -sampling-factor 2x2 -quality 92 "$work/photo.jpg"
echo "input: $(identify -format '%wx%h %[jpeg:sampling-factor]' "$work/photo.jpg"), $(stat -c %s "$work/photo.jpg") bytes"

measure() {  # label, command...
  local label=$1 best_time= best_rss=
  shift
  for _ in $(seq "$runs"); do
    /usr/bin/time -v "$@" 2>"$work/time.txt" >/dev/null
    local t rss
    t=$(awk -F': ' '/Elapsed \(wall clock\)/ {n = split($2, p, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + p[i]; print s}' "$work/time.txt")
    rss=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")
    if [ -z "$best_time" ] || awk "BEGIN {exit !($t < $best_time)}"; then best_time=$t; fi
    if [ -z "$best_rss" ] || [ "$rss" -lt "$best_rss" ]; then best_rss=$rss; fi
  done
  printf '%-10s best of %d: %6.3f s, peak %7d KB\n' "$label" "$runs" "$best_time" "$best_rss"
  echo "$best_time $best_rss" >"$work/$label.result"
}

measure djpeg djpeg -dct int -bmp -outfile "$work/djpeg.bmp" "$work/photo.jpg"
measure lumetta "$cli" decode "$work/photo.jpg" -o "$work/lumetta.bmp"

if cmp -s <(tail -c +55 "$work/djpeg.bmp") <(tail -c +55 "$work/lumetta.bmp"); then
  echo "pixels: identical"
else
  echo "pixels: DIFFER"
fi

read -r dt dm <"$work/djpeg.result"
read -r lt lm <"$work/lumetta.result"
awk -v dt="$dt" -v lt="$lt" -v dm="$dm" -v lm="$lm" \
  'BEGIN {printf "lumetta / djpeg: time %.3f (goal <= 1.05), peak memory %.3f (goal <= 1.3)\n", lt / dt, lm / dm}'
