#!/usr/bin/env bash
# Resampling quality against an independent reference, Pressmark and vipsthumbnail side by side.
# The reference is ImageMagick's Lanczos on the full-size, upright source
# (convert SRC -auto-orient -filter Lanczos -resize Wx), kept at 16 bits: ImageMagick 6 truncates
# when it writes 8 bits, half a level low on average (measured on a ramp reduced 4096 -> 300:
# -0.50 levels at 8 bits, +0.01 at 16; Pressmark +0.00, vips -0.07), which would reward the
# resampler that rounds down most. Outputs are PNG, so no encoder's loss hides the resampler's. For each source and width: PSNR (dB), SSIM and sharpness (the mean
# gradient over the reference's, on the reference's edges: in flat areas ImageMagick's own
# rounding noise, about 52 dB from an exact Lanczos, would count as detail) of each, and whether
# Pressmark meets the targets: PSNR at least vips' minus 0.2 dB, sharpness at least 0.95, the
# zone plate at least 31 dB.
#
#   bench/bench_quality.sh [BUILD_DIR]        (default: build)
#
# Needs the benchmark packages: PRESSMARK_BENCH=1 scripts/setup.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cli=$build/src/cli/pressmark-cli
metrics=$build/bench/image_metrics
for tool in "$cli" "$metrics"; do
  [ -x "$tool" ] || { echo "build the project first ($tool)"; exit 2; }
done
for tool in vipsthumbnail convert exiftool; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run PRESSMARK_BENCH=1 scripts/setup.sh"; exit 2; }
done

work=$(realpath -m "$build/bench-quality")
rm -rf "$work" && mkdir -p "$work/src"
# The sources: the wallpaper photos, one of them as a PNG, one tagged as a portrait (6), and a
# zone plate whose rings reach the Nyquist frequency at its corners.
sources=()
for photo in /usr/share/backgrounds/*.jpg; do
  name=$(basename "$photo" .jpg); name=${name%%_*}
  cp "$photo" "$work/src/$name.jpg"; sources+=("$work/src/$name.jpg")
done
[ ${#sources[@]} -gt 0 ] || { echo "no photos in /usr/share/backgrounds: run PRESSMARK_BENCH=1 scripts/setup.sh"; exit 2; }
convert "${sources[0]}" -resize 3000x "$work/src/photo-png.png"; sources+=("$work/src/photo-png.png")
cp "${sources[1]}" "$work/src/portrait.jpg"
exiftool -q -overwrite_original -n -Orientation=6 "$work/src/portrait.jpg"; sources+=("$work/src/portrait.jpg")
"$metrics" zoneplate 3000 "$work/src/zoneplate.png"; sources+=("$work/src/zoneplate.png")

printf '%-14s %5s | %-24s | %-24s | %s\n' "source" "width" "pressmark PSNR SSIM sharp" "vips PSNR SSIM sharp" "verdict"
failures=0
for src in "${sources[@]}"; do
  name=$(basename "$src"); name=${name%.*}
  for width in 1500 1024 300; do
    dir=$work/$name-$width && mkdir -p "$dir"
    convert "$src" -auto-orient -filter Lanczos -resize "${width}x" -depth 16 "$dir/reference.png"
    "$cli" --quiet --format png --width "$width" -o "$dir/pressmark" "$src"
    vipsthumbnail "$src" -s "${width}x" -o "$dir/vips.png"
    read -r p_psnr p_ssim p_sharp < <("$metrics" compare "$dir/pressmark/$name.png" "$dir/reference.png")
    read -r v_psnr v_ssim v_sharp < <("$metrics" compare "$dir/vips.png" "$dir/reference.png" || echo "- - -")
    verdict=ok
    if [ "$v_psnr" != "-" ] && awk -v p="$p_psnr" -v v="$v_psnr" 'BEGIN { exit !(p < v - 0.2) }'; then
      verdict="PSNR below vips - 0.2"
    fi
    if awk -v s="$p_sharp" 'BEGIN { exit !(s < 0.95) }'; then verdict="sharpness below 0.95"; fi
    if [ "$name" = zoneplate ] && awk -v p="$p_psnr" 'BEGIN { exit !(p < 31) }'; then verdict="zone plate below 31 dB"; fi
    [ "$verdict" = ok ] || failures=$((failures + 1))
    printf '%-14s %5s | %7s %7s %7s | %7s %7s %7s | %s\n' "$name" "$width" \
      "$p_psnr" "$p_ssim" "$p_sharp" "$v_psnr" "$v_ssim" "$v_sharp" "$verdict"
  done
done
echo "cases missing a target: $failures"
