#!/usr/bin/env bash
# Runs clang-tidy with the project's .clang-tidy over our own sources, using the compile commands
# of a configured build (default build/ci). Generated files (moc, build/) are not checked.
# Usage: scripts/lint.sh [build-dir] [jobs]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build/ci}
jobs=${2:-$(nproc)}
if [ ! -f "$build_dir/compile_commands.json" ]; then
    echo "No $build_dir/compile_commands.json: configure the build first (cmake --preset ci)" >&2
    exit 1
fi
# run-clang-tidy takes regular expressions on the file paths of the compile commands.
# The compile commands carry -Werror for the compiler; its warnings are not what this run checks.
exec run-clang-tidy -quiet -j "$jobs" -p "$build_dir" -extra-arg=-Wno-error \
    "^$PWD/(src|engines|tests|tools|bench|fuzz)/.*\.cpp\$"
