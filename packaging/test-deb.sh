#!/usr/bin/env bash
# Installs the .deb into a fresh Debian 12 root with apt resolving its dependencies, runs
# pressmark-cli there, purges the package and checks that none of its files is left behind.
#
#   packaging/test-deb.sh [PACKAGE.deb]     (default: build/pressmark_*.deb)
#
# Needs root (chroot, mounts), mmdebstrap and a reachable Debian mirror. The minimal bookworm
# root is built once and kept as a tarball under $XDG_CACHE_HOME/pressmark-debroot; every run
# unpacks a fresh copy of it, so what one run installed never leaks into the next.
# PRESSMARK_DEBIAN_MIRROR overrides the mirror (default http://deb.debian.org/debian).
# Exits 77 (skipped) with the reason when this machine cannot do it.
set -euo pipefail
cd "$(dirname "$0")/.."

skip() {
    echo "test-deb: SKIPPED: $*" >&2
    exit 77
}
fail() {
    echo "test-deb: FAILED: $*" >&2
    exit 1
}

deb="${1:-}"
if [ -z "$deb" ]; then
    deb=$(ls -t build/pressmark_*.deb 2>/dev/null | head -n1 || true)
fi
[ -n "$deb" ] && [ -f "$deb" ] || fail "no package: build one with (cd build && cpack -G DEB) or name it"
deb=$(realpath "$deb")

[ "$(id -u)" -eq 0 ] || skip "needs root to chroot into the Debian root (run it as root or with sudo)"
command -v mmdebstrap >/dev/null || skip "needs mmdebstrap (package mmdebstrap) to build the Debian root"
command -v unshare >/dev/null || skip "needs unshare (package util-linux)"

mirror="${PRESSMARK_DEBIAN_MIRROR:-http://deb.debian.org/debian}"
security="${PRESSMARK_DEBIAN_SECURITY_MIRROR:-http://deb.debian.org/debian-security}"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/pressmark-debroot"
tarball="$cache/bookworm-apt.tar"
mkdir -p "$cache"
if [ ! -f "$tarball" ]; then
    echo "test-deb: building a minimal bookworm root (once) into $tarball"
    # The updates and security suites too: the package is built against this machine's
    # libraries, which may be newer than bookworm's first release.
    if ! mmdebstrap --variant=apt --mode=root --format=tar bookworm "$tarball.part" \
        "deb $mirror bookworm main" "deb $mirror bookworm-updates main" \
        "deb $security bookworm-security main" >"$cache/mmdebstrap.log" 2>&1; then
        tail -n 20 "$cache/mmdebstrap.log" >&2
        rm -f "$tarball.part"
        skip "mmdebstrap could not build the root (is a Debian mirror reachable? see $cache/mmdebstrap.log)"
    fi
    mv "$tarball.part" "$tarball"
fi

root=$(mktemp -d "${TMPDIR:-/tmp}/pressmark-debroot.XXXXXX")
cleanup() {
    # The mounts live in a private mount namespace and vanish with it; only files remain.
    rm -rf --one-file-system "$root"
}
trap cleanup EXIT
tar -C "$root" -xf "$tarball"
cp "$deb" "$root/tmp/"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# A 16x12 baseline JPEG to convert inside the root, where no image tool is installed.
base64 -d >"$root/tmp/tiny.jpg" <<'EOF'
/9j/4AAQSkZJRgABAQAAAQABAAD/2wBDAAYEBQYFBAYGBQYHBwYIChAKCgkJChQODwwQFxQYGBcUFhYaHSUfGhsjHBYWICwgIyYnKSopGR8tMC0oMCUoKSj/2wBDAQcHBwoIChMKChMoGhYaKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCj/wAARCAAMABADASIAAhEBAxEB/8QAFQABAQAAAAAAAAAAAAAAAAAAAAb/xAAUEAEAAAAAAAAAAAAAAAAAAAAA/8QAFQEBAQAAAAAAAAAAAAAAAAAABgf/xAAUEQEAAAAAAAAAAAAAAAAAAAAA/9oADAMBAAIRAxEAPwCXAUUYf//Z
EOF

cat >"$root/tmp/inside.sh" <<'EOF'
#!/bin/sh
# Runs inside the fresh root.
set -eu
export DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8
deb=$(ls /tmp/pressmark_*.deb)
step() { echo "== $*"; }

step "apt-get update"
apt-get update -q
step "the package's own paths, and which of them this root already has"
dpkg-deb -c "$deb" | awk '{ p = $6; sub(/^\./, "", p); sub(/\/$/, "", p); if (p != "") print p }' >/tmp/paths
while read -r p; do [ -e "$p" ] && echo "$p"; done </tmp/paths >/tmp/present-before
step "apt-get install $deb"
apt-get install -y -q "$deb"
dpkg -L pressmark | grep -vx "/." | sort >/tmp/listed
step "every program's libraries resolve"
for program in /usr/bin/pressmark /usr/bin/pressmark-cli; do
    if ldd "$program" | grep 'not found'; then
        echo "unresolved libraries in $program"
        exit 1
    fi
done
step "pressmark-cli --version"
pressmark-cli --version
step "pressmark-cli on a JPEG"
mkdir -p /tmp/out
pressmark-cli -o /tmp/out /tmp/tiny.jpg
ls -l /tmp/out
[ -n "$(ls /tmp/out)" ] || { echo "pressmark-cli wrote nothing"; exit 1; }
step "man pressmark-cli finds its page"
[ -f /usr/share/man/man1/pressmark-cli.1.gz ]
step "apt-get purge pressmark"
apt-get purge -y -q pressmark
if dpkg-query -W -f='${Status}\n' pressmark 2>/dev/null | grep -q installed; then
    echo "pressmark is still installed"
    exit 1
fi
step "nothing of the package is left"
left=0
while read -r p; do
    # A folder a dependency also uses (still installed) may stay; nothing else may.
    if [ -e "$p" ] && ! grep -qxF "$p" /tmp/present-before && ! dpkg -S "$p" >/dev/null 2>&1; then
        echo "left behind: $p"
        left=1
    fi
done </tmp/listed
exit $left
EOF
chmod +x "$root/tmp/inside.sh"

echo "test-deb: installing $(basename "$deb") into a fresh bookworm root at $root"
# A private mount namespace: /proc, /dev and /sys for apt and the maintainer scripts, gone
# when the namespace ends.
unshare --mount --fork sh -ec '
    root="$1"
    mount --make-rprivate /
    mount -t proc proc "$root/proc"
    mount --rbind /dev "$root/dev"
    mount --rbind /sys "$root/sys"
    chroot "$root" /tmp/inside.sh
' test-deb "$root" || fail "see the output above"
echo "test-deb: PASSED: installed with apt, ran pressmark-cli, purged without leftovers"
