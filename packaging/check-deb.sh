#!/usr/bin/env bash
# Builds the .deb with CPack in a build folder whose programs are built, and checks what it
# holds: the control fields, the dependencies, and the files `cmake --install` installs.
#
#   packaging/check-deb.sh [BUILD_DIR]     (default: build)
#
# Needs dpkg-deb and dpkg-shlibdeps (package dpkg-dev). Prints the package's path last.
set -euo pipefail
build="$(realpath "${1:-build}")"
cd "$build"

fail() {
    echo "check-deb: FAILED: $*" >&2
    exit 1
}
command -v dpkg-shlibdeps >/dev/null || fail "needs dpkg-shlibdeps (package dpkg-dev)"

version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' CPackConfig.cmake)
[ -n "$version" ] || fail "no CPackConfig.cmake in $build (configure the project first)"
rm -f pressmark_*.deb
if ! cpack -G DEB >cpack.log 2>&1; then
    cat cpack.log >&2
    fail "cpack -G DEB"
fi
deb=$(ls pressmark_*.deb)

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = pressmark ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Section)" = graphics ] || fail "Section is '$(field Section)'"
for f in Maintainer Homepage Description Architecture; do
    [ -n "$(field $f)" ] || fail "no $f field"
done
# From dpkg-shlibdeps (a few libraries each program links), and what it cannot see.
depends=$(field Depends)
for d in libqt6core6 libqt6widgets6 libexiv2 libheif1 libraw libjxl libavif libimagequant \
    libqt6svg6 qt6-image-formats-plugins; do
    grep -q "$d" <<<"$depends" || fail "Depends lacks $d: $depends"
done
grep -q ghostscript <<<"$(field Recommends)" || fail "Recommends lacks ghostscript"

paths=$(dpkg-deb -c "$deb" | awk '{ p = $6; sub(/^\./, "", p); print p }')
for p in /usr/bin/pressmark /usr/bin/pressmark-cli \
    /usr/share/applications/io.github.pressmark.Pressmark.desktop \
    /usr/share/dbus-1/services/io.github.pressmark.Pressmark.service \
    /usr/share/icons/hicolor/scalable/apps/io.github.pressmark.Pressmark.svg \
    /usr/share/man/man1/pressmark-cli.1.gz \
    /usr/share/doc/pressmark/help.html /usr/share/doc/pressmark/help_de.html \
    /usr/share/doc/pressmark/help_fr.html /usr/share/doc/pressmark/copyright \
    /usr/share/doc/pressmark/changelog.gz; do
    grep -qxF "$p" <<<"$paths" || fail "the package lacks $p"
done
outside=$(grep -v '^/$' <<<"$paths" | grep -v '^/usr/' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"

# The session bus starts the packaged program, wherever the build was configured to install.
service=$(dpkg-deb --fsys-tarfile "$deb" |
    tar -xO ./usr/share/dbus-1/services/io.github.pressmark.Pressmark.service)
grep -qx 'Exec=/usr/bin/pressmark --service' <<<"$service" || fail "service file: $service"

echo "check-deb: $(dpkg-deb -f "$deb" Package) $(dpkg-deb -f "$deb" Version): $(wc -l <<<"$paths") paths, Depends: $depends"
echo "$build/$deb"
