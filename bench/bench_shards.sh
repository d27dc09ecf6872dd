#!/usr/bin/env bash
# Runs one list of 200 photos as 1, 2 and 4 shards (pressmark-cli --shard K/N, the shards at once
# on this machine, writing into one folder), then as 4 shards through GNU parallel (--sshlogin :,
# this machine as the one "remote" host); prints the wall time of each, checks that every layout
# gives the names and bytes of the single run, and merges the shard reports
# (docs/scale-out/merge-reports.sh), checking that every input is there once.
#
# The photos: the four wallpapers of /usr/share/backgrounds (4 to 24 megapixels), 50 copies of
# each under their own names, resized to width 1500 at quality 85 with their metadata.
# Workers: a single run takes --jobs 2 (this machine's two cores); each shard takes --jobs 1.
#
#   bench/bench_shards.sh [BUILD_DIR]        (default: build)
#
# Needs the benchmark packages: PRESSMARK_BENCH=1 scripts/setup.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cli=$(realpath "$build/src/cli/pressmark-cli")
merge=$(realpath docs/scale-out/merge-reports.sh)
[ -x "$cli" ] || { echo "build pressmark-cli first ($cli)"; exit 2; }
for tool in parallel jq; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run PRESSMARK_BENCH=1 scripts/setup.sh"; exit 2; }
done
wallpapers=(/usr/share/backgrounds/*.jpg)
[ -f "${wallpapers[0]}" ] || { echo "no photos in /usr/share/backgrounds: run PRESSMARK_BENCH=1 scripts/setup.sh"; exit 2; }

photos=$build/bench-shard-photos
if [ "$(ls "$photos" 2>/dev/null | wc -l)" -ne 200 ]; then
  rm -rf "$photos" && mkdir -p "$photos"
  for i in $(seq 0 199); do
    cp "${wallpapers[$((i % ${#wallpapers[@]}))]}" "$photos/IMG_$(printf %03d "$i").jpg"
  done
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
ls -d "$PWD/$photos"/*.jpg > "$out/list.txt"
options=(--width 1500 --quality 85 --quiet --files-from "$out/list.txt")

seconds() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", b - a }'; }

# Runs N shards at once into $out/N; prints the wall seconds.
shards() {
  local n=$1 jobs=$2
  mkdir -p "$out/$n"
  local start end
  start=$(date +%s.%N)
  for k in $(seq 1 "$n"); do
    "$cli" -o "$out/$n/photos" --jobs "$jobs" --shard "$k/$n" --report "$out/$n/report-$k.jsonl" "${options[@]}" &
  done
  wait
  end=$(date +%s.%N)
  seconds "$start" "$end"
}

check() {
  local dir=$1
  diff -r "$out/1/photos" "$dir/photos" >/dev/null || { echo "$dir: names or bytes differ from the single run"; exit 1; }
  "$merge" "$dir"/report-*.jsonl > "$dir/merged.jsonl"
  jq -r 'select(.type == "summary") | "  merged: \(.inputs) inputs, \(.written) written, \(.failed) failed, \(.bytes) bytes, shards \(.shards | join(" "))"' "$dir/merged.jsonl"
}

printf "%-34s %8s\n" "layout (200 photos, 2 cores)" "wall s"
t1=$(shards 1 2); printf "%-34s %8s\n" "1 run, --jobs 2" "$t1"; check "$out/1"
t2=$(shards 2 1); printf "%-34s %8s\n" "2 shards at once, --jobs 1 each" "$t2"; check "$out/2"
t4=$(shards 4 1); printf "%-34s %8s\n" "4 shards at once, --jobs 1 each" "$t4"; check "$out/4"

mkdir -p "$out/gnu"
start=$(date +%s.%N)
parallel --sshlogin : -j 4 "$cli" -o "$out/gnu/photos" --jobs 1 --shard {}/4 \
  --report "$out/gnu/report-{}.jsonl" "${options[@]}" ::: 1 2 3 4
end=$(date +%s.%N)
printf "%-34s %8s\n" "GNU parallel, 4 shards, --jobs 1" "$(seconds "$start" "$end")"
check "$out/gnu"
