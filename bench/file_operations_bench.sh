#!/usr/bin/env bash
# Rename and move of one photo with its edited-photo files and cached
# thumbnails: lumetta-cli rename / move against mv of the same files (the
# peer: what a user's shell would do by hand, without any checks). In a
# folder of 1,000 photos, a photo of 5 MB with three edited-photo files
# (default, 002, 020) and its cached thumbnail in a photo-folder slot.
# Then a move of a 50 MB photo across file systems (/dev/shm to the disk),
# against mv. Best of several rounds; the photo's bytes are checked after
# every run. Times are wall times of the whole command, start-up included.
# usage: bench/file_operations_bench.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-5}
cli="$(pwd)/$build/bin/lumetta-cli"
work=$(mktemp -d "${TMPDIR:-/var/tmp}/lumetta-fileops-bench.XXXXXX")
trap 'rm -rf "$work" /dev/shm/lumetta-fileops-bench.$$' EXIT

mkdir -p "$work/Photos/sub" "$work/App/Thumbnail/01/Photos"
for i in $(seq 1000 1999); do printf 'p%s' "$i" >"$work/Photos/P$i.JPG"; done
head -c $((5 * 1024 * 1024)) /dev/urandom >"$work/photo"
sum=$(sha256sum <"$work/photo")
# The settings file with slot 1 at the photo folder: written by the program.
"$cli" version >/dev/null
printf '0\r\n0\r\n%s\r\n' "$work/Photos" >"$work/App/Lumetta-ini.dat"

seconds() {  # command...: wall seconds
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN {printf "%.4f", b - a}'
}
best() { sort -n | head -1; }
check() { [ "$(sha256sum <"$1")" = "$sum" ] || { echo "BYTES DIFFER: $1"; exit 1; }; }

setup() {  # puts the photo and its companions back in Photos
  rm -f "$work"/Photos/sub/* "$work"/Photos/trip* "$work"/Photos/IMG_0001*
  cp "$work/photo" "$work/Photos/IMG_0001.JPG"
  for n in "" -002 -020; do printf edits >"$work/Photos/IMG_0001_jpg$n.lum"; done
  printf bmp >"$work/App/Thumbnail/01/Photos/IMG_0001_JPG.bmp"
  printf dat >"$work/App/Thumbnail/01/Photos/IMG_0001_JPG.dat"
}
rename_lumetta() { "$cli" rename "$work/Photos/IMG_0001.JPG" trip --app-folder "$work/App"; }
rename_mv() {
  cd "$work/Photos"
  mv IMG_0001.JPG trip.JPG && mv IMG_0001_jpg.lum trip_JPG.lum && mv IMG_0001_jpg-002.lum trip_JPG-002.lum &&
    mv IMG_0001_jpg-020.lum trip_JPG-020.lum
  cd "$work/App/Thumbnail/01/Photos" && mv IMG_0001_JPG.bmp trip_JPG.bmp && mv IMG_0001_JPG.dat trip_JPG.dat
}
move_lumetta() { "$cli" move "$work/Photos/IMG_0001.JPG" "$work/Photos/sub" --app-folder "$work/App"; }
move_mv() {
  mv "$work"/Photos/IMG_0001* "$work/Photos/sub/"
  mkdir -p "$work/App/Thumbnail/01/Photos/sub"
  mv "$work"/App/Thumbnail/01/Photos/IMG_0001_JPG.* "$work/App/Thumbnail/01/Photos/sub/"
}
nothing() { "$cli" version; }

for what in rename move; do
  l=(); m=()
  for _ in $(seq "$runs"); do
    setup; l+=("$(seconds ${what}_lumetta)")
    if [ "$what" = rename ]; then check "$work/Photos/trip.JPG"; else check "$work/Photos/sub/IMG_0001.JPG"; fi
    setup; m+=("$(seconds ${what}_mv)")
  done
  printf '%-7s lumetta-cli %s s   mv %s s\n' "$what" "$(printf '%s\n' "${l[@]}" | best)" \
    "$(printf '%s\n' "${m[@]}" | best)"
done
s=(); for _ in $(seq "$runs"); do s+=("$(seconds nothing)"); done
printf 'start-up of lumetta-cli alone (version): %s s\n' "$(printf '%s\n' "${s[@]}" | best)"

shm=/dev/shm/lumetta-fileops-bench.$$
if mkdir -p "$shm" 2>/dev/null; then
  head -c $((50 * 1024 * 1024)) /dev/urandom >"$work/big"
  sum=$(sha256sum <"$work/big")
  l=(); m=()
  for _ in $(seq "$runs"); do
    rm -f "$work/Photos/sub/BIG.JPG"; cp "$work/big" "$shm/BIG.JPG"
    l+=("$(seconds "$cli" move "$shm/BIG.JPG" "$work/Photos/sub")"); check "$work/Photos/sub/BIG.JPG"
    rm -f "$work/Photos/sub/BIG.JPG"; cp "$work/big" "$shm/BIG.JPG"
    m+=("$(seconds mv "$shm/BIG.JPG" "$work/Photos/sub/")"); check "$work/Photos/sub/BIG.JPG"
  done
  printf 'move of 50 MB across file systems: lumetta-cli %s s   mv %s s\n' \
    "$(printf '%s\n' "${l[@]}" | best)" "$(printf '%s\n' "${m[@]}" | best)"
fi
