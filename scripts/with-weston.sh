#!/usr/bin/env bash
# Runs a command as a native Wayland client of a compositor of its own:
# weston's headless backend (no display, no GPU) in a private runtime
# folder; the command sees WAYLAND_DISPLAY and QT_QPA_PLATFORM=wayland.
# Usage: scripts/with-weston.sh COMMAND [ARGUMENTS...]
set -euo pipefail
runtime="$(mktemp -d)"
chmod 700 "$runtime"
socket="kelmar-$$"
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --use-pixman --socket="$socket" \
  --width=1280 --height=1024 --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill $weston 2>/dev/null; wait $weston 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
  [ -S "$runtime/$socket" ] && break
  kill -0 $weston 2>/dev/null || { cat "$runtime/weston.log" >&2; exit 1; }
  sleep 0.05
done
[ -S "$runtime/$socket" ] || { echo "weston did not start" >&2; exit 1; }
export XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland
"$@"
