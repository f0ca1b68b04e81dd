#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test (the window's under
# Xvfb), then the tools' fuzz harnesses for FUZZ_SECONDS each (20; at most
# 86400, a day; 0 leaves the fuzz stage out), seeded from the tests' own runs. The fuzz stage runs
# only when every test passed. The last lines give the outcome, whether the
# tests passed or not: each harness's result, then ctest's counts; the exit
# code is not 0 when a test or a harness failed.
set -euo pipefail
cd "$(dirname "$0")/.."
# Checked before anything is installed; 0 leaves the fuzz stage out.
source scripts/fuzz-seconds.sh
fuzz_seconds 0
bash scripts/deps.sh
bash scripts/build.sh
rm -rf build/fuzz-seeds build/fuzz.log
tests=0
MOKRAV_FUZZ_SEEDS="$PWD/build/fuzz-seeds" \
  xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build --output-on-failure -j "$(nproc)" \
  | tee build/ctest.log || tests=$?
fuzz=0
if [ "$tests" -ne 0 ]; then
  echo "fuzz: not run, since a test failed" >build/fuzz.log
elif [ "$seconds" -eq 0 ]; then
  echo "fuzz: left out (FUZZ_SECONDS=0)" >build/fuzz.log
else
  FUZZ_SECONDS="$seconds" bash scripts/fuzz.sh | tee build/fuzz.log || fuzz=$?
fi
echo
echo "== outcome"
grep '^fuzz' build/fuzz.log || echo "fuzz: the harnesses did not run (see above)"
sed -n '/tests passed, /,$p' build/ctest.log
[ "$tests" -eq 0 ] || exit "$tests"
exit "$fuzz"
