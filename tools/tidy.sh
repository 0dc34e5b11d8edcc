#!/usr/bin/env bash
# Runs clang-tidy with the committed .clang-tidy over every C++ source of the
# project, using the ci build's compile_commands.json; any finding fails.
#   tools/tidy.sh [BUILD_DIR]   (build/ci)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/ci}
# The malformed-pattern twin is meant not to compile; its well-formed twin
# is the same file and is checked by the build.
mapfile -t sources < <(git ls-files '*.cpp' | grep -v '^tests/sizing/number_pattern_check.cpp$')
run-clang-tidy-14 -p "$build" -quiet -j "$(nproc)" "${sources[@]}" >"$build/tidy.log" 2>&1 || true
if grep -qE '(warning|error): ' "$build/tidy.log"; then
  grep -E '(warning|error): ' "$build/tidy.log" | sort -u >&2
  echo "clang-tidy found the above" >&2
  exit 1
fi
echo "clang-tidy: no findings in ${#sources[@]} sources"
