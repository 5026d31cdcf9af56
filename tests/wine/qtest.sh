#!/bin/sh
# Runs a window test program (Qt Test) under Wine and prints its results:
#   qtest.sh WINE-RUN PROGRAM.exe [ARGUMENT...]
# Under Wine such a program's own output never reaches the caller, so the
# results go to a file, printed once it ends; its status is the program's.
# Wine hands no QT_ variable to a Windows program: the offscreen platform
# is asked for on the command line.
set -u
WINE_RUN=$1
PROGRAM=$2
shift 2
resultats=$(mktemp)
trap 'rm -f "$resultats"' EXIT
"$WINE_RUN" "$PROGRAM" -platform offscreen -o "Z:$(printf '%s' "$resultats" | tr / '\\'),txt" "$@"
statut=$?
cat "$resultats"
exit $statut
