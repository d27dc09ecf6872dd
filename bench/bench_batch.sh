#!/usr/bin/env bash
# Times pressmark-cli against vipsthumbnail and ImageMagick on a batch of 20 distinct
# 24-megapixel camera-like JPEGs (a detailed photo with sensor-like noise, 7-10 MB each) with EXIF: a resize to width 1500 at quality 85 with metadata
# kept, then a full-size re-encode. Prints wall times, ratios and peak memory.
#
#   bench/bench_batch.sh [BUILD_DIR]        (default: build)
#
# Needs the benchmark packages: PRESSMARK_BENCH=1 scripts/setup.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cli=$build/src/cli/pressmark-cli
[ -x "$cli" ] || { echo "build pressmark-cli first ($cli)"; exit 2; }
for tool in vipsthumbnail vips mogrify exiftool /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run PRESSMARK_BENCH=1 scripts/setup.sh"; exit 2; }
done

photos=$build/bench-photos
source=/usr/share/backgrounds/Kleiber_by_Lukas_Baubkus.jpg
[ -f "$source" ] || source=$(ls /usr/share/backgrounds/*.jpg | head -n 1)
if [ "$(ls "$photos"/*.jpg 2>/dev/null | wc -l)" -ne 20 ] || [ ! -f "$photos/.v2" ]; then
  echo "making 20 distinct 6000x4000 photos in $photos ..."
  rm -rf "$photos" && mkdir -p "$photos"
  for i in $(seq -w 1 20); do
    convert "$source" -resize 6000x4000! -roll +$((10#$i * 277))+$((10#$i * 131)) \
      -modulate 100,$((90 + 10#$i)),100 -attenuate 0.4 +noise Gaussian \
      -quality 92 -sampling-factor 2x2 "$photos/IMG_00$i.jpg"
    exiftool -q -overwrite_original -Make=BenchCam -Model="Bench 24" -Orientation#=1 \
      -DateTimeOriginal="2024:06:$i 12:00:00" -ExposureTime=1/250 -FNumber=8 -ISO=100 \
      -XResolution=300 -YResolution=300 -ResolutionUnit=inches "$photos/IMG_00$i.jpg"
  done
  touch "$photos/.v2"
fi

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Runs a command under /usr/bin/time; prints "seconds peak_kib".
measure() {
  local log=$out/time.log
  /usr/bin/time -f "%e %M" -o "$log" "$@" >/dev/null 2>"$out/err.log" || { cat "$out/err.log"; exit 1; }
  cat "$log"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

echo "== resize to width 1500, quality 85, metadata kept (20 x 24 MP)"
mkdir -p "$out/pm" "$out/vips" "$out/im"
read -r pm_t pm_m < <(measure "$cli" -o "$out/pm" --width 1500 --quality 85 --jobs 2 --quiet "$photos"/*.jpg)
read -r vt_t vt_m < <(measure vipsthumbnail --size 1500x -o "$out/vips/%s.jpg[Q=85]" "$photos"/*.jpg)
read -r im_t im_m < <(measure mogrify -path "$out/im" -resize 1500x -quality 85 "$photos"/*.jpg)
printf "%-16s %8ss %8s MiB\n" pressmark-cli "$pm_t" $((pm_m / 1024)) vipsthumbnail "$vt_t" $((vt_m / 1024)) \
  "ImageMagick" "$im_t" $((im_m / 1024))
echo "pressmark / vipsthumbnail: $(ratio "$pm_t" "$vt_t")   (target <= 0.50)"
echo "pressmark / ImageMagick:   $(ratio "$pm_t" "$im_t")   (target <= 0.25)"
echo "pressmark peak memory:     $((pm_m / 1024)) MiB   (target < 150)"

echo "== full-size re-encode at quality 85 (20 x 24 MP)"
rm -rf "$out/pm" "$out/vips" && mkdir -p "$out/pm" "$out/vips"
read -r pf_t pf_m < <(measure "$cli" -o "$out/pm" --quality 85 --jobs 2 --quiet "$photos"/*.jpg)
cat > "$out/vips.sh" <<SH
for f in "$photos"/*.jpg; do vips copy "\$f" "$out/vips/\$(basename "\$f")[Q=85]"; done
SH
read -r vf_t vf_m < <(measure bash "$out/vips.sh")
printf "%-16s %8ss (%s s/image) %8s MiB\n" pressmark-cli "$pf_t" "$(ratio "$pf_t" 20)" $((pf_m / 1024)) \
  "vips copy" "$vf_t" "$(ratio "$vf_t" 20)" $((vf_m / 1024))
echo "pressmark / vips per image: $(ratio "$pf_t" "$vf_t")   (target <= 0.80)"
echo "pressmark peak memory:      $((pf_m / 1024)) MiB   (target < 250)"

echo "== full-size re-encode with all three overlays (same 20 photos)"
rm -rf "$out/pm" && mkdir -p "$out/pm"
convert -size 600x300 xc:none -fill '#ffffffc0' -draw "roundrectangle 0,0 599,299 40,40" \
  -fill '#204080' -pointsize 120 -gravity center -annotate 0 LOGO "$out/logo.png"
read -r po_t po_m < <(measure "$cli" -o "$out/pm" --quality 85 --jobs 2 --quiet --logo "$out/logo.png" \
  --watermark "(c) 2024 Pressmark Bench" --copyright diagonal "$photos"/*.jpg)
printf "%-16s %8ss (%s s/image) %8s MiB\n" "with overlays" "$po_t" "$(ratio "$po_t" 20)" $((po_m / 1024))
echo "overlays / plain re-encode: $(ratio "$po_t" "$pf_t")   (target <= 1.25)"
