#!/usr/bin/env bash
# CPU the program spends per pointer move, seen from outside: the real
# program on a virtual X display with a JACK dummy server, playing into
# jack_midi_dump (so that no synthesizer renders), while xdotool moves the
# pointer over area 0's picture N times at about 200 moves a second.
# Prints the process's CPU time (all threads) per move and, for the same
# time idle, what it uses without moves.
# Usage: scripts/measure-pointer.sh [MOVES] [PROGRAM] [PROGRAM OPTIONS...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
moves="${1:-2000}"
program="${2:-$root/build/src/kelmar}"
shift 2 || shift $#
server="kelmar-pointer-$$"
displayfile="$(mktemp)"
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
exec 9>"/tmp/kelmar-jack-server-$(id -u).lock"
flock 9
JACK_NO_START_SERVER=1 jackd -n "$server" -r -d dummy -r 48000 -p 256 >/dev/null 2>&1 &
jackd=$!
home="$(mktemp -d)"
pids=()
# The JACK clients end before their server: a server killed under them
# leaves their entries in /dev/shm, which later servers trip over. Every step
# runs whatever the one before returned (a program already gone, one that a
# signal ended): a server left running keeps the JACK lock from the tests.
finish() {
  set +e
  kill "${pids[@]}" 2>/dev/null
  wait "${pids[@]}" 2>/dev/null
  kill $jackd $xvfb 2>/dev/null
  wait 2>/dev/null
  rm -rf "$displayfile" "$home"
}
trap finish EXIT
for _ in $(seq 100); do
  [ -s "$displayfile" ] && JACK_DEFAULT_SERVER="$server" jack_lsp >/dev/null 2>&1 && break
  sleep 0.05
done
export DISPLAY=":$(head -n 1 "$displayfile")" JACK_DEFAULT_SERVER="$server" HOME="$home"
jack_midi_dump sink >/dev/null 2>&1 &
pids+=($!)
sleep 0.5
"$program" --output sink "$@" >/dev/null 2>&1 &
kelmar=$!
pids+=($kelmar)
dialog=
for _ in $(seq 200); do
  dialog="$(xdotool search --name '^MIDI Setup$' 2>/dev/null | head -n 1)" && [ -n "$dialog" ] && break
  sleep 0.05
done
sleep 0.5
xdotool key --window "$dialog" Return 2>/dev/null || true
sleep 1
window="$(xdotool search --name '^Kelmar$' | head -n 1)"
eval "$(xdotool getwindowgeometry --shell "$window")"
# Area 0's picture (138 x 102 pixels): its top left blue pixel, found on
# the screen, as the menu bar's height depends on the fonts.
xdotool mousemove 0 0
sleep 0.2
corner="$(import -window root -crop "300x300+$X+$Y" txt:- 2>/dev/null \
  | awk -F'[,:]' '/#0000FF/ && $1 < 250 {print $1, $2; exit}')"
read -r dx dy <<<"${corner:-157 122}"
left=$((X + dx)) top=$((Y + dy))
cpu() { awk '{print $14 + $15}' "/proc/$kelmar/stat"; }
ticks="$(getconf CLK_TCK)"
steps=()
for i in $(seq "$moves"); do
  steps+=(mousemove $((left + (i * 7) % 138)) $((top + (i * 13) % 102)) sleep 0.005)
done
before="$(cpu)"; start="$(date +%s.%N)"
xdotool "${steps[@]}"
after="$(cpu)"; seconds="$(echo "$(date +%s.%N) - $start" | bc)"
idleBefore="$(cpu)"; sleep "$seconds"; idleAfter="$(cpu)"
echo "$moves moves in $seconds s: CPU $(echo "scale=3; ($after - $before) / $ticks" | bc) s," \
  "$(echo "scale=3; 1000 * ($after - $before) / $ticks / $moves" | bc) ms a move;" \
  "idle for as long: $(echo "scale=3; ($idleAfter - $idleBefore) / $ticks" | bc) s"
