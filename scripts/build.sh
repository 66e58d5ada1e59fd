#!/usr/bin/env bash
# Configures and builds Kelmar into a build folder.
# Usage: scripts/build.sh [BUILD_DIR] [extra cmake arguments...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
shift || true
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELMAR_WERROR=ON "$@" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
