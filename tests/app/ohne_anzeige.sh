#!/usr/bin/env bash
# The program called by its full path from a terminal: its help names it
# "luvanto", and without a display it ends with one German message and
# code 1 instead of Qt's abort.
set -uo pipefail
programm=$1

erste=$("$programm" --help | head -n 1)
if [ "${erste%% [PROJEKT.lkz*}" != "Aufruf: luvanto [Optionen]" ]; then
    echo "Hilfe beginnt mit: $erste"
    exit 1
fi

meldung=$(cd "$(mktemp -d)" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$programm" projekt.lkz 2>&1)
rc=$?
erwartet="luvanto: Keine grafische Oberfläche erreichbar. Das Programm braucht eine Anzeige (DISPLAY oder WAYLAND_DISPLAY)."
if [ "$rc" -ne 1 ] || [ "$meldung" != "$erwartet" ]; then
    echo "Ohne Anzeige: Code $rc, Meldung: $meldung"
    exit 1
fi
echo "Hilfe und Start ohne Anzeige wie erwartet"
