#!/bin/sh
# Builds the Debian package of Ordalis... the way Debian builds packages:
# dpkg-buildpackage in a temporary copy of the sources, the program alone
# (DEB_BUILD_OPTIONS=nocheck: the tests run with ./build.sh test).
#
#   DEBFULLNAME="Name" DEBEMAIL=address tools/paquet-debian.sh [OUTPUT_FOLDER]
#
# The maintainer named in the package is the packager's own: DEBFULLNAME and
# DEBEMAIL, as Debian's dch reads them. The .deb lands in OUTPUT_FOLDER
# (default: the current folder). Needs dpkg-dev, debhelper and the
# Build-Depends of debian/control.in.
set -eu
src=$(cd "$(dirname "$0")/.." && pwd)
out=$(cd "${1:-.}" && pwd)
if [ -z "${DEBFULLNAME:-}" ] || [ -z "${DEBEMAIL:-}" ]; then
    echo "$0: set DEBFULLNAME and DEBEMAIL to the package maintainer's name and address" >&2
    exit 2
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copy="$work/ordalis"
mkdir "$copy"
# The sources as committed when this is a git checkout, else the tree
# without its build folders.
if git -C "$src" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    (cd "$src" && git ls-files -z --cached --others --exclude-standard | xargs -0 tar -cf - --no-recursion) |
        tar -xf - -C "$copy"
else
    (cd "$src" && tar -cf - --exclude='./build*' .) | tar -xf - -C "$copy"
fi
maintainer="$DEBFULLNAME <$DEBEMAIL>"
for f in control changelog; do
    sed "s|@MAINTAINER@|$maintainer|" "$copy/debian/$f.in" >"$copy/debian/$f"
    rm "$copy/debian/$f.in"
done
(cd "$copy" && DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" dpkg-buildpackage -us -uc -b >"$work/build.log" 2>&1) || {
    tail -n 40 "$work/build.log" >&2
    exit 1
}
cp "$work"/ordalis_*.deb "$out/"
ls "$out"/ordalis_*.deb
