#!/bin/bash
# Builds the core tests natively under AddressSanitizer and UndefinedBehaviorSanitizer and runs them:
# an overflow, a read outside a buffer or a use after free in the core fails here even where the
# ordinary build happens to give the right answer. g++ carries both sanitizers; nothing is installed.
# Usage: tools/sanitize.sh   (builds in ./build/asan of the repository, or in $TICKERDELL_ASAN_DIR)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TICKERDELL_ASAN_DIR:-$root/build/asan}"
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTICKERDELL_WINDOWS_BUILD=OFF \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build "$build" --target core_tests -j 2
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 "$build/core_tests" --gtest_brief=1
