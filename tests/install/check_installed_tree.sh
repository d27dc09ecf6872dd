#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what the desktop and the shells read
# there: the desktop entry, the AppStream metainfo, the icons in every size, the manual pages,
# the help documents and the completions.
# Usage: check_installed_tree.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIP: $*"; exit 77; }

for tool in desktop-file-validate:desktop-file-utils appstreamcli:appstream identify:imagemagick \
            rsvg-convert:librsvg2-bin groff:groff-base; do
  command -v "${tool%%:*}" >/dev/null || skip "${tool%%:*} is missing (package ${tool#*:})"
done

cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
id=io.github.pressmark.Pressmark

# The desktop entry and the metainfo validate, and name the same application and types.
desktop-file-validate "$share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --pedantic --no-net "$share/metainfo/$id.metainfo.xml" >/dev/null ||
  fail "metainfo: $(appstreamcli validate --pedantic --no-net "$share/metainfo/$id.metainfo.xml")"
grep -q "^Icon=$id\$" "$share/applications/$id.desktop" || fail "the entry's Icon is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$share/metainfo/$id.metainfo.xml" ||
  fail "the metainfo launches another entry"
entry_types=$(sed -n 's/^MimeType=//p' "$share/applications/$id.desktop" | tr ';' '\n' | sed '/^$/d' | sort)
info_types=$(sed -n 's:.*<mediatype>\(.*\)</mediatype>.*:\1:p' "$share/metainfo/$id.metainfo.xml" | sort)
[ "$entry_types" = "$info_types" ] || fail "the metainfo's media types differ from the entry's MimeType"
for program in pressmark pressmark-cli; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program"
  grep -q "<binary>$program</binary>" "$share/metainfo/$id.metainfo.xml" || fail "no <binary>$program"
done

# The icon in every size, of that size, and its scalable and symbolic forms.
for size in 16 24 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$png" ] || fail "no $png"
  [ "$(identify -format '%w %h %m' "$png")" = "$size $size PNG" ] || fail "$png is $(identify -format '%w %h %m' "$png")"
done
grep -q '<svg' "$share/icons/hicolor/scalable/apps/$id.svg" || fail "no scalable icon"
symbolic=$share/icons/hicolor/scalable/apps/$id-symbolic.svg
[ "$(rsvg-convert "$symbolic" | identify -format '%w %h' -)" = "16 16" ] || fail "symbolic icon"

# The manual pages, in English and in each translation, read without a warning.
for folder in man1 de/man1 fr/man1; do
  for page in pressmark pressmark-cli; do
    file=$share/man/$folder/$page.1
    [ -f "$file" ] || fail "no $file"
    out=$(groff -man -ww -Tutf8 "$file" 2>&1 >/dev/null)
    [ -z "$out" ] || fail "$folder/$page.1: $out"
  done
done
grep -q 'Ausgabeordner' "$share/man/de/man1/pressmark-cli.1" || fail "the German page is not German"
grep -q 'Dossier de sortie' "$share/man/fr/man1/pressmark-cli.1" || fail "the French page is not French"

# The help document in English and in each translation, each in its language.
for document in help.html:en help_de.html:de help_fr.html:fr; do
  file=$share/doc/pressmark/${document%%:*}
  [ -f "$file" ] || fail "no $file"
  grep -q "<html lang=\"${document#*:}\">" "$file" || fail "$file is not in the language ${document#*:}"
done

# The session bus starts the program where this install put it, whatever prefix was configured.
service=$share/dbus-1/services/$id.service
grep -qx "Exec=$prefix/bin/pressmark --service" "$service" || fail "the D-Bus service runs $(grep Exec "$service")"

# The completions are where each shell looks.
for file in bash-completion/completions/pressmark-cli zsh/site-functions/_pressmark-cli \
            fish/vendor_completions.d/pressmark-cli.fish; do
  grep -q -- 'jpeg png gif tiff webp avif jxl' "$share/$file" || fail "no completion at share/$file"
done
reply=$(bash -c "source '$share/bash-completion/completions/pressmark-cli'
  COMP_WORDS=(pressmark-cli --format ''); COMP_CWORD=2; _pressmark_cli; echo \"\${COMPREPLY[*]}\"")
[ "$reply" = "jpeg png gif tiff webp avif jxl" ] || fail "bash offers '$reply' for --format"
echo "installed tree ok"
