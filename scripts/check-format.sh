#!/usr/bin/env bash
# Fails when a C++ file of the tree is not formatted as .clang-format says; prints the differences.
# Run `clang-format -i <file>` to format one.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${files[@]}"
