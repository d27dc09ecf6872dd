#!/usr/bin/env bash
# Takes the screenshots under docs/ from the running application on a virtual X server.
#   docs/screenshots.sh [BUILD_DIR]        (needs: PRESSMARK_DOCS=1 scripts/setup.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
app=$build/src/app/pressmark
[ -x "$app" ] || { echo "build pressmark first ($app)"; exit 2; }
for tool in xvfb-run import; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run PRESSMARK_DOCS=1 scripts/setup.sh"; exit 2; }
done
photos=(/usr/share/backgrounds/*.jpg)
[ -e "${photos[0]}" ] || { echo "no photos in /usr/share/backgrounds (package lomiri-wallpapers-20.04)"; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

shoot() { # NAME SETTINGS-FILE-OR-EMPTY FILES...
  local name=$1 settings=$2
  shift 2
  rm -rf "$work/config" && mkdir -p "$work/config/pressmark"
  [ -n "$settings" ] && cp "$settings" "$work/config/pressmark/pressmark.conf"
  XDG_CONFIG_HOME=$work/config xvfb-run -a -s "-screen 0 1100x700x24" bash -c "
    '$app' $(printf '%q ' "$@") &
    sleep 8
    import -window root 'docs/$name.png'
    kill %1" 2>/dev/null
  echo "docs/$name.png"
}

cat > "$work/session.conf" <<'CONF'
[General]
menuBarOpened=3
zqLightTitleAndSize=0
fileCheckBoxSelected=2
titleField=Holiday
checkBoxEnableEditSize=1
radioWidth=1
inputWidth=1600
zqLightLogo=0
zqEnableLogoChkBox=1
zqSliderLogoOpacity=0.8
zqLogoPopUp=0
zqLogoPossitionRadioGroup=1
zqLightWatermark=0
zqEnableWatermarkChkBox=1
zqWatermarkTextField=© Ana Lima 2026
zqSliderWatermarkOpacity=0.75
zqWatermarkPopUp=2
zqWatermarkColorWell=@ByteArray(#ffffffff)
zqFontListPopup=-1
zqFontFamilyName=DejaVu Sans
zqWatermarkPossitionRadioGroup=3
zqLightCopyright=1
zqEnableCopyrightChkBox=0
zqSelectedCopyrightLinesMAtrix=-1
zqSliderCopyrightOpacity=0.25
zqCopyrightColorWell=@ByteArray(#ffffffff)
zqFileFormatPopUp=0
zqJpgQualitySlider=0.85
zqZoomSlider=0.75
CONF

shoot window-empty ""
shoot window-preview "$work/session.conf" "${photos[@]}"
