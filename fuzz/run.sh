#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a given time (default 600 s),
# two at a time, from seeds the test suite writes. Crashes land in fuzz-out/<target>/.
#
#   fuzz/run.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
PRESSMARK_FUZZ=1 scripts/setup.sh

# Seeds: the fixtures the tests build, saved while they run.
seeds=$PWD/build-fuzz-seeds
rm -rf "$seeds" && mkdir -p "$seeds"
cmake -S . -B build >/dev/null && cmake --build build -j2 >/dev/null
(cd build && PRESSMARK_FUZZ_SEEDS="$seeds" QT_QPA_PLATFORM=offscreen ctest -R 'tst_(psd|eps|decoding|png|naming|modern_inputs|tga|bmp|tiff|jpeghuffman)' >/dev/null)
# JPEGs with restart markers, large enough to be decoded in two parts.
for layout in 1x1 2x1 2x2; do
  convert -size 1100x1000 plasma:fractal -quality 40 -sampling-factor $layout "$seeds/plain.jpg"
  jpegtran -restart 1 -outfile "$seeds/restarts-$layout.jpg" "$seeds/plain.jpg"
  cp "$seeds/plain.jpg" "$seeds/restarts-none-$layout.jpg"
done
convert -size 1100x1000 plasma:fractal -colorspace Gray -quality 40 "$seeds/plain.jpg"
jpegtran -restart 5B -outfile "$seeds/restarts-gray.jpg" "$seeds/plain.jpg"
rm "$seeds/plain.jpg"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DPRESSMARK_FUZZ=ON -DPRESSMARK_BUILD_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j2 --target fuzz_psd fuzz_eps_split fuzz_decoder fuzz_file_names \
  fuzz_heif fuzz_jxl fuzz_raw fuzz_jp2 fuzz_tga fuzz_bmp fuzz_ico fuzz_jpeg_parts fuzz_jpeg_huffman >/dev/null

out=$PWD/fuzz-out
# Libraries' own one-time allocations are not leaks of ours.
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0"
# run TARGET SEED-PREFIX...
run() {
  local target=$1 corpus=$out/$1/corpus prefix
  mkdir -p "$corpus" "$out/$target/crashes"
  for prefix in "${@:2}"; do
    cp -n "$seeds"/"$prefix"* "$corpus"/ 2>/dev/null || true
  done
  build-fuzz/fuzz/"$target" "$corpus" -max_total_time="$seconds" -rss_limit_mb=4096 -timeout=30 \
    -artifact_prefix="$out/$target/crashes/" -print_final_stats=1 >"$out/$target/log" 2>&1 || true
  local runs
  runs=$(grep -E '^stat::number_of_executed_units' "$out/$target/log" | awk '{print $2}')
  echo "$target: ${runs:-?} executions, $(ls "$out/$target/crashes" | wc -l) crashes (log: $out/$target/log)"
}
run fuzz_psd psd &
run fuzz_eps_split eps &
wait
run fuzz_decoder "" &
run fuzz_file_names name &
wait
run fuzz_heif heic avif &
run fuzz_jxl jxl &
wait
run fuzz_raw dng &
run fuzz_jp2 jp2 &
wait
run fuzz_tga tga &
run fuzz_bmp bmp &
wait
run fuzz_ico ico &
run fuzz_jpeg_parts restarts &
wait
run fuzz_jpeg_huffman jpeg-huffman restarts &
wait
