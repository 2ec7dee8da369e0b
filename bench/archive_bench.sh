#!/usr/bin/env bash
# Photos inside archives against their peers, in one run:
# - listing a folder of a ZIP with 10,000 entries (lumetta-cli list, against
#   unzip -Z1 over the whole archive);
# - showing a 24-megapixel JPEG from a ZIP (lumetta-cli decode of the entry,
#   against unzip -p piped into djpeg of the same entry);
# - the thumbnails of 100 zipped 24-megapixel photos against the same photos
#   on disk (lumetta-cli thumbs -o, both ways).
# Wall time, best of several runs (a Release build).
# usage: bench/archive_bench.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
runs=${2:-3}
cli="$(pwd)/$build/bin/lumetta-cli"
work=$(mktemp -d "${TMPDIR:-/tmp}/lumetta-archive-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
app="$work/app"
mkdir -p "$app"

best() {  # label, command... : prints the best wall time of $runs runs
  local label=$1 best_time=
  shift
  for _ in $(seq "$runs"); do
    local start end t
    start=$(date +%s.%N)
    "$@" >/dev/null 2>"$work/err.txt" || { cat "$work/err.txt"; return 1; }
    end=$(date +%s.%N)
    t=$(awk "BEGIN {print $end - $start}")
    if [ -z "$best_time" ] || awk "BEGIN {exit !($t < $best_time)}"; then best_time=$t; fi
  done
  printf '%-34s best of %d: %7.3f s\n' "$label" "$runs" "$best_time"
  echo "$best_time" >"$work/$label.result"
}

ratio() {  # label, numerator label, denominator label
  printf '%-34s %.2f\n' "$1" "$(awk "BEGIN {print $(cat "$work/$2.result") / $(cat "$work/$3.result")}")"
}

# 10,000 small entries in one folder of the archive, and a few beside it.
python3 - "$work/many.zip" <<'PY'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_STORED) as z:
    for i in range(10000):
        z.writestr("album/p%05d.jpg" % i, b"\xff\xd8")
    z.writestr("other/x.jpg", b"\xff\xd8")
PY
best list-10000 "$cli" list "$work/many.zip/album"
best unzip-Z1-10000 unzip -Z1 "$work/many.zip"
best cli-startup "$cli" version
[ "$("$cli" list "$work/many.zip/album" | wc -l)" = 10000 ] || { echo "list: wrong count"; exit 1; }

# A camera photo blown up to 24 megapixels with noise, as in the JPEG benchmark.
convert tests/fixtures/camera/Canon_40D.jpg -resize '6000x4000!' -attenuate 0.4 +noise Gaussian \
  -sampling-factor 2x2 -quality 92 "$work/photo.jpg"
(cd "$work" && zip -q photo.zip photo.jpg)
echo "photo: $(stat -c %s "$work/photo.jpg") bytes, zipped $(stat -c %s "$work/photo.zip") bytes"
peer() { unzip -p "$work/photo.zip" photo.jpg | djpeg -dct int -bmp -outfile "$work/peer.bmp"; }
best show-unzip-p-djpeg peer
best show-lumetta "$cli" decode "$work/photo.zip/photo.jpg" -o "$work/lumetta.bmp"
ratio "show: lumetta / peer" show-lumetta show-unzip-p-djpeg

mkdir -p "$work/disk"
for i in $(seq -w 1 100); do cp "$work/photo.jpg" "$work/disk/p$i.jpg"; done
(cd "$work/disk" && zip -q -0 ../photos.zip ./*.jpg)
best thumbs-100-on-disk "$cli" thumbs "$work/disk" -o "$work/thumbs-disk" --app-folder "$app"
best thumbs-100-zipped "$cli" thumbs "$work/photos.zip" -o "$work/thumbs-zip" --app-folder "$app"
ratio "thumbs: zipped / on disk" thumbs-100-zipped thumbs-100-on-disk
if cmp -s <(cat "$work"/thumbs-disk/*.bmp) <(cat "$work"/thumbs-zip/*.bmp); then
  echo "thumbnails: identical"
else
  echo "thumbnails: DIFFER"
fi
[ -z "$(ls -A "$app/Temp" 2>/dev/null)" ] && echo "temporary folder: empty afterwards" || echo "temporary folder: LEFT OVER"
