#!/usr/bin/env bash
# Start-up cost of Kelmar as a user meets it: on a virtual X display, with a
# JACK dummy server running and the built-in synthesizer on the system's
# soundfont. Prints, per run and as medians: time from exec to the MIDI
# setup dialog on screen, resident memory (anonymous + file pages) and CPU
# used while idle for 5 s.
# Usage: scripts/measure-startup.sh [RUNS]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
runs="${1:-7}"

display=":$((90 + $$ % 100))"
server="kelmar-startup-$$"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
JACK_NO_START_SERVER=1 jackd -n "$server" -r -d dummy -r 48000 -p 256 >/dev/null 2>&1 &
jackd=$!
trap 'kill $xvfb $jackd 2>/dev/null; wait 2>/dev/null' EXIT
for _ in $(seq 100); do
  [ -S "/tmp/.X11-unix/X${display#:}" ] && JACK_DEFAULT_SERVER="$server" jack_lsp >/dev/null 2>&1 && break
  sleep 0.05
done
export DISPLAY="$display" JACK_DEFAULT_SERVER="$server"
"$build/bench/kelmar_startup_probe" "$build/src/kelmar" "$runs"
