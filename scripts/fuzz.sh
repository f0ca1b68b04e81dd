#!/usr/bin/env bash
# Builds the tools' libFuzzer harnesses with clang under ASan and UBSan into
# build-fuzz/ and runs each for FUZZ_SECONDS (20; 1 to 86400, a day), all
# at once, seeded from the runs the tools' own tests keep in
# build/fuzz-seeds/<tool> (test.sh).
# A harness that finds a crash or a broken rule leaves the input in
# build-fuzz/findings/ and fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
given=${FUZZ_SECONDS:-20}
# libFuzzer takes 0 seconds, and 2^31 or more, as no limit at all: a run
# must always end, within a day. Read in decimal ("010" is ten seconds,
# not eight), and never through the shell's arithmetic before its length
# is known, which would wrap a longer number round.
seconds=bad
case "$given" in
  '' | *[!0-9]*) ;;
  *)
    digits=${given#"${given%%[!0]*}"}
    if [ ${#digits} -le 5 ] && [ "${digits:-0}" -ge 1 ] && [ "$digits" -le 86400 ]; then seconds=$digits; fi
    ;;
esac
if [ "$seconds" = bad ]; then
  echo "FUZZ_SECONDS must be a whole number of seconds from 1 to 86400, not \"$given\"" >&2
  exit 2
fi

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
