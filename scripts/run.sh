#!/usr/bin/env bash
# Sets up, builds and starts Quantaro on Linux, in a build tree of its own (preset "run"), so
# the settings of the other builds stay as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
cmake --preset run >/dev/null
cmake --build --preset run
exec build/run/src/programs/linux/quantaro
