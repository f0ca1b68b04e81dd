#!/usr/bin/env bash
# Configures build/ when it is new and builds the targets named (programs:
# the window and the eight tools), or everything.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build -j "$(nproc)" ${1:+--target "$@"}
