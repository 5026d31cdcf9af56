#!/bin/sh
# Builds the Debian package the Debian way (tools/paquet-debian.sh) and
# checks it as a Debian packager would: lintian with no error, warning or
# unexplained information tag; the AppStream record and the desktop entry
# valid; the manual pages rendered; every file the program reads installed.
#   check_package.sh SOURCE_FOLDER WORK_FOLDER
set -eu
src=$1
work=$2
for tool in dpkg-buildpackage dh lintian appstreamcli desktop-file-validate man; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
rm -rf "$work" && mkdir -p "$work"
# A name and address for this test build only; a packager sets their own.
DEBFULLNAME="Ordalis package test" DEBEMAIL="package-test@example.org" \
    "$src/tools/paquet-debian.sh" "$work" >/dev/null
deb=$(ls "$work"/ordalis_*.deb)
status=0
fail() {
    echo "FAIL: $*"
    status=1
}

# Information tags fail too, unless debian/ overrides them with a reason.
lintian --fail-on error,warning,info --display-info "$deb" >"$work/lintian.txt" 2>&1 ||
    fail "lintian: $(cat "$work/lintian.txt")"

tree="$work/tree"
dpkg-deb -x "$deb" "$tree"
dpkg-deb -I "$deb" >"$work/control.txt"
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 libqt6multimedia6 libqt6svg6 libc6; do
    grep -q "^ Depends:.*$dependency" "$work/control.txt" || fail "no dependency on $dependency"
done
for f in bin/ordalis share/ordalis/aide/index.html share/ordalis/aide/sujet6.html share/ordalis/Conseils.txt \
    share/applications/org.ordalis.Ordalis.desktop share/metainfo/org.ordalis.Ordalis.metainfo.xml \
    share/icons/hicolor/scalable/apps/ordalis.svg share/man/man1/ordalis.1.gz share/man/fr/man1/ordalis.1.gz \
    share/doc/ordalis/copyright share/doc/ordalis/changelog.gz; do
    [ -e "$tree/usr/$f" ] || fail "the package lacks /usr/$f"
done
appstreamcli validate --no-net --explain "$tree/usr/share/metainfo/org.ordalis.Ordalis.metainfo.xml" \
    >"$work/appstream.txt" 2>&1 || fail "appstreamcli: $(cat "$work/appstream.txt")"
desktop-file-validate "$tree/usr/share/applications/org.ordalis.Ordalis.desktop" >"$work/desktop.txt" 2>&1 || true
[ ! -s "$work/desktop.txt" ] || fail "desktop-file-validate: $(cat "$work/desktop.txt")"
for page in man1/ordalis.1.gz fr/man1/ordalis.1.gz; do
    LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$tree/usr/share/man/$page" >"$work/man.txt" 2>"$work/man-errors.txt" || true
    [ ! -s "$work/man-errors.txt" ] && grep -q "ordalis \[" "$work/man.txt" ||
        fail "man -l $page: $(cat "$work/man-errors.txt")"
done
[ $status = 0 ] && echo "$(basename "$deb"): lintian, AppStream, desktop entry, manual pages and files checked"
exit $status
