#!/usr/bin/env bash
# Renders the real main window under a virtual X server into docs/screenshot.png,
# with a sample run loaded: bash scripts/screenshot.sh [DATA_FILE] [--setup] [--about]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORNS_BUILD_TESTS=OFF -DVORNS_BUILD_BENCH=OFF >/dev/null
cmake --build build-release --target vorns vorns-grab -j "$(nproc)"
mkdir -p docs
if [ "$#" -eq 0 ]; then set -- fichiers/muon_run.txt; fi
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" build-release/bin/vorns-grab docs/screenshot.png "$@"
echo "vorns: wrote docs/screenshot.png"
