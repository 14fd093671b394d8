#!/usr/bin/env bash
# Sets up, builds and runs every test: the Linux build (plain and under AddressSanitizer and
# UndefinedBehaviorSanitizer) and the Windows build under Wine. Stops at the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

echo "== formatting"
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

for preset in debug asan windows; do
    echo "== $preset: build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    echo "== $preset: test"
    ctest --preset "$preset"
done

bash scripts/check-packages.sh
