#!/bin/bash
# Fails when a C++ source of the project is not as clang-format (.clang-format) would write it.
# Usage: tools/check-format.sh   (from anywhere)
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "check-format: every source is formatted"
