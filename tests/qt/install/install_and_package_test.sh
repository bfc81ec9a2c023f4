#!/bin/sh
# shellcheck disable=SC2015 # A && B || fail: either failing fails the check
# Installs the build into a temporary prefix and packs it as a Debian package, then checks
# both as a desktop and Debian's tools see them. One script, so that the build is installed
# by one test at a time.
# Usage: install_and_package_test.sh CMAKE CPACK BUILD_DIR CPACK_CONFIG VERSION
cmake=$1 cpack=$2 build=$3 config=$4 version=$5
if ! command -v dpkg-deb >/dev/null 2>&1; then
    echo "skipped: dpkg-deb is missing; this test needs a Debian system (package dpkg)"
    exit 77
fi
for tool in desktop-file-validate:desktop-file-utils appstreamcli:appstream lintian:lintian \
    dpkg-shlibdeps:dpkg-dev python3:python3; do
    if ! command -v "${tool%%:*}" >/dev/null 2>&1; then
        echo "FAIL: ${tool%%:*} is missing; install the Debian package ${tool#*:}"
        exit 1
    fi
done
failed=0
fail() {
    echo "FAIL: $*"
    failed=$((failed + 1))
}
# Runs a command; on failure prints what it said.
run() {
    "$@" >"$work/out" 2>&1 || { cat "$work/out"; return 1; }
}
# Warnings and errors of a checker's report; notes and hints are none.
complaints() { grep -E '^(E|W):' "$work/out"; }
files_below() { (cd "$1" && find . -type f -o -type l) | sed 's|^\./||' | LC_ALL=C sort; }

work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
unset DESTDIR # would install somewhere else
prefix=$work/prefix
id=org.kolvenar.Kolvenar
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml

run "$cmake" --install "$build" --prefix "$prefix" || { fail "cmake --install"; exit 1; }

# Every file in its place and nothing else, readable by every user.
{
    echo bin/kolvenar
    echo share/applications/$id.desktop
    for doc in Anleitung.html bilder/hauptfenster.png bilder/suche.png bilder/tabelle.png \
        bilder/umrechner.png bilder/mehrfachsuche.png changelog.gz copyright; do
        echo share/doc/kolvenar/$doc
    done
    for size in 16 24 32 48 64 128 256; do
        echo share/icons/hicolor/${size}x$size/apps/$id.png
    done
    echo share/icons/hicolor/scalable/apps/$id.svg
    echo share/man/man1/kolvenar.1.gz
    echo share/metainfo/$id.metainfo.xml
} | LC_ALL=C sort >"$work/expected"
files_below "$prefix" >"$work/installed"
diff -u "$work/expected" "$work/installed" || fail "installed files differ from the list"
[ -n "$(find "$prefix/bin/kolvenar" -type f -perm -o+x)" ] || fail "bin/kolvenar not executable"
# The program finds its guide beside itself; it holds no path of the build it came from.
! grep -qaF "$build" "$prefix/bin/kolvenar" || fail "bin/kolvenar holds the build folder $build"
unreadable=$(find "$prefix" -type f ! -perm -o+r)
[ -z "$unreadable" ] || fail "not readable for every user: $unreadable"

# A menu entry whose command or icon name is off shows no program or no icon.
entry() {
    awk -v key="$1" '/^\[/ { group = $0 }
        group == "[Desktop Entry]" && index($0, key "=") == 1 { print substr($0, length(key) + 2) }' \
        "$desktop"
}
[ "$(entry Type)" = Application ] || fail "desktop entry: Type is '$(entry Type)'"
exec_file=$prefix/bin/$(entry Exec)
[ -f "$exec_file" ] && [ -x "$exec_file" ] || fail "desktop entry: Exec '$(entry Exec)' is no program"
[ "$(entry Icon)" = $id ] || fail "desktop entry: Icon is '$(entry Icon)'"
[ "$(entry Terminal)" = false ] || fail "desktop entry: Terminal is '$(entry Terminal)'"

# The icon is a square SVG; the release the software centre shows is the program's version.
python3 - "$prefix/share/icons/hicolor/scalable/apps/$id.svg" "$metainfo" "$version" <<'EOF' ||
import sys
import xml.etree.ElementTree as ET
svg = ET.parse(sys.argv[1]).getroot()
box = svg.get("viewBox", "").split(" ")
if svg.tag.split("}")[-1] != "svg" or len(box) != 4 or box[2] != box[3]:
    sys.exit(f"the icon is no square SVG: {svg.tag} viewBox {box}")
info = ET.parse(sys.argv[2]).getroot()
seen = (info.findtext("id"), info.findtext("launchable"), info.find("releases/release").get("version"))
wanted = ("org.kolvenar.Kolvenar", "org.kolvenar.Kolvenar.desktop", sys.argv[3])
if seen != wanted:
    sys.exit(f"metainfo id, launchable, first release: {seen}, not {wanted}")
EOF
    fail "icon or metainfo"

# Hints too: each of them is something a desktop may show wrongly.
run desktop-file-validate "$desktop" && [ ! -s "$work/out" ] ||
    { cat "$work/out"; fail "desktop-file-validate"; }
run appstreamcli validate --no-net "$metainfo" && ! complaints ||
    fail "appstreamcli validate"
# The whole installed tree: the description together with its desktop entry.
run appstreamcli validate-tree --no-net "$prefix" && ! complaints ||
    fail "appstreamcli validate-tree"

# The Debian package.
run "$cpack" -G DEB --config "$config" -B "$work/pack" || { fail "cpack -G DEB"; exit 1; }
set -- "$work"/pack/*.deb
[ $# -eq 1 ] && [ -f "$1" ] || { fail "not one package: $*"; exit 1; }
deb=$1
run dpkg-deb -x "$deb" "$work/root" || { fail "dpkg-deb -x"; exit 1; }
field() {
    seen=$(dpkg-deb -f "$deb" "$1")
    [ "$seen" = "$2" ] || fail "control field $1 is '$seen', not '$2'"
}
field Package kolvenar
field Version "$version"
field Section science
field Priority optional
field Maintainer "Kolvenar maintainers <maintainers@kolvenar.org>"
field Homepage https://kolvenar.org
field Recommends "xdg-utils, qt6-translations-l10n"
# dpkg-shlibdeps named the libraries the program links; the font is named by hand.
depends=$(dpkg-deb -f "$deb" Depends | sed 's/[,|]/\n/g' | sed 's/^ *//; s/[ (].*//')
# The library packages carry their soname's number.
for package in fonts-liberation libc6 libqt6core6 libqt6gui6 libqt6widgets6 'libstdc++6' \
    zlib1g; do
    printf '%s\n' "$depends" | grep -qx "$package" ||
        fail "Depends names no $package: $(dpkg-deb -f "$deb" Depends)"
done
# Exactly what `cmake --install` installs, under /usr.
sed 's|^|usr/|' "$work/installed" >"$work/expected"
files_below "$work/root" | diff -u "$work/expected" - || fail "package files differ from install"
# Debian reads the package's version from the top of its changelog.
top=$(gzip -dc "$work/root/usr/share/doc/kolvenar/changelog.gz" | head -n 1)
[ "$top" = "kolvenar ($version) stable; urgency=medium" ] || fail "changelog starts '$top'"
# lintian leaves temporary files behind; they go with the work folder.
TMPDIR=$work run lintian --display-info --fail-on error,warning "$deb" && ! complaints || fail "lintian"
# Built with Debian's hardening flags: lintian misses none of them, not even as a note.
! grep hardening- "$work/out" || fail "lintian finds hardening flags missing"

# The unpacked program finds its libraries and plugins and is still there a moment later.
mkdir -p "$work/config" "$work/data"
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
    "$work/root/usr/bin/kolvenar" >"$work/program" 2>&1 &
program=$!
sleep 3
if kill "$program" 2>/dev/null; then
    wait "$program" 2>/dev/null
else
    wait "$program"
    fail "the unpacked program ended at once (exit $?): $(cat "$work/program")"
fi

if [ $failed -ne 0 ]; then
    echo "$failed check(s) failed"
    exit 1
fi
echo "installed files, desktop entry, metainfo and the Debian package: all checks passed"
