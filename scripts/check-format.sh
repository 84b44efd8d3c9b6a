#!/usr/bin/env bash
# Fails when a C++ file differs from what .clang-format asks for.
# With --fix it rewrites the files instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h' |
                     while read -r f; do [ -f "$f" ] && echo "$f"; done)
[ "${#files[@]}" -gt 0 ] || exit 0
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
else
  clang-format --dry-run -Werror "${files[@]}"
fi
