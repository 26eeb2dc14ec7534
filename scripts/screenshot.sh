#!/usr/bin/env bash
# Renders the real main window under a virtual X server into docs/screenshot.png,
# with a sample run loaded: bash scripts/screenshot.sh [DATA_FILE] [--setup] [--about]
# (or --fit, or --rate, alone)
# With --fit, renders the fit window into docs/screenshot-fit.png instead, on a
# run the simulator writes with a known lifetime (219.7) and 5 % background
# (20 000 events, its default seed), the fit window on its defaults. With
# --rate, renders the analysis window's "taux" tab into docs/screenshot-rate.png,
# on a simulated night run that stops for an hour and a half.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORNS_BUILD_TESTS=OFF -DVORNS_BUILD_BENCH=OFF >/dev/null
cmake --build build-release --target vorns vorns-grab vorns-acquisition -j "$(nproc)"
mkdir -p docs
if [ "${1:-}" = "--fit" ]; then
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  build-release/bin/vorns-acquisition -o "$work/simulation.txt" -n 20001 --lifetime 219.7 --background 0.05 \
    --date 2026-12-08 >/dev/null
  rm -f build-release/bin/qrt_vorn.fit  # the fit window on its defaults: t min = dX, t max = X max
  xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" build-release/bin/vorns-grab docs/screenshot-fit.png \
    "$work/simulation.txt" --fit
  echo "vorns: wrote docs/screenshot-fit.png"
  exit 0
fi
if [ "${1:-}" = "--rate" ]; then
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  build-release/bin/vorns-acquisition -o "$work/nuit.txt" -n 1001 --rate 0.025 --lifetime 219.7 --background 0.05 \
    --start 21:30:00 --pause-at 10800 --pause-for 5400 --date 2026-12-08 >/dev/null
  xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" build-release/bin/vorns-grab docs/screenshot-rate.png \
    "$work/nuit.txt" --rate
  echo "vorns: wrote docs/screenshot-rate.png"
  exit 0
fi
if [ "$#" -eq 0 ]; then set -- fichiers/muon_run.txt; fi
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" build-release/bin/vorns-grab docs/screenshot.png "$@"
echo "vorns: wrote docs/screenshot.png"
