#!/usr/bin/env bash
# Everything CI checks, in one call, plus the source layout: clang-format must leave every
# C++ file as it is. Run it before pushing.
set -euo pipefail
cd "$(dirname "$0")/.."
if command -v clang-format >/dev/null 2>&1; then
    git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
else
    echo "check: clang-format missing (apt-get install clang-format); layout not checked" >&2
fi
bash .ci/run
