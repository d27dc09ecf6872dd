#!/usr/bin/env bash
# Installs every Debian 12 package Pressmark needs to build, test and benchmark.
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail

packages=(
  # build
  build-essential cmake pkg-config
  # core: Qt 6 with its image plugins, metadata, colour, codecs
  qt6-base-dev qt6-image-formats-plugins qt6-svg-dev libxcb1-dev libxcb-shape0-dev
  libexiv2-dev liblcms2-dev libjpeg62-turbo-dev libpng-dev libtiff-dev
  libgif-dev libimagequant-dev libopenjp2-7-dev
  # HEIF/AVIF input (libheif with libde265, dav1d and aom), camera RAW (LibRaw); WebP, AVIF and
  # JPEG XL output (libwebp with libwebpmux, libavif with aom), JPEG XL both ways (libjxl; Brotli
  # unpacks the metadata boxes libjxl packs)
  libheif-dev libraw-dev libwebp-dev libavif-dev libjxl-dev libbrotli-dev
  # fonts for text rendering and EPS rendering (later inputs); fontconfig's fc-list, which the
  # shells' completion of --font runs
  fonts-dejavu-core ghostscript fontconfig
  # independent readers the tests use to check written files
  exiv2 imagemagick libimage-exiftool-perl libjpeg-turbo-progs
  # the WebP, AVIF and JPEG XL tools (dwebp, avifdec, djxl and their encoders)
  webp libavif-bin libjxl-tools
  # a run's peak memory is measured with GNU time
  time
  # icon files with JPEG 2000 entries are built with these
  icnsutils libopenjp2-tools
  # HEIC, AVIF and JPEG XL test files are written with these
  libheif-examples libavif-bin libjxl-tools
  # TIFF fixtures (planar, tiled, 12-bit, JPEG-compressed) are built with libtiff's own tools
  libtiff-tools
  # output folders on FAT and FUSE file systems (the tests skip them where FUSE is unavailable)
  fuse3 fusefat bindfs dosfstools
  # a private session bus for the desktop tests (file manager, notifications)
  dbus-daemon
  # the manual page is checked with groff, the desktop entry with desktop-file-validate
  groff-base desktop-file-utils
  # the .deb: CPack resolves its library dependencies with dpkg-shlibdeps; the Flatpak manifest
  # is read by flatpak-builder and PyYAML
  dpkg-dev flatpak-builder python3-yaml
  # translations: lupdate/lrelease and CMake's LinguistTools, Qt's own translations of its dialogs
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  # the accessibility test reads the window's AT-SPI tree on a virtual X server
  xvfb at-spi2-core python3-pyatspi
  # the installed desktop files: the PNG icons are drawn from the SVG by rsvg-convert, the
  # AppStream metainfo is checked by appstreamcli, the zsh and fish completions are parsed by
  # their shells
  librsvg2-bin appstream zsh fish
  # the help documents are checked for well-formed HTML by xmllint
  libxml2-utils
)

if [ "${PRESSMARK_BENCH:-0}" = 1 ]; then
  # benchmark peers and real camera photographs
  packages+=(libvips-tools lomiri-wallpapers-20.04)
  # bench_batch.sh: GraphicsMagick as a third peer, gnuplot drawing docs/bench.png
  packages+=(graphicsmagick gnuplot-nox)
  # docs/scale-out.md's recipes, tried here: GNU parallel running shards, jq merging their
  # reports, and the Kubernetes manifest's schema check (PyYAML, jsonschema)
  packages+=(parallel jq python3-yaml python3-jsonschema)
fi

if [ "${PRESSMARK_DOCS:-0}" = 1 ]; then
  # a virtual X server for the screenshots under docs/ (ImageMagick grabs them), and a window
  # manager and xdotool for trying the window by hand on it; xprop tells when the manager runs
  packages+=(xvfb xcompmgr openbox xdotool x11-utils)
fi

if [ "${PRESSMARK_FUZZ:-0}" = 1 ]; then
  # libFuzzer and the sanitizers' runtimes
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get -o DPkg::Lock::Timeout=600 update
$SUDO apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends "${missing[@]}"
