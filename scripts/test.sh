#!/usr/bin/env bash
# Sets up, builds and runs every test: the Linux build (optimised, and under AddressSanitizer and
# UndefinedBehaviorSanitizer) and the Windows build under Wine; then each fuzz target and a
# soak run of the real program, a minute each; the Windows program driven under Wine with a
# window manager; the release's packages; and the release made twice from the last commit,
# which must give the same bytes. Stops at the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."
# Builds use every processor of the machine unless told otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
scripts/install-deps.sh test

echo "== formatting"
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# The plain Linux build is the optimised one, so warnings that only optimising brings out stop
# the run too; the sanitizers build unoptimised with assertions on.
for preset in release asan windows; do
    echo "== $preset: build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    echo "== $preset: test"
    ctest --preset "$preset"
done

echo "== fuzz: each target for a minute"
fuzz/run.sh 60

echo "== soak: random keys and clicks on the real program for a minute"
scripts/soak.sh 60

echo "== Wine under openbox: About shown again, then the converter window takes the keys"
bash scripts/wine-about-again.sh

bash scripts/check-packages.sh

echo "== reproducible: the release made twice, in two clones of the commit"
bash scripts/check-reproducible.sh
