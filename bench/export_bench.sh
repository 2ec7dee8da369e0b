#!/usr/bin/env bash
# The export against libjpeg-turbo's own tools, wall time and peak memory,
# best of several runs:
# 1. an 800 x 600 view: lumetta-cli export of the view's pixels (a BMP of
#    the view, shown at 100 % with no effect or sharpening, so that the render
#    is a copy) against cjpeg -quality 90 of the same BMP;
# 2. the whole photo of a 24-megapixel JPEG at 100 % with brightness, contrast
#    and sharpening: decode + render + encode against djpeg | cjpeg -quality 90
#    of the same photo. The decoded photo takes 6000 x 4000 x 3 bytes.
# usage: bench/export_bench.sh [BUILD_DIR] [RUNS]   (an optimised build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
runs=${2:-5}
cli="$build/bin/lumetta-cli"
work=$(mktemp -d "${TMPDIR:-/tmp}/lumetta-export-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

convert tests/fixtures/camera/Canon_40D.jpg -resize '800x600!' -attenuate 0.4 +noise Gaussian -type TrueColor \
  "BMP3:$work/view.bmp"
convert tests/fixtures/camera/Canon_40D.jpg -resize '6000x4000!' -attenuate 0.4 +noise Gaussian \
  -sampling-factor 2x2 -quality 92 "$work/photo.jpg"

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
  printf '%-16s best of %d: %6.3f s, peak %7d KB\n' "$label" "$runs" "$best_time" "$best_rss"
  echo "$best_time $best_rss" >"$work/$label.result"
}

ratio() {  # label, ours, theirs, time goal
  read -r ot om <"$work/$2.result"
  read -r tt tm <"$work/$3.result"
  awk -v ot="$ot" -v tt="$tt" -v goal="$4" -v label="$1" \
    'BEGIN {printf "%s: time %.3f (goal <= %s)\n", label, ot / tt, goal}'
}

echo "== 800 x 600 view"
measure cjpeg-view cjpeg -quality 90 -outfile "$work/cjpeg-view.jpg" "$work/view.bmp"
measure export-view "$cli" export "$work/view.bmp" --view 800x600 --global-effect 0 --global-sharpness 0 \
  --format jpeg --quality 8 -o "$work/export-view.jpg"
if cmp -s "$work/cjpeg-view.jpg" "$work/export-view.jpg"; then
  echo "bytes: identical to cjpeg's"
else
  echo "bytes: differ from cjpeg's ($(stat -c %s "$work/export-view.jpg") vs $(stat -c %s "$work/cjpeg-view.jpg"))"
fi
ratio "export / cjpeg" export-view cjpeg-view 1.2

echo "== whole 24-megapixel photo at 100 % with edits"
measure djpeg-cjpeg sh -c "djpeg -dct int '$work/photo.jpg' | cjpeg -quality 90 -outfile '$work/dc.jpg'"
measure export-whole "$cli" export "$work/photo.jpg" --zoom 100 --whole --brightness 20 --contrast 300 \
  --sharpness 8 --format jpeg --quality 8 --exif -o "$work/export-whole.jpg"
ratio "export / djpeg|cjpeg" export-whole djpeg-cjpeg 2.5
read -r _ em <"$work/export-whole.result"
awk -v em="$em" 'BEGIN {d = 6000 * 4000 * 3 / 1024; printf "peak memory / decoded photo: %.3f (goal <= 2.5)\n", em / d}'
