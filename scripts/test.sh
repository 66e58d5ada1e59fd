#!/usr/bin/env bash
# Installs what the tests need, builds Kelmar and runs the whole test suite.
# Usage: scripts/test.sh [--sanitize]   (--sanitize: ASan + UBSan build in build-asan)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup-debian.sh" --test

if [ "${1:-}" = "--sanitize" ]; then
  build="$root/build-asan"
  "$root/scripts/build.sh" "$build" -DKELMAR_TESTS=ON -DKELMAR_BENCH=ON -DKELMAR_SANITIZE=ON
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
else
  build="$root/build"
  # Tests and benchmarks on again where scripts/run.sh built the program alone.
  "$root/scripts/build.sh" "$build" -DKELMAR_TESTS=ON -DKELMAR_BENCH=ON
fi
cd "$build"
# Tests that use JACK take turns (their RESOURCE_LOCK); the rest run beside them.
ctest --output-on-failure --timeout 300 -j "$(nproc)"
