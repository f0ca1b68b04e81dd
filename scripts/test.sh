#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test (the window's under
# Xvfb), then the tools' fuzz harnesses, seeded from the tests' own runs.
# The last lines give the outcome: each harness's result, then ctest's counts.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
rm -rf build/fuzz-seeds
MOKRAV_FUZZ_SEEDS="$PWD/build/fuzz-seeds" \
  xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build --output-on-failure -j "$(nproc)" \
  | tee build/ctest.log
fuzz=0
bash scripts/fuzz.sh | tee build/fuzz.log || fuzz=$?
echo
echo "== outcome"
grep '^fuzz ' build/fuzz.log || echo "fuzz: the harnesses did not run (see above)"
sed -n '/tests passed, /,$p' build/ctest.log
exit "$fuzz"
