#!/usr/bin/env bash
# Runs a command on a private X server (Xvfb, a free display of its own
# choice) under the openbox window manager, which places, frames and moves
# windows as a desktop does, and passes on the command's exit code.
#
#   mit_fenstermanager.sh <command> [args…]
#
# Without Xvfb or openbox it exits 77 (test skipped); on a CI machine
# (CI=true) it fails instead.
set -euo pipefail

fehlt() {
    echo "Fehlt: $1" >&2
    if [ "${CI:-}" = true ]; then exit 1; fi
    exit 77
}
command -v Xvfb >/dev/null || fehlt "Xvfb (Paket xvfb)"
command -v openbox >/dev/null || fehlt "openbox (Paket openbox)"
command -v xprop >/dev/null || fehlt "xprop (Paket x11-utils)"

arbeit=$(mktemp -d)
xvfb_pid=
wm_pid=
aufraeumen() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$arbeit"
}
trap aufraeumen EXIT

Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$arbeit/anzeige" 2>"$arbeit/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 1 100); do
    [ -s "$arbeit/anzeige" ] && break
    sleep 0.1
done
[ -s "$arbeit/anzeige" ] || { cat "$arbeit/xvfb.log" >&2; echo "Xvfb startet nicht" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$arbeit/anzeige")"

openbox --sm-disable >"$arbeit/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' \
    || { cat "$arbeit/openbox.log" >&2; echo "openbox startet nicht" >&2; exit 1; }

unset QT_QPA_PLATFORM
"$@"
