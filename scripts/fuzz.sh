#!/usr/bin/env bash
# Installs what is missing (the build packages, clang 14 and its sanitizer and
# libFuzzer runtimes), builds the libFuzzer target of the load in build-fuzz and
# runs it for a bounded time: bash scripts/fuzz.sh [SECONDS] (60 by default).
# Exits non-zero on any finding (crash, sanitizer report, timeout, broken
# invariant); the input that caused it is left in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
bash scripts/setup.sh clang-14 libclang-rt-14-dev

CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORNS_FUZZ=ON -DVORNS_WERROR=ON \
    -DVORNS_BUILD_TESTS=OFF -DVORNS_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --target vorns-fuzz -j "$(nproc)"

# A scratch corpus, so that what the run finds never grows the committed one.
work=build-fuzz/corpus
rm -rf "$work" build-fuzz/findings
mkdir -p "$work" build-fuzz/findings
cp fuzz/corpus/* "$work"/

echo "== vorns: fuzzing the load for ${seconds} s"
# A small quarantine: the default one makes every run take fresh pages.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:quarantine_size_mb=16
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
build-fuzz/bin/vorns-fuzz -max_total_time="$seconds" -max_len=1048576 -len_control=10 -timeout=10 -rss_limit_mb=2048 \
    -dict=fuzz/load.dict -artifact_prefix=build-fuzz/findings/ -print_final_stats=1 "$work"
