#!/usr/bin/env bash
# Times pressmark-cli against its peers in the same run, like with like, on camera-like 24-megapixel
# JPEGs (a detailed photo with sensor-like noise, with EXIF) in each chroma layout cameras write:
# 4:2:0 at quality 92, 4:2:2 at 90 and 4:4:4 at 95. Rows, for each layout:
#   - 20 photos to width 1500, quality 85, metadata kept: Pressmark's default workers against
#     vipsthumbnail and GraphicsMagick (gm mogrify) each run as two processes at once, as
#     Pressmark runs two workers on two cores (and ImageMagick's mogrify on 4:2:0), against
#     one vipsthumbnail process, as people run it, and against the floor: two djpeg at the same
#     shrink on load at once;
#   - the same with one worker (--jobs 1) against VIPS_CONCURRENCY=1 vipsthumbnail, gm with one
#     thread, and the decoder's floor: djpeg at the same shrink on load, summed over the files;
#   - a full-size re-encode at quality 85 against two `vips copy` and two `gm mogrify` at once,
#     and against two djpeg at once: the decoder alone, below the floor (the encoder is not in it;
#     djpeg piped into cjpeg is no floor: its whole picture goes through a pipe);
#   - the full size with logo, watermark and copyright lines against the plain full size (its
#     ratio the median over groups of four runs back to back: plain, overlaid, overlaid, plain).
# Then one 100-megapixel photo to width 1500 against vipsthumbnail, gm and djpeg (and the same
# photo with a restart marker every row of MCUs, as many cameras write them, which Pressmark
# decodes in two halves at once, against vipsthumbnail and djpeg), the peak memory of
# 5,000 small files against 500, PSNR and SSIM of the width-1500 outputs against ImageMagick's
# Lanczos, and full-size WebP and AVIF against vips' savers. Peak memory is GNU time's maximum
# resident set; for two processes at once it is the sum of both peaks.
#
# The table goes to bench/results.md (with the date, the machine, its load and the commit) and a
# chart to docs/bench.png (gnuplot).
#
#   bench/bench_batch.sh [--quick] [--runs N] [BUILD_DIR]     (default: build)
#
# --quick: 4 photos a set, a 40-megapixel large photo, 500 against 50 small files and no WebP or
# AVIF rows, for trying the script; its figures are not for comparing. --runs N keeps the best of
# N runs of each measurement (default 1).
#
# Needs the benchmark packages: PRESSMARK_BENCH=1 scripts/setup.sh
set -euo pipefail
cd "$(dirname "$0")/.."
quick=0 runs=1 build=build
while [ $# -gt 0 ]; do
  case $1 in
    --quick) quick=1 ;;
    --runs) runs=$2; shift ;;
    -h | --help) sed -n '2,33p' "$0"; exit 0 ;;
    *) build=$1 ;;
  esac
  shift
done
cli=$build/src/cli/pressmark-cli
metrics=$build/bench/image_metrics
encoders=$build/bench/bench_encode
for tool in "$cli" "$metrics" "$encoders"; do
  [ -x "$tool" ] || { echo "build the project first ($tool)"; exit 2; }
done
for tool in vipsthumbnail vips gm mogrify convert cjpeg djpeg exiftool dwebp avifdec gnuplot /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run PRESSMARK_BENCH=1 scripts/setup.sh"; exit 2; }
done

count=20 many=5000 few=500 large=(12248 8166)
[ "$quick" = 1 ] && { count=4 many=500 few=50 large=(8000 5000); }  # even sides: the large photo is made in quarters
width=1500

# The photos: each of the 20 made once from a wallpaper (moved, recoloured, noise added) and
# written in the three layouts; kept between runs under the build folder.
photos=$(realpath -m "$build/bench-photos-v3")
source=/usr/share/backgrounds/Kleiber_by_Lukas_Baubkus.jpg
[ -f "$source" ] || source=$(ls /usr/share/backgrounds/*.jpg | head -n 1)
layouts=(420 422 444)
declare -A layout_name=([420]="4:2:0 q92" [422]="4:2:2 q90" [444]="4:4:4 q95")
mkdir -p "${layouts[@]/#/$photos/}" "$photos/large"
made=0
for n in $(seq 1 "$count"); do
  i=$(printf %02d "$n") name=IMG_00$(printf %02d "$n").jpg
  [ -f "$photos/420/$name" ] && [ -f "$photos/422/$name" ] && [ -f "$photos/444/$name" ] && continue
  [ $made = 1 ] || echo "making 24-megapixel photos in $photos ..."
  made=1
  convert "$source" -resize 6000x4000! -roll +$((10#$i * 277))+$((10#$i * 131)) \
    -modulate 100,$((90 + 10#$i)),100 -attenuate 0.4 +noise Gaussian \
    \( +clone -sampling-factor 2x2 -quality 92 -write "$photos/420/$name" +delete \) \
    \( +clone -sampling-factor 2x1 -quality 90 -write "$photos/422/$name" +delete \) \
    -sampling-factor 1x1 -quality 95 "$photos/444/$name"
  exiftool -q -overwrite_original -Make=BenchCam -Model="Bench 24" -Orientation#=1 \
    -DateTimeOriginal="2024:06:$i 12:00:00" -ExposureTime=1/250 -FNumber=8 -ISO=100 \
    -XResolution=300 -YResolution=300 -ResolutionUnit=inches "$photos"/4*/"$name"
done
large_photo=$photos/large/LARGE_${large[0]}x${large[1]}.jpg
if [ ! -f "$large_photo" ]; then
  echo "making a $((large[0] * large[1] / 1000000))-megapixel photo ..."
  # In four quarters (ImageMagick's policy caps the pixels of one picture), joined by vips and
  # written by cjpeg.
  quarters=()
  for q in 1 2 3 4; do
    convert "$source" -resize "$((large[0] / 2))x$((large[1] / 2))!" -roll +$((q * 397))+$((q * 211)) \
      -attenuate 0.4 +noise Gaussian "$photos/large/quarter$q.ppm"
    quarters+=("$photos/large/quarter$q.ppm")
  done
  vips arrayjoin "${quarters[*]}" "$photos/large/whole.ppm" --across 2
  cjpeg -sample 2x1 -quality 90 -outfile "$large_photo" "$photos/large/whole.ppm"
  rm -f "${quarters[@]}" "$photos/large/whole.ppm"
  exiftool -q -overwrite_original -Make=BenchCam -Model="Bench 100" -Orientation#=1 "$large_photo"
fi
large_restarts=$photos/large/RESTARTS_${large[0]}x${large[1]}.jpg
[ -f "$large_restarts" ] || jpegtran -restart 1 -copy all -outfile "$large_restarts" "$large_photo"
set_of() { ls "$photos/$1"/IMG_00*.jpg | head -n "$count"; }

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
table=$out/table.md quality=$out/quality.md chart=$out/chart.dat
: >"$table"; : >"$quality"; : >"$chart"

# Runs a command `runs` times, the folder DIR emptied before each; prints the best
# "seconds peak_kib". A command that leaves $out/peak (two processes at once) gives its peak.
measure() {
  local dir=$1 best="" peak="" t m
  shift
  for _ in $(seq "$runs"); do
    rm -rf "$dir" "$out/peak" && mkdir -p "$dir"
    /usr/bin/time -f "%e %M" -o "$out/time" "$@" >/dev/null 2>"$out/err" || { cat "$out/err"; exit 1; }
    read -r t m <"$out/time"
    [ -f "$out/peak" ] && m=$(cat "$out/peak")
    if [ -z "$best" ] || awk -v a="$t" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$t peak=$m; fi
  done
  echo "$best $peak"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
mib() { echo $(($1 / 1024)); }

# A table row: run, layout, Pressmark's seconds and peak, the peer, its seconds and peak, and
# optionally the ratio to show (else the ratio of the times).
row() {
  local ratio_text
  ratio_text=${8:-$(ratio "$3" "$6")}
  printf '| %s | %s | %s s | %s MiB | %s | %s s | %s MiB | %s |\n' "$1" "$2" "$3" "$(mib "$4")" "$5" "$6" \
    "$(mib "$7")" "$ratio_text" >>"$table"
  printf '%-44s %-10s pressmark %7ss %5s MiB | %-30s %7ss %5s MiB | ratio %s\n' "$1" "$2" "$3" "$(mib "$4")" \
    "$5" "$6" "$(mib "$7")" "$ratio_text"
}

# The peers as commands taking an output folder and the inputs.
cat >"$out/vips-thumbnail.sh" <<'SH'
#!/usr/bin/env bash
dir=$1 width=$2; shift 2
exec vipsthumbnail --size "${width}x" -o "$dir/%s.jpg[Q=85]" "$@"
SH
cat >"$out/vips-copy.sh" <<'SH'
#!/usr/bin/env bash
dir=$1; shift
for f; do vips copy "$f" "$dir/$(basename "$f")[Q=85]"; done
SH
# GraphicsMagick told the size it will reduce to, so it shrinks on load as the others do. It
# writes to the output folder joined with the input's path as given, so it is given bare names.
cat >"$out/gm-thumbnail.sh" <<'SH'
#!/usr/bin/env bash
dir=$1 width=$2 hint=$3; shift 3
cd "$(dirname "$1")" && exec gm mogrify -output-directory "$dir" -size "$hint" -resize "${width}x" -quality 85 "${@##*/}"
SH
cat >"$out/gm-full.sh" <<'SH'
#!/usr/bin/env bash
dir=$1; shift
cd "$(dirname "$1")" && exec gm mogrify -output-directory "$dir" -quality 85 "${@##*/}"
SH
cat >"$out/djpeg.sh" <<'SH'
#!/usr/bin/env bash
scale=$1; shift
for f; do djpeg -scale "$scale" -outfile /dev/null "$f"; done
SH
# Two processes at once, each on half the inputs: two.sh PEER DIR [ARGS...] -- FILES...; the
# sum of their peaks goes to $out/peak.
cat >"$out/two.sh" <<SH
#!/usr/bin/env bash
peer=\$1; shift
args=()
while [ "\$1" != -- ]; do args+=("\$1"); shift; done
shift
files=("\$@") half=\$(((\$# + 1) / 2))
/usr/bin/time -f %M -o "$out/peak.1" "\$peer" "\${args[@]}" "\${files[@]:0:half}" &
first=\$!
/usr/bin/time -f %M -o "$out/peak.2" "\$peer" "\${args[@]}" "\${files[@]:half}" &
second=\$!
wait \$first && wait \$second || exit 1
echo \$((\$(tail -n 1 "$out/peak.1") + \$(tail -n 1 "$out/peak.2"))) >"$out/peak"
SH
chmod +x "$out"/*.sh

# The decoder's shrink on load that leaves the resampler a factor of 2 or more, as Pressmark's.
shrink_for() {
  local w=$1 d=1
  while [ $d -lt 8 ] && [ $((w / (d * 2))) -ge $((2 * width)) ]; do d=$((d * 2)); done
  echo "$d"
}

convert -size 600x300 xc:none -fill '#ffffffc0' -draw "roundrectangle 0,0 599,299 40,40" \
  -fill '#204080' -pointsize 120 -gravity center -annotate 0 LOGO "$out/logo.png"
overlays=(--logo "$out/logo.png" --watermark "(c) 2024 Pressmark Bench" --copyright diagonal)
d=$(shrink_for 6000)
hint=$((6000 / d))x$((4000 / d))

echo "load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
for layout in "${layouts[@]}"; do
  mapfile -t files < <(set_of "$layout")
  label=${layout_name[$layout]}
  echo "== $label: ${#files[@]} x 24 MP"

  # Width 1500, default workers against two peer processes at once.
  read -r p_t p_m < <(measure "$out/pm" "$cli" -o "$out/pm" --width $width --quality 85 --quiet "${files[@]}")
  read -r v_t v_m < <(measure "$out/vips" "$out/two.sh" "$out/vips-thumbnail.sh" "$out/vips" $width -- "${files[@]}")
  read -r g_t g_m < <(measure "$out/gm" "$out/two.sh" "$out/gm-thumbnail.sh" "$out/gm" $width "$hint" -- "${files[@]}")
  row "width $width, default workers" "$label" "$p_t" "$p_m" "2 x vipsthumbnail" "$v_t" "$v_m"
  row "width $width, default workers" "$label" "$p_t" "$p_m" "2 x gm mogrify" "$g_t" "$g_m"
  # One vipsthumbnail process with its own threads, as people run it (not like with like: it
  # decodes one file at a time).
  read -r vo_t vo_m < <(measure "$out/vips" "$out/vips-thumbnail.sh" "$out/vips" $width "${files[@]}")
  row "width $width, default workers" "$label" "$p_t" "$p_m" "vipsthumbnail, one process" "$vo_t" "$vo_m"
  read -r f2_t f2_m < <(measure "$out/none" "$out/two.sh" "$out/djpeg.sh" "1/$d" -- "${files[@]}")
  row "width $width, default workers" "$label" "$p_t" "$p_m" "2 x djpeg -scale 1/$d (the floor)" "$f2_t" "$f2_m"
  echo "\"$width wide $label\" $p_t $v_t $g_t" >>"$chart"
  if [ "$layout" = 420 ]; then
    read -r i_t i_m < <(measure "$out/im" mogrify -path "$out/im" -resize ${width}x -quality 85 "${files[@]}")
    row "width $width, default workers" "$label" "$p_t" "$p_m" "ImageMagick mogrify" "$i_t" "$i_m"
  fi
  # PSNR and SSIM of the first photo's outputs against ImageMagick's Lanczos at 16 bits.
  first=$(basename "${files[0]}" .jpg)
  convert "${files[0]}" -filter Lanczos -resize ${width}x -depth 16 "$out/reference.png"
  for tool in "pressmark-cli:$out/pm/$first.jpg" "vipsthumbnail:$out/vips/$first.jpg" \
    "gm mogrify:$out/gm/$first.jpg"; do
    read -r q_p q_s _ < <("$metrics" compare "${tool#*:}" "$out/reference.png")
    echo "| $label | ${tool%%:*} | $q_p dB | $q_s |" >>"$quality"
  done

  # One worker against one-thread peers and the decoder alone.
  read -r p1_t p1_m < <(measure "$out/pm" "$cli" -o "$out/pm" --width $width --quality 85 --jobs 1 --quiet "${files[@]}")
  read -r v1_t v1_m < <(measure "$out/vips" env VIPS_CONCURRENCY=1 "$out/vips-thumbnail.sh" "$out/vips" $width "${files[@]}")
  read -r g1_t g1_m < <(measure "$out/gm" env OMP_NUM_THREADS=1 "$out/gm-thumbnail.sh" "$out/gm" $width "$hint" "${files[@]}")
  read -r f_t f_m < <(measure "$out/none" "$out/djpeg.sh" "1/$d" "${files[@]}")
  row "width $width, one worker" "$label" "$p1_t" "$p1_m" "VIPS_CONCURRENCY=1 vipsthumbnail" "$v1_t" "$v1_m"
  row "width $width, one worker" "$label" "$p1_t" "$p1_m" "gm mogrify, one thread" "$g1_t" "$g1_m"
  row "width $width, one worker" "$label" "$p1_t" "$p1_m" "djpeg -scale 1/$d (the floor)" "$f_t" "$f_m"
  echo "\"$width wide, 1 worker $label\" $p1_t $v1_t $g1_t" >>"$chart"

  # Full size, default workers against two peer processes at once; then with the overlays.
  read -r pf_t pf_m < <(measure "$out/pm" "$cli" -o "$out/pm" --quality 85 --quiet "${files[@]}")
  read -r vf_t vf_m < <(measure "$out/vips" "$out/two.sh" "$out/vips-copy.sh" "$out/vips" -- "${files[@]}")
  read -r gf_t gf_m < <(measure "$out/gm" "$out/two.sh" "$out/gm-full.sh" "$out/gm" -- "${files[@]}")
  row "full size" "$label" "$pf_t" "$pf_m" "2 x vips copy" "$vf_t" "$vf_m"
  row "full size" "$label" "$pf_t" "$pf_m" "2 x gm mogrify" "$gf_t" "$gf_m"
  read -r ff_t ff_m < <(measure "$out/none" "$out/two.sh" "$out/djpeg.sh" 1/1 -- "${files[@]}")
  row "full size" "$label" "$pf_t" "$pf_m" "2 x djpeg (the decoder alone)" "$ff_t" "$ff_m"
  echo "\"full size $label\" $pf_t $vf_t $gf_t" >>"$chart"
  read -r po_t po_m < <(measure "$out/pm" "$cli" -o "$out/pm" --quality 85 --quiet "${overlays[@]}" "${files[@]}")
  # The two best times come from different moments of a shared machine; the ratio shown is the
  # median over groups of four runs back to back, plain, with the overlays, with the overlays,
  # plain, which see the same moment. The second of two runs back to back is often the slower
  # (0.97 for the same command run twice, with more system time, flushed or not): in this order
  # each command runs first once and second once, and a steady drift cancels out.
  groups=5 grouped=()
  plain() { runs=1 measure "$out/pm" "$cli" -o "$out/pm" --quality 85 --quiet "${files[@]}"; }
  stamped() { runs=1 measure "$out/pm" "$cli" -o "$out/pm" --quality 85 --quiet "${overlays[@]}" "${files[@]}"; }
  for _ in $(seq "$groups"); do
    read -r a1 _ < <(plain)
    read -r b1 _ < <(stamped)
    read -r b2 _ < <(stamped)
    read -r a2 _ < <(plain)
    grouped+=("$(awk -v a="$a1" -v b="$b1" -v c="$b2" -v d="$a2" 'BEGIN { printf "%.3f", (b + c) / (a + d) }')")
  done
  median=$(printf '%s\n' "${grouped[@]}" | sort -n | awk '{ v[NR] = $1 } END { printf "%.2f", v[int((NR + 1) / 2)] }')
  row "full size with logo, watermark, lines" "$label" "$po_t" "$po_m" "Pressmark, plain full size" "$pf_t" "$pf_m" \
    "$median (median of $groups groups of four runs; best times $(ratio "$po_t" "$pf_t"))"
done

echo "== one $((large[0] * large[1] / 1000000))-megapixel photo to width $width"
dl=$(shrink_for "${large[0]}")
read -r pl_t pl_m < <(measure "$out/pm" "$cli" -o "$out/pm" --width $width --quality 85 --quiet "$large_photo")
read -r vl_t vl_m < <(measure "$out/vips" "$out/vips-thumbnail.sh" "$out/vips" $width "$large_photo")
read -r gl_t gl_m < <(measure "$out/gm" "$out/gm-thumbnail.sh" "$out/gm" $width \
  "$((large[0] / dl))x$((large[1] / dl))" "$large_photo")
large_label="$((large[0] * large[1] / 1000000)) MP, 4:2:2 q90"
row "one photo to width $width" "$large_label" "$pl_t" "$pl_m" "vipsthumbnail" "$vl_t" "$vl_m"
row "one photo to width $width" "$large_label" "$pl_t" "$pl_m" "gm mogrify" "$gl_t" "$gl_m"
read -r fl_t fl_m < <(measure "$out/none" "$out/djpeg.sh" "1/$dl" "$large_photo")
row "one photo to width $width" "$large_label" "$pl_t" "$pl_m" "djpeg -scale 1/$dl (the floor)" "$fl_t" "$fl_m"
echo "\"$((large[0] * large[1] / 1000000)) MP to $width wide\" $pl_t $vl_t $gl_t" >>"$chart"
read -r pr_t pr_m < <(measure "$out/pm" "$cli" -o "$out/pm" --width $width --quality 85 --quiet "$large_restarts")
read -r vr_t vr_m < <(measure "$out/vips" "$out/vips-thumbnail.sh" "$out/vips" $width "$large_restarts")
read -r fr_t fr_m < <(measure "$out/none" "$out/djpeg.sh" "1/$dl" "$large_restarts")
restarts_label="$large_label, restart markers"
row "one photo to width $width" "$restarts_label" "$pr_t" "$pr_m" "vipsthumbnail" "$vr_t" "$vr_m"
row "one photo to width $width" "$restarts_label" "$pr_t" "$pr_m" "djpeg -scale 1/$dl (the floor)" "$fr_t" "$fr_m"

echo "== memory against the number of inputs: $many small files against $few"
small=$out/small
mkdir -p "$small/many"
convert "$source" -resize 320x240! -quality 90 "$out/small.jpg"
for i in $(seq 1 "$many"); do cp "$out/small.jpg" "$small/many/s$i.jpg"; done
# (not ls | head: under pipefail, ls killed by the closed pipe would end the script)
mkdir -p "$small/few" && for i in $(seq 1 "$few"); do ln "$small/many/s$i.jpg" "$small/few/s$i.jpg"; done
read -r sm_t sm_m < <(measure "$out/pm" "$cli" -o "$out/pm" --width 160 --quality 85 --quiet "$small/many")
read -r sf_t sf_m < <(measure "$out/pm" "$cli" -o "$out/pm" --width 160 --quality 85 --quiet "$small/few")
row "peak memory, $many against $few small files" "320x240" "$sm_t" "$sm_m" "Pressmark, $few files" "$sf_t" "$sf_m" \
  "$(ratio "$sm_m" "$sf_m") (memory)"

webp_avif=$out/webp-avif.md
: >"$webp_avif"
if [ "$quick" = 0 ]; then
  # Mean PSNR and SSIM of the first three outputs in a folder against their sources, each
  # decoded to PNG by its format's own tool.
  quality_of() {
    local dir=$1 ext=$2 sum_p=0 sum_s=0 n=0 f name p s _
    for f in $(set_of 420 | head -n 3); do
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
    awk -v p="$sum_p" -v s="$sum_s" -v n="$n" 'BEGIN { printf "%.2f dB, SSIM %.4f", p / n, s / n }'
  }
  megabytes() { du -sm "$1" | cut -f1; }
  echo "== full-size WebP and AVIF at quality 85 against two vips processes (4:2:0)"
  mapfile -t files < <(set_of 420)
  cat >"$out/vips-webp.sh" <<'SH'
#!/usr/bin/env bash
dir=$1; shift
for f; do vips copy "$f" "$dir/$(basename "$f" .jpg).webp[Q=85]"; done
SH
  # heifsave's effort 0 is aom's speed 9, as Pressmark's; 8 bits and 4:2:0 below Q 90, as Pressmark's.
  cat >"$out/vips-avif.sh" <<'SH'
#!/usr/bin/env bash
dir=$1; shift
for f; do
  vips heifsave "$f" "$dir/$(basename "$f" .jpg).avif" --Q 85 --compression av1 --encoder aom --effort 0 --bitdepth 8
done
SH
  chmod +x "$out"/vips-*.sh
  for fmt in webp avif; do
    read -r pe_t pe_m < <(measure "$out/pm" "$cli" -o "$out/pm" --format "$fmt" --quality 85 --quiet "${files[@]}")
    pe_q="$(megabytes "$out/pm") MB, $(quality_of "$out/pm" "$fmt")"
    read -r ve_t ve_m < <(measure "$out/vips" "$out/two.sh" "$out/vips-$fmt.sh" "$out/vips" -- "${files[@]}")
    ve_q="$(megabytes "$out/vips") MB, $(quality_of "$out/vips" "$fmt")"
    row "full size to $fmt" "4:2:0 q92" "$pe_t" "$pe_m" "2 x vips $fmt" "$ve_t" "$ve_m"
    echo "| $fmt | $pe_q | $ve_q |" >>"$webp_avif"
  done
  echo "== each encoder alone on one core, quality 85 (bench_encode)"
  "$encoders" "$(set_of 420 | head -n 1)" $width
fi

# The record: bench/results.md and docs/bench.png.
commit=$(git rev-parse --short HEAD 2>/dev/null || echo unknown)
git diff --quiet HEAD 2>/dev/null || commit="$commit (with uncommitted changes)"
cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')
{
  echo "# Batch benchmark"
  echo
  echo "Written by \`bench/bench_batch.sh$([ "$quick" = 1 ] && echo " --quick")\`$([ "$runs" -gt 1 ] && echo ", best of $runs runs"):"
  echo "$(date -u '+%Y-%m-%d %H:%M UTC'), commit $commit, $cpu, $(nproc) cores, $(free -g | awk '/^Mem:/ { print $2 }') GB,"
  echo "load average $(cut -d' ' -f1-3 /proc/loadavg) at the end. Peers ran in the same sitting; a ratio under 1 means"
  echo "Pressmark took less time. Peak memory is the largest resident set, summed over two processes run at once."
  [ "$quick" = 1 ] && echo "A quick run: $count photos a set; not for comparing."
  echo
  echo "| run | sources | Pressmark | peak | peer | peer's time | peer's peak | ratio |"
  echo "|---|---|---|---|---|---|---|---|"
  cat "$table"
  echo
  echo "Width $width: PSNR and SSIM of the first photo's output against ImageMagick's Lanczos (16 bits)."
  echo
  echo "| sources | program | PSNR | SSIM |"
  echo "|---|---|---|---|"
  cat "$quality"
  if [ -s "$webp_avif" ]; then
    echo
    echo "Full-size WebP and AVIF: output size, mean PSNR and SSIM of three outputs against their sources."
    echo
    echo "| format | Pressmark | vips |"
    echo "|---|---|---|"
    cat "$webp_avif"
  fi
  echo
  echo "![Seconds for each run](../docs/bench.png)"
} >bench/results.md
gnuplot <<GP
set terminal pngcairo size 1000,520 font "DejaVu Sans,10" noenhanced
set output "docs/bench.png"
set title "Seconds, lower is better ($count x 24 MP unless named; peers as two processes at once where Pressmark runs two workers)"
set rmargin 10
set bmargin 7
set style data histograms
set style histogram clustered gap 1
set style fill solid 0.85 border -1
set boxwidth 0.9
set ylabel "seconds"
set yrange [0:*]
set grid ytics
set xtics rotate by -30 scale 0
set key top left
plot "$chart" using 2:xtic(1) title "Pressmark" lc rgb "#2a6f97", \
     "" using 3 title "vips" lc rgb "#c9a227", \
     "" using 4 title "GraphicsMagick" lc rgb "#8c8c8c"
GP
echo "wrote bench/results.md and docs/bench.png"
