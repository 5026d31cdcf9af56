#!/bin/sh
# The Windows installer under Wine: a silent install puts the program into
# Program Files with its Start-menu entry, the installed program starts, and
# a silent uninstall leaves nothing of it behind.
#   installateur.sh WINEPREFIX SETUP.exe
# A prefix of its own (WINEPREFIX-installateur), made anew for each run.
set -eu
export WINEPREFIX="$1-installateur" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
SETUP=$2
[ -f "$SETUP" ] || { echo "no installer: ./build.sh lays it out"; exit 77; }
wineserver -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
trap 'wineserver -k 2>/dev/null || true' EXIT
unset DISPLAY WAYLAND_DISPLAY
wine wineboot >/dev/null 2>&1
DOSSIER="$WINEPREFIX/drive_c/Program Files/Ordalis"
MENU="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Ordalis.lnk"
[ ! -e "$DOSSIER" ] || { echo "already installed in $DOSSIER" >&2; exit 1; }

wine "$SETUP" /S
wineserver -w
[ -f "$DOSSIER/ordalis.exe" ] && [ -f "$DOSSIER/platforms/qwindows.dll" ] && [ -f "$DOSSIER/Conseils.txt" ] \
    || { echo "the install is incomplete" >&2; find "$DOSSIER" >&2 || true; exit 1; }
[ -f "$MENU" ] || { echo "no Start-menu entry" >&2; exit 1; }

# The installed program starts, and stays up until the test ends it
# (offscreen: no display is needed).
QT_QPA_PLATFORM=offscreen timeout 20 wine "C:\\Program Files\\Ordalis\\ordalis.exe" "C:\\" &
lance=$!
sleep 8
kill -0 $lance 2>/dev/null || { wait $lance || true; echo "the installed program did not stay up" >&2; exit 1; }
wineserver -k || true
wait $lance 2>/dev/null || true

wine "C:\\Program Files\\Ordalis\\Desinstaller.exe" /S
wineserver -w
[ ! -e "$DOSSIER" ] || { echo "left behind:" >&2; find "$DOSSIER" >&2; exit 1; }
[ ! -e "$MENU" ] || { echo "the Start-menu entry was left behind" >&2; exit 1; }
echo "installed, started and uninstalled"
