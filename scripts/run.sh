#!/usr/bin/env bash
# Installs what Kelmar needs, builds it and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup-debian.sh"
"$root/scripts/build.sh" "$root/build"
exec "$root/build/src/kelmar" "$@"
