#!/usr/bin/env bash
# Fails when a source file includes a header of a layer it may not use.
# The layers, each a folder under src/ and a library of its own:
#   app -> settings, help, performance/widgets, midi/setup -> ui
#   performance/widgets -> performance -> midi;  midi/{jack,alsa,synth,take} -> midi
# A folder may always include itself; of app, only SystemMidi knows the
# backends. The logic in performance/ uses no Qt at all.
# Usage: scripts/check-layers.sh [SOURCE_ROOT]   (default: this checkout's src)
set -euo pipefail
src="${1:-$(cd "$(dirname "$0")/../src" && pwd)}"

# The folders a folder's files may include, besides its own.
allowed() {
  case "$1" in
    app) echo "ui midi midi/jack midi/alsa midi/synth midi/setup midi/take performance performance/widgets settings help" ;;
    ui | midi) echo "" ;;
    midi/jack | midi/alsa | midi/synth | midi/take) echo "midi" ;;
    midi/setup) echo "midi ui" ;;
    performance) echo "midi" ;;
    performance/widgets) echo "performance midi ui" ;;
    settings | help) echo "ui" ;;
    *) echo "UNKNOWN" ;;
  esac
}

faults=0
fault() {
  echo "$1" >&2
  faults=$((faults + 1))
}

while IFS= read -r file; do
  relative="${file#"$src"/}"
  layer="$(dirname "$relative")"
  permitted=" $layer $(allowed "$layer") "
  if [[ "$permitted" == *UNKNOWN* ]]; then
    fault "src/$relative: the folder $layer is not a layer; add it to scripts/check-layers.sh"
    continue
  fi
  number=0
  while IFS= read -r line; do
    number=$((number + 1))
    if [[ "$line" =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]]; then
      included="${BASH_REMATCH[1]}"
      target="$(dirname "$included")"
      if [[ "$permitted" != *" $target "* ]]; then
        fault "src/$relative:$number: $layer may not include $included"
      elif [[ "$layer" == app && "$target" =~ ^midi/(jack|alsa|synth)$ && "$relative" != app/SystemMidi.* ]]; then
        fault "src/$relative:$number: only app/SystemMidi knows the backends: $included"
      fi
    elif [[ "$layer" == performance && "$line" =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<Q ]]; then
      fault "src/$relative:$number: performance uses no Qt: $line"
    fi
  done <"$file"
done < <(find "$src" -name '*.h' -o -name '*.cpp' | sort)

if ((faults > 0)); then
  echo "$faults include(s) against the layers" >&2
  exit 1
fi
echo "layers: every include follows the layers"
