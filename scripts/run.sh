#!/usr/bin/env bash
# Sets up, builds and starts Quantaro on Linux.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake --preset release -DQUANTARO_TESTS=OFF -DQUANTARO_BENCH=OFF >/dev/null
cmake --build --preset release
exec build/release/src/runtime/qt/quantaro
