#!/usr/bin/env bash
# Installs what is missing (the build packages, and NumPy and Matplotlib for
# the Python peer), builds the benchmark in release mode and runs it. Extra
# arguments go to the benchmark program (for example --benchmark_filter=50000).
set -euo pipefail
cd "$(dirname "$0")/.."
# NumPy and Matplotlib for the Python peer.
bash scripts/setup.sh python3 python3-numpy python3-matplotlib

cmake -S . -B build-rel -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORNS_BUILD_TESTS=OFF >/dev/null
cmake --build build-rel --target vorns-bench -j "$(nproc)"
echo "== vorns: benchmark ($(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg))"
# The window at its designed size, on the tests' 1920 x 1080 offscreen screen
# (on the platform's own 800 x 600 screen it would be smaller, and scroll).
QT_QPA_PLATFORM="offscreen:configfile=$PWD/tests/support/screens/desktop.json" exec build-rel/bin/vorns-bench "$@"
