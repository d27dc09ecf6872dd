#!/bin/sh
# The window on a virtual X server of its own, its accessibility tree read over AT-SPI on a
# private session bus; skipped (77) where Xvfb, the AT-SPI bus or pyatspi is missing.
# atspi_check.sh PRESSMARK_BINARY CHECK_SCRIPT
app=$1
check=$2
[ -x /usr/bin/python3 ] || { echo "SKIP: /usr/bin/python3 is missing"; exit 77; }
command -v Xvfb >/dev/null || { echo "SKIP: Xvfb (package xvfb) is missing"; exit 77; }
command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session is missing"; exit 77; }
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "SKIP: at-spi-bus-launcher (package at-spi2-core) is missing"; exit 77; }
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
# Xvfb picks a free display number and says it.
Xvfb -displayfd 3 -screen 0 1400x900x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "SKIP: Xvfb did not start"; exit 77; }
export DISPLAY=":$(cat "$work/display")"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work"
chmod 700 "$work"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
dbus-run-session -- sh -c '
  "$0" --launch-immediately >/dev/null 2>&1 &
  launcher=$!
  "$1" >/dev/null 2>&1 &
  window=$!
  /usr/bin/python3 "$2"
  status=$?
  kill $window $launcher 2>/dev/null
  exit $status' "$launcher" "$app" "$check" </dev/null
