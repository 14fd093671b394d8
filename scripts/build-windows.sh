#!/usr/bin/env bash
# Sets up and cross-builds the Windows program with mingw-w64; prints where it lands.
set -euo pipefail
cd "$(dirname "$0")/.."
# Builds use every processor of the machine unless told otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
scripts/install-deps.sh windows
cmake --preset windows >/dev/null
cmake --build --preset windows --target quantaro
echo "The Windows program: $PWD/build/windows/src/programs/windows/quantaro.exe"
