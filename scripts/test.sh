#!/usr/bin/env bash
# Sets up, builds and runs every test: the normal build with warnings as errors,
# then the same suite under AddressSanitizer + UndefinedBehaviorSanitizer.
# SKIP_ASAN=1 leaves out the sanitizer pass (quicker while developing).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

bash scripts/check-format.sh

cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci

if [ "${SKIP_ASAN:-0}" != "1" ]; then
  cmake --preset asan >/dev/null
  cmake --build --preset asan
  ctest --preset asan
fi
