#!/usr/bin/env bash
# Starts the built program on a private X server, finds its main window by
# its caption, ends it through the menu "Programm" → "Beenden" as a user
# would, and expects a clean exit.
set -euo pipefail
programm=$1
titel="Notwendigkeit lüftungstechnischer Maßnahmen nach DIN 1946-6 (Ausgabe 2009)"

if [ -z "${LUVANTO_IN_XVFB:-}" ]; then
    LUVANTO_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
cd "$arbeit"
export XDG_DATA_HOME="$arbeit/daten"
unset QT_QPA_PLATFORM
"$programm" &
pid=$!

fenster=$(timeout 20 xdotool search --sync --name '^Notwendigkeit .*\(Ausgabe 2009\)$' | head -n 1 || true)
if [ -z "$fenster" ] || [ "$(xdotool getwindowname "$fenster")" != "$titel" ]; then
    echo "Hauptfenster nicht gefunden"
    kill "$pid"
    exit 1
fi
echo "Hauptfenster gefunden: $fenster"

# Open the menu "Programm" (top left of the window); Up wraps to its last
# item, "Beenden".
xdotool mousemove --window "$fenster" 25 8 click 1
sleep 0.5
xdotool key Up Return

for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$pid" 2>/dev/null; then
    echo "Programm läuft nach Beenden noch"
    kill "$pid"
    exit 1
fi
wait "$pid"
echo "Programm beendet mit Code 0"
