#!/bin/sh
# Makes the Windows installer of a laid-out program folder with NSIS:
#   installer.sh FOLDER VERSION OUTPUT.exe
set -eu
FOLDER=$(cd "$1" && pwd)
VERSION=$2
OUTPUT=$(cd "$(dirname "$3")" && pwd)/$(basename "$3")  # makensis works in the script's folder
HERE=$(cd "$(dirname "$0")" && pwd)
LIST=$(mktemp)
trap 'rm -f "$LIST"' EXIT
# What the uninstaller removes: each file, then each folder once emptied,
# the deepest first.
(cd "$FOLDER" && find . -type f | sed 's|^\./||; s|/|\\|g; s|.*|    Delete "$INSTDIR\\&"|') >"$LIST"
(cd "$FOLDER" && find . -mindepth 1 -depth -type d | sed 's|^\./||; s|/|\\|g; s|.*|    RMDir "$INSTDIR\\&"|') >>"$LIST"
makensis -V2 -DVERSION="$VERSION" -DFOLDER="$FOLDER" -DFILES="$LIST" -DOUTFILE="$OUTPUT" \
    "$HERE/../../resources/windows/ordalis.nsi"
