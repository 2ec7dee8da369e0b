#!/usr/bin/env bash
# Camera transfer against cp: lumetta-cli transfer copies 200 photos of 5 MB
# from one local folder into another, side by side with cp -p of the same
# files (cp keeps the times with -p, as the transfer does), and cp followed
# by sync for the figure with every byte on the disk (new copies are not
# flushed one by one; copies that replace a file or whose source goes are).
# Then sort-dates of 1,000 photos into date folders.
# Best of several rounds, caches warm for all. Photo bytes are compared after
# every run.
# usage: bench/transfer_bench.sh [BUILD_DIR] [RUNS] [PHOTOS] [MB]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-3}
photos=${3:-200}
mb=${4:-5}
cli="$(pwd)/$build/bin/lumetta-cli"
work=$(mktemp -d "${TMPDIR:-/var/tmp}/lumetta-transfer-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/card"
head -c $((mb * 1024 * 1024)) /dev/urandom >"$work/one"
for i in $(seq -w 1 "$photos"); do
  # Each photo differs from the others in its first bytes, and its date
  # spreads the photos over a few days.
  { printf 'photo %s' "$i"; tail -c +10 "$work/one"; } >"$work/card/DSC$i.JPG"
  touch -d "2001-06-$((20 + 10#$i % 5)) 12:00" "$work/card/DSC$i.JPG"
done
rm "$work/one"
total_mb=$((photos * mb))
(cd "$work/card" && sha256sum -- * >"$work/card.sums")
echo "input: $photos photos of $mb MB ($total_mb MB) in $work"

seconds() {  # command...: wall seconds
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN {printf "%.3f", b - a}'
}

check() {  # folder: the photos' bytes against the card's
  (cd "$1" && sha256sum --quiet -c "$work/card.sums") || { echo "BYTES DIFFER in $1"; exit 1; }
}

copy_cp() { cp -p "$work"/card/* "$work/pc/"; }
copy_cp_sync() { cp -p "$work"/card/* "$work/pc/" && sync; }
copy_lumetta() { "$cli" transfer "$work/card" "$work/pc"; }

# The three take turns in each round, so that the load of a shared machine
# falls on all of them alike; the best time of each is kept.
declare -A best_time
labels=(cp cp+sync lumetta)
commands=(copy_cp copy_cp_sync copy_lumetta)
for _ in $(seq "$runs"); do
  for i in 0 1 2; do
    rm -rf "$work/pc" && mkdir "$work/pc" && sync
    t=$(seconds "${commands[$i]}")
    check "$work/pc"
    label=${labels[$i]}
    if [ -z "${best_time[$label]:-}" ] || awk "BEGIN {exit !($t < ${best_time[$label]})}"; then best_time[$label]=$t; fi
  done
done
for label in "${labels[@]}"; do
  printf '%-22s best of %d: %7.3f s  %7.1f MB/s\n' "$label" "$runs" "${best_time[$label]}" \
    "$(awk -v s="${best_time[$label]}" -v m="$total_mb" 'BEGIN {print m / s}')"
done
awk -v c="${best_time[cp]}" -v s="${best_time[cp+sync]}" -v l="${best_time[lumetta]}" \
  'BEGIN {printf "throughput lumetta / cp: %.2f, lumetta / (cp + sync): %.2f (goal >= 0.9)\n", c / l, s / l}'
rm -rf "$work/pc" "$work/card"

# Sorting 1,000 small photos of one folder into date folders (renames).
mkdir -p "$work/sort"
for i in $(seq -w 1 1000); do
  printf 'photo %s' "$i" >"$work/sort/IMG_$i.JPG"
  touch -d "2001-0$((1 + 10#$i % 9))-1$((10#$i % 10)) 12:00" "$work/sort/IMG_$i.JPG"
done
(cd "$work/sort" && sha256sum -- * >"$work/sort.sums")
t=$(seconds "$cli" sort-dates "$work/sort")
(cd "$work/sort" && for f in */*; do echo "$(sha256sum <"$f" | cut -d' ' -f1)  $(basename "$f")"; done | sort -k2) \
  | diff -q - <(sort -k2 "$work/sort.sums") >/dev/null || { echo "SORTED BYTES DIFFER"; exit 1; }
echo "sort-dates of 1000 photos into $(find "$work/sort" -mindepth 1 -type d | wc -l) date folders: $t s (goal <= 2 s)"
