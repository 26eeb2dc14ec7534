#!/usr/bin/env bash
# Installs what is missing (the build packages, NumPy and Matplotlib for the
# Python peer), builds the benchmark and vorns-fit in release mode
# and runs the benchmark, then times vorns-fit as a whole process on a run of
# 50 000 records against the same run's title lines alone. Extra arguments go
# to the benchmark program (for example --benchmark_filter=50000).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh python3 python3-numpy python3-matplotlib

cmake -S . -B build-rel -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORNS_BUILD_TESTS=OFF >/dev/null
cmake --build build-rel --target vorns-bench vorns-fit vorns-process-times -j "$(nproc)"
echo "== vorns: benchmark ($(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg))"
# The window at its designed size, on the tests' 1920 x 1080 offscreen screen
# (on the platform's own 800 x 600 screen it would be smaller, and scroll).
export QT_QPA_PLATFORM="offscreen:configfile=$PWD/tests/support/screens/desktop.json"
build-rel/bin/vorns-bench "$@"

# vorns-fit from its start to its end: reading and fitting 50 000 records
# against starting and reading the title lines alone, the two run in turn.
runs="$(mktemp -d)"
trap 'rm -rf "$runs"' EXIT
mapfile -t files < <(build-rel/bin/vorns-bench --write-runs "$runs")
build-rel/bin/vorns-process-times build-rel/bin/vorns-fit "${files[@]}"
