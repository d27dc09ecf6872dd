#!/usr/bin/env bash
# Retakes the screenshots under docs/ from the running application, on a virtual X server with
# a window manager and a compositing manager (so the window's shadow shows).
#   docs/screenshots.sh [BUILD_DIR]        (needs: PRESSMARK_DOCS=1 PRESSMARK_BENCH=1 scripts/setup.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
tool=$build/tools/pressmark_screenshots
[ -x "$tool" ] || { echo "build the project first ($tool)"; exit 2; }
for program in xvfb-run openbox xcompmgr xprop; do
  command -v "$program" >/dev/null || { echo "missing $program: run PRESSMARK_DOCS=1 scripts/setup.sh"; exit 2; }
done
sources=(/usr/share/backgrounds/*.jpg)
[ -e "${sources[0]}" ] || { echo "no photos in /usr/share/backgrounds: run PRESSMARK_BENCH=1 scripts/setup.sh"; exit 2; }
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
# 19 photos of mixed aspect: each wallpaper cut portrait, square, landscape, wide and 3:4.
photos=()
for source in "${sources[@]}"; do
  for aspect in 2:3 1:1 3:2 16:9 3:4; do
    [ ${#photos[@]} -ge 19 ] && break 2
    name=$(basename "$source" .jpg | cut -d_ -f1)-${aspect/:/x}.jpg
    convert "$source" -gravity center -crop "$aspect" +repage -resize 1600x1600 -quality 88 "$config/$name"
    photos+=("$config/$name")
  done
done
# A home of its own, so the output folder shows as ~/Pictures/… and nothing lands in the real one.
PRESSMARK_SHOTS_HOME=$config XDG_CONFIG_HOME=$config xvfb-run -a -s "-screen 0 1160x760x24" bash -c '
  openbox &
  # The window must map after the manager runs, or the manager takes it half-made.
  for i in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id" && break; sleep 0.1; done
  xcompmgr -c -r 0 -o 0 & sleep 1
  HOME=$PRESSMARK_SHOTS_HOME "$0" docs "${@}"
  kill %1 %2' "$tool" "${photos[@]}"
