#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz and runs each reader's
# fuzzer for SECONDS (default 30) from its seed corpus. Fails on the first
# crash, leak, sanitizer report or broken round trip; the input that caused it
# is kept in build-fuzz/fuzz/artifacts/.
set -euo pipefail
seconds=${1:-30}
cd "$(dirname "$0")/.."
build=build-fuzz
readers=(monthfile classlistfile settingsfile rosterfile textlist periodsfile reasonfile reasoncategories closurethreshold)

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELTRA_FUZZ=ON -DVELTRA_TESTS=OFF -DVELTRA_BENCH=OFF >/dev/null
cmake --build "$build" --target "${readers[@]/#/fuzz_}"

artifacts="$build/fuzz/artifacts"
mkdir -p "$artifacts"
for reader in "${readers[@]}"; do
  # New inputs go to a working corpus in the build folder; the seeds stay as they are.
  corpus="$build/fuzz/corpus/$reader"
  mkdir -p "$corpus"
  echo "== fuzz_$reader for ${seconds}s"
  "$build/fuzz/fuzz_$reader" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$artifacts/$reader-" "$corpus" "fuzz/corpus/$reader"
done
