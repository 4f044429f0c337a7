#!/usr/bin/env bash
# Installs what is needed, then builds and runs the whole test suite:
# the optimised build, a short run of every fuzz target (clang's libFuzzer), and last
# AddressSanitizer + UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh
status=0
for preset in default fuzz asan; do
  echo "=== $preset: configure and build (${SECONDS} s since the start)"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "=== $preset: test (${SECONDS} s since the start)"
  ctest --preset "$preset" || status=1
done
exit $status
