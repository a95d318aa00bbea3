#!/usr/bin/env bash
# Sets everything up, builds, and runs the whole test suite headless.
# The core tests run twice: plain, and under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
# A German locale (decimal comma) lets a test check that numbers keep their point.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
  "${sudo[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8 ||
    echo "No de_DE locale could be made; the decimal-comma test will be skipped."
fi
# ccache, where present, lets a second run rebuild only what changed.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
cmake --build build/test -j"$(nproc)"
export NO_AT_BRIDGE=1
# The tests run side by side, more of them than there are processors: the GUI tests
# wait on their X servers much of the time and the fuzz runs on the clock (at a lower
# priority). The ones that open windows start an X server each
# (scripts/with-own-display.sh), so no display needs to be set.
exec ctest --test-dir build/test --output-on-failure --timeout 900 -j"$(($(nproc) * 4))"
