#!/usr/bin/env bash
# Builds everything and runs every test: both Windows programs (they must
# build), the host tests under AddressSanitizer+UBSan, and the end-to-end
# tests of the 64-bit program under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)
for preset in win64 win32 host-asan; do
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done
echo "== host tests (AddressSanitizer + UBSan) and Wine tests"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
ctest --test-dir build/host-asan --output-on-failure -j "$jobs"
