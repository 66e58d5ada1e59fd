#!/usr/bin/env bash
# Start-up cost of Kelmar as a user meets it: on a virtual X display, with a
# JACK dummy server running and the built-in synthesizer on the system's
# soundfont. Prints, per run and as medians: time from exec to the MIDI
# setup dialog on screen, resident memory (anonymous + file pages) and CPU
# used while idle for 5 s.
# Each run also starts jack-keyboard (another JACK client, from Debian), the
# same way, and the ratios of the medians are printed at the end (skip it
# with KELMAR_NO_PEER=1). KELMAR_PEER=qt measures a bare Qt Widgets dialog
# (bench/QtFloor.cpp) in its place: the floor of any Qt program here.
# Usage: scripts/measure-startup.sh [RUNS] [BUILD_DIR]
# With KELMAR_NO_JACK=1 no JACK server runs (the program finds none). The
# probe's own switches (KELMAR_PROBE_THREADS=1 for each thread's CPU at start and idle,
# see bench/StartupProbe.cpp) pass through.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${1:-7}"
build="${2:-$root/build}"

# Xvfb picks a free display itself and writes its number once it accepts
# connections, so runs of this script (or tests with displays of their own)
# never share one. -noreset: without it the server resets whenever its last
# client leaves, and the next run's connection can fail during the reset.
server="kelmar-startup-$$"
displayfile="$(mktemp)"
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
jackd=
if [ "${KELMAR_NO_JACK:-0}" != 1 ]; then
  # JACK servers of one user disturb each other: take turns with the tests'.
  exec 9>"/tmp/kelmar-jack-server-$(id -u).lock"
  flock 9
  JACK_NO_START_SERVER=1 jackd -n "$server" -r -d dummy -r 48000 -p 256 >/dev/null 2>&1 &
  jackd=$!
fi
# Every step runs whatever the one before returned (a server already gone).
trap 'set +e; kill $xvfb $jackd 2>/dev/null; wait 2>/dev/null; rm -f "$displayfile"' EXIT
for _ in $(seq 100); do
  display=":$(head -n 1 "$displayfile")"
  if [ "$display" != ":" ]; then
    [ -z "$jackd" ] && break
    JACK_DEFAULT_SERVER="$server" jack_lsp >/dev/null 2>&1 && break
  fi
  sleep 0.05
done
export DISPLAY="$display" JACK_DEFAULT_SERVER="$server"
peer=()
if [ "${KELMAR_PEER:-}" = qt ]; then
  peer=("$root/build/bench/kelmar_qt_floor" "Qt floor")
elif [ "${KELMAR_NO_PEER:-0}" != 1 ] && command -v jack-keyboard >/dev/null; then
  peer=("$(command -v jack-keyboard)" jack-keyboard)
fi
"$root/build/bench/kelmar_startup_probe" "$build/src/kelmar" "$runs" "${peer[@]}"
