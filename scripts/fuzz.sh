#!/usr/bin/env bash
# Builds the tools' libFuzzer harnesses with clang under ASan and UBSan into
# build-fuzz/ and runs each for FUZZ_SECONDS (20; 1 to 86400, a day), all
# at once, seeded from the runs the tools' own tests keep in
# build/fuzz-seeds/<tool> (test.sh).
# A harness that finds a crash or a broken rule leaves the input in
# build-fuzz/findings/ and fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/fuzz-seconds.sh
fuzz_seconds 1

# clang and the runtime that holds libFuzzer.
bash scripts/deps.sh clang libclang-rt-dev

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DMOKRAV_FUZZ=ON -DMOKRAV_SETTINGS=OFF -DMOKRAV_GUI=OFF
cmake --build build-fuzz --target fuzzers -j "$(nproc)"

# The harnesses' files go to memory where it can be had: the tools sync
# every file they write, which on a disk slows the runs several times over.
work=$(mktemp -d /dev/shm/mokrav-fuzz.XXXXXX 2>/dev/null || mktemp -d)
trap 'rm -rf "$work"' EXIT

rm -rf build-fuzz/corpus build-fuzz/findings build-fuzz/logs
mkdir -p build-fuzz/findings build-fuzz/logs
tools=(MOKRAVF MOKRAVW MOKRAVG MOKRAVR MOKRAVL MOKRAVT MOKRAVP MOKRAVB)
pids=()
for tool in "${tools[@]}"; do
  mkdir -p "build-fuzz/corpus/$tool" "build/fuzz-seeds/$tool"
  TMPDIR="$work" "build-fuzz/fuzz/${tool}_fuzz" -max_total_time="$seconds" -timeout=10 \
    -artifact_prefix="build-fuzz/findings/$tool-" \
    "build-fuzz/corpus/$tool" "build/fuzz-seeds/$tool" >"build-fuzz/logs/$tool.log" 2>&1 &
  pids+=($!)
done
failed=0
for i in "${!tools[@]}"; do
  if wait "${pids[$i]}"; then
    echo "fuzz ${tools[$i]}: $(grep -o 'Done [0-9]* runs' "build-fuzz/logs/${tools[$i]}.log" || echo 'done')"
  else
    failed=1
    echo "fuzz ${tools[$i]}: FAILED"
    tail -n 40 "build-fuzz/logs/${tools[$i]}.log"
  fi
done
exit $failed
