#!/usr/bin/env bash
# Installs what Kelmar needs, builds the program alone (no tests, no
# benchmarks) and starts it; arguments go to the program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup-debian.sh"
"$root/scripts/build.sh" "$root/build" -DKELMAR_TESTS=OFF -DKELMAR_BENCH=OFF
exec "$root/build/src/kelmar" "$@"
