#!/bin/sh
# run-fuzzer.sh HARNESS WORKDIR SECONDS CORPUS... : runs a libFuzzer harness for
# SECONDS on the given corpus folders (new inputs go to WORKDIR, never into the
# corpus); SECONDS 0 replays every input of the folders once and stops.
# Extra libFuzzer flags may come in FUZZ_FLAGS, e.g. FUZZ_FLAGS=-jobs=2.
set -eu
harness=$1 work=$2 seconds=$3
shift 3
mkdir -p "$work"
dirs=""
for d in "$@"; do
  [ -d "$d" ] && dirs="$dirs $d"
done
# A crash, a timeout (one input over 10 s) or more than 2 GB ends the run as a failure.
common="-timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=2048 -print_final_stats=1"
if [ "$seconds" -eq 0 ]; then
  # shellcheck disable=SC2086
  exec "$harness" $common -runs=0 $dirs
fi
# A fixed seed (FUZZ_SEED) makes the test suite's short runs repeat themselves; a long
# run can take another.
# shellcheck disable=SC2086
exec "$harness" $common -seed="${FUZZ_SEED:-1}" -max_total_time="$seconds" \
  -artifact_prefix="$work/" ${FUZZ_FLAGS:-} "$work" $dirs
