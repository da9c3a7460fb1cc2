#!/usr/bin/env bash
# Configures and builds the two trees (and, with --fuzz, the fuzzing tree).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"

cmake -S . -B build/host -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/host
cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
  -DKORVALE_HOST_BIN="$repo/build/host/bin" >/dev/null
cmake --build build/win
if [[ "${1:-}" == "--fuzz" ]]; then
  CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKORVALE_FUZZ=ON >/dev/null
  cmake --build build/fuzz
fi
