#!/bin/sh
# The Windows program's real main window under Wine, on a virtual display:
# started on a folder, found by its title, the screen photographed (the main
# window and the tips shown over it), then closed by the
# system's close request (WM_CLOSE, as the task bar and the window's own
# close button send it: keys and clicks from xdotool do not reach Wine's
# windows on a display without a window manager); the program must end
# with status 0.
#   fenetre.sh WINEPREFIX PROGRAM.exe SCREENSHOT.png
# The prefix is one of its own (WINEPREFIX-fenetre): the test programs'
# prefix has its Wine server running without a display.
set -eu
export WINEPREFIX="$1-fenetre" WINEDEBUG=-all TZ=Europe/Paris WINEDLLOVERRIDES="mscoree,mshtml="
PROGRAM=$2
SHOT=$3
unset QT_QPA_PLATFORM
DOSSIER=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$DOSSIER"' EXIT
for n in 1 2 3; do echo "fichier $n" >"$DOSSIER/fichier $n.txt"; done
export PROGRAM SHOT DOSSIER
xvfb-run -a -s "-screen 0 1280x1024x24" sh -eu -c '
    wine wineboot >/dev/null 2>&1  # the prefix made or updated on this display
    wine "$PROGRAM" "$(winepath -w "$DOSSIER")" &
    programme=$!
    fenetre=""
    for essai in $(seq 120); do
        fenetre=$(xdotool search --onlyvisible --name "^Ordalis" 2>/dev/null | head -n 1) && [ -n "$fenetre" ] && break
        sleep 0.5
    done
    [ -n "$fenetre" ] || { echo "no main window shown within a minute" >&2; kill $programme; exit 1; }
    sleep 5  # the start window gives way to the main window
    fenetre=$(xdotool search --onlyvisible --name "^Ordalis" | head -n 1)
    echo "window: $(xdotool getwindowname "$fenetre")"
    xwd -silent -root | xwdtopnm 2>/dev/null | pnmtopng >"$SHOT"
    wine taskkill /im "$(basename "$PROGRAM")" >/dev/null 2>&1
    statut=0
    wait $programme || statut=$?
    echo "program ended with status $statut"
    [ "$statut" = 0 ]
'
