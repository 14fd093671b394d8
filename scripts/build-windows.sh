#!/usr/bin/env bash
# Sets up and cross-builds the Windows program with mingw-w64; prints where it lands.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh windows
cmake --preset windows >/dev/null
cmake --build --preset windows --target quantaro
echo "The Windows program: $PWD/build/windows/src/runtime/win32/quantaro.exe"
