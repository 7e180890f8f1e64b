#!/usr/bin/env bash
# Fails when a C++ file of the project differs from .clang-format (Debian 12's clang-format 14).
# With --fix, formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=(--dry-run -Werror)
[ "${1:-}" = "--fix" ] && mode=(-i)
find app base channels data features link ui tools tests bench -name '*.cpp' -o -name '*.h' |
    sort | xargs clang-format-14 "${mode[@]}"
