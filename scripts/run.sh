#!/usr/bin/env bash
# Sets up, builds and starts the program. Extra arguments go to cmake --build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release
exec ./build/release/src/apps/qx740/qx740
