#!/usr/bin/env bash
# Sets everything up, builds a release build and starts Tallyscope on the example analysis.
# Any arguments are handed to the program instead of the example.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTALLYSCOPE_SANITIZED_CORE_TESTS=OFF >/dev/null
cmake --build build/release --target tallyscope tallyscope-report -j"$(nproc)"
if [ $# -gt 0 ]; then
  exec build/release/tallyscope "$@"
else
  exec build/release/tallyscope examples/two-classes.tally
fi
