#!/usr/bin/env bash
# Times pressmark-cli against vipsthumbnail and ImageMagick on a batch of 20 distinct
# 24-megapixel camera-like JPEGs (a detailed photo with sensor-like noise, 7-10 MB each) with EXIF: a resize to width 1500 at quality 85 with metadata
# kept, then a full-size re-encode. Prints wall times, ratios and peak memory. Then full-size WebP
# and AVIF at quality 85 against vips' webpsave and heifsave (av1, aom at the same speed), with
# the CPU time, the output size and PSNR/SSIM against the source for both, and each encoder
# alone on one core (bench_encode) at 1500 wide and at 24 MP.
#
#   bench/bench_batch.sh [BUILD_DIR]        (default: build)
#
# Needs the benchmark packages: PRESSMARK_BENCH=1 scripts/setup.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cli=$build/src/cli/pressmark-cli
metrics=$build/bench/image_metrics
encoders=$build/bench/bench_encode
for tool in "$cli" "$metrics" "$encoders"; do
  [ -x "$tool" ] || { echo "build the project first ($tool)"; exit 2; }
done
for tool in vipsthumbnail vips mogrify exiftool dwebp avifdec /usr/bin/time; do
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

# Runs a command under /usr/bin/time; prints "seconds cpu_seconds peak_kib".
measure_cpu() {
  local log=$out/time.log
  /usr/bin/time -f "%e %U %S %M" -o "$log" "$@" >/dev/null 2>"$out/err.log" || { cat "$out/err.log"; exit 1; }
  awk '{ printf "%s %.2f %s\n", $1, $2 + $3, $4 }' "$log"
}

# Mean PSNR and SSIM of the first three outputs in a folder against their sources, each decoded
# to PNG by its format's own tool.
quality_of() {
  local dir=$1 ext=$2 sum_p=0 sum_s=0 n=0 f name p s _
  for f in $(ls "$photos"/*.jpg | head -n 3); do
    name=$(basename "$f" .jpg)
    case $ext in
      webp) dwebp -quiet "$dir/$name.webp" -o "$out/decoded.png" ;;
      avif) avifdec "$dir/$name.avif" "$out/decoded.png" >/dev/null ;;
    esac
    read -r p s _ < <("$metrics" compare "$out/decoded.png" "$f")
    sum_p=$(awk -v a="$sum_p" -v b="$p" 'BEGIN { print a + b }')
    sum_s=$(awk -v a="$sum_s" -v b="$s" 'BEGIN { print a + b }')
    n=$((n + 1))
  done
  awk -v p="$sum_p" -v s="$sum_s" -v n="$n" 'BEGIN { printf "%.2f dB SSIM %.4f", p / n, s / n }'
}

megabytes() { du -sm "$1" | cut -f1; }

echo "== full-size WebP and AVIF at quality 85 against two vips processes (same 20 photos; CPU is user + system)"
for fmt in webp avif; do
  rm -rf "$out/pm" "$out/vips" && mkdir -p "$out/pm" "$out/vips"
  read -r pe_t pe_c pe_m < <(measure_cpu "$cli" -o "$out/pm" --format "$fmt" --quality 85 --jobs 2 --quiet "$photos"/*.jpg)
  if [ "$fmt" = webp ]; then
    save="vips copy \"\$f\" \"$out/vips/\$(basename \"\$f\" .jpg).webp[Q=85]\""
  else
    # heifsave's effort 0 is aom's speed 9, as pressmark's; 8 bits and 4:2:0 below Q 90, as pressmark's.
    save="vips heifsave \"\$f\" \"$out/vips/\$(basename \"\$f\" .jpg).avif\" --Q 85 --compression av1 --encoder aom --effort 0 --bitdepth 8"
  fi
  # Two vips processes, each on half the photos, against pressmark's two workers.
  files=("$photos"/*.jpg)
  {
    printf 'for f in'; printf ' "%s"' "${files[@]:0:10}"; printf '; do %s; done &\n' "$save"
    printf 'for f in'; printf ' "%s"' "${files[@]:10}"; printf '; do %s; done &\nwait\n' "$save"
  } > "$out/vips.sh"
  read -r ve_t ve_c ve_m < <(measure_cpu bash "$out/vips.sh")
  printf "%-22s %7ss wall %7ss CPU %6s MiB peak %5s MB out  %s\n" "pressmark-cli $fmt" "$pe_t" "$pe_c" \
    $((pe_m / 1024)) "$(megabytes "$out/pm")" "$(quality_of "$out/pm" "$fmt")"
  printf "%-22s %7ss wall %7ss CPU %6s MiB peak %5s MB out  %s\n" "vips $fmt" "$ve_t" "$ve_c" \
    $((ve_m / 1024)) "$(megabytes "$out/vips")" "$(quality_of "$out/vips" "$fmt")"
  echo "pressmark / vips $fmt: wall $(ratio "$pe_t" "$ve_t"), CPU $(ratio "$pe_c" "$ve_c")"
done

echo "== each encoder alone on one core, quality 85 (bench_encode)"
"$encoders" "$(ls "$photos"/*.jpg | head -n 1)" 1500
