#!/usr/bin/env bash
# Builds the date-string library and the randomised parser tests with
# AddressSanitizer and UndefinedBehaviorSanitizer, then feeds the parsers
# ORBEL_FUZZ_COUNT texts (default 3,000,000). Any overflow, out-of-bounds
# read or undefined behaviour stops the run with a report and a nonzero status.
# Usage: scripts/sanitize.sh [gtest arguments ...]
# The build goes to build-sanitize/ (or $ORBEL_SANITIZE_BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORBEL_SANITIZE_BUILD_DIR:-$root/build-sanitize}
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="$flags" -DORBEL_BUILD_BENCH=OFF -DORBEL_SANITIZE_TEST=OFF >/dev/null
cmake --build "$build" -j2 --target orbel2 orbel_fuzz
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:strict_string_checks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export ORBEL_FUZZ_COUNT=${ORBEL_FUZZ_COUNT:-3000000}
exec "$build/bin/orbel_fuzz" "$@"
