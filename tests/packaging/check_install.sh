#!/usr/bin/env bash
# Installs the built program into a staging folder, validates its desktop
# entry and AppStream metadata, and builds the Debian package and checks
# what it declares. Usage: check_install.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

for tool in desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

stage=$work/stage
cmake --install "$build" --prefix "$stage" >/dev/null
app_id=com.tarnwick.Orvane
desktop=$stage/share/applications/$app_id.desktop
metainfo=$stage/share/metainfo/$app_id.metainfo.xml
[ -x "$stage/bin/orvane" ] || fail "no bin/orvane"
[ -n "$(find "$stage" -path '*/lib*/orvane/liborvane_browser.so')" ] || fail "no browser module under lib"
[ -n "$(find "$stage" -path '*/lib*/orvane/liborvane_sheet.so')" ] || fail "no field sheet module under lib"
[ -n "$(find "$stage" -path '*/lib*/orvane/liborvane_designer.so')" ] || fail "no dial designer module under lib"
[ -n "$(find "$stage" -path '*/lib*/orvane/liborvane_window.so')" ] || fail "no window module under lib"
[ -f "$stage/share/icons/hicolor/32x32/apps/$app_id.png" ] || fail "no hicolor icon"
[ -f "$stage/share/orvane/gazetteer.index" ] || fail "no place names under share/orvane"
desktop-file-validate "$desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net --explain "$metainfo" || fail "AppStream metadata invalid"
grep -q "^Icon=$app_id$" "$desktop" || fail "desktop entry names another icon"

# The package declares the libraries the binaries need and the fonts.
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" >/dev/null) || fail "cpack failed"
deb=$(ls "$work"/pkg/*.deb | head -1)
[ -n "$deb" ] || fail "no .deb built"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for dep in libqt6widgets6 libqt6printsupport6 libqt6webenginewidgets6 fonts-liberation; do
  grep -q "$dep" <<<"$depends" || fail "package does not depend on $dep"
done
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/orvane ./usr/share/orvane/gazetteer.index ./usr/share/applications/$app_id.desktop ./usr/share/metainfo/$app_id.metainfo.xml; do
  grep -q " $f\$" <<<"$contents" || fail "package lacks $f"
done
echo "PASS: staged install and package are valid"
