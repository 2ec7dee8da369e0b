#!/bin/sh
# The desktop integration: the desktop entry and the AppStream metainfo pass
# their validators, and `cmake --install` puts the program, its plug-ins,
# help texts, entry, metainfo and icons in their places.
# Usage: check_desktop_files.sh SOURCE_DIR BUILD_DIR
set -eu
src=$1
build=$2
id=org.lumetta.Lumetta

fail() { echo "FAIL: $*" >&2; exit 1; }

command -v desktop-file-validate >/dev/null || fail "desktop-file-validate missing (scripts/setup installs desktop-file-utils)"
command -v appstreamcli >/dev/null || fail "appstreamcli missing (scripts/setup installs appstream)"

desktop-file-validate "$src/data/desktop/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$src/data/desktop/$id.metainfo.xml" || fail "metainfo"

grep -q '^Exec=lumetta %f$' "$src/data/desktop/$id.desktop" || fail "Exec line"
# Every photo type the program and its bundled plug-ins open.
for type in image/jpeg image/bmp image/tiff image/png image/webp image/heif image/avif image/x-adobe-dng; do
  grep -q "^MimeType=.*$type;" "$src/data/desktop/$id.desktop" || fail "MimeType lacks $type"
done

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"
[ -L "$prefix/bin/lumetta" ] || fail "bin/lumetta is no link"
[ -L "$prefix/bin/lumetta-cli" ] || fail "bin/lumetta-cli is no link"
# The program's own folder, which holds its plug-ins and help texts.
app=$(dirname "$(readlink -f "$prefix/bin/lumetta")")
case "$app" in "$prefix"/*) ;; *) fail "the program lies outside the prefix: $app" ;; esac
for f in "$app/lumetta" "$app/lumetta-cli" "$app/ifpng.spi" "$app/ifwebp.spi" "$app/ifheif.spi" "$app/iftiff.spi" \
         "$app/ifraw.spi" "$app/Lumdat/Keybord.txt" "$app/Lumdat/Hajimete.txt" \
         "$prefix/share/applications/$id.desktop" "$prefix/share/metainfo/$id.metainfo.xml" \
         "$prefix/share/icons/hicolor/scalable/apps/$id.svg"; do
  [ -f "$f" ] || fail "not installed: $f"
done
for size in 16 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
  [ -f "$png" ] || fail "icon ${size}x${size} not installed"
  # The PNG header's width and height (bytes 17-24) match its folder.
  dims=$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')
  expected="0 0 $((size / 256)) $((size % 256)) 0 0 $((size / 256)) $((size % 256))"
  [ "$dims" = "$expected" ] || fail "icon ${size}x${size} is $dims"
done
"$prefix/bin/lumetta-cli" version >/dev/null || fail "installed lumetta-cli does not run"
# The installed plug-ins are found beside the installed program.
"$prefix/bin/lumetta-cli" decode "$src/tests/fixtures/plugins/rgb16_interlaced.png" -o "$prefix/decoded.bmp" >/dev/null ||
  fail "the installed program does not decode a PNG through its plug-in"
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "installed desktop entry"
echo "desktop files and install: ok"
