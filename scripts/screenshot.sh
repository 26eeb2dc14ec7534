#!/usr/bin/env bash
# Renders the real main window under a virtual X server into docs/screenshot.png,
# with a sample run loaded: bash scripts/screenshot.sh [DATA_FILE] [--setup] [--about]
# (or --fit, or --rate, alone); under LANG=en_US.UTF-8 (or de_DE.UTF-8) the
# window in English (German) into docs/screenshot-en.png (-de.png) instead.
# With --fit, renders the fit window into docs/screenshot-fit.png instead, on a
# run the simulator writes with a known lifetime (219.7) and 5 % background
# (20 000 events, its default seed), the fit window on its defaults; with
# --stability, the same window on its stability tab into docs/screenshot-stability.png.
# With --fit-capture, renders the fit window on the model of free and captured
# muons (carbon, rho 1.27, 1 unit = 10 ns, window [10 ; 2000]) into
# docs/screenshot-capture.png, on a run the simulator writes with the lifetime
# a plastic scintillator shows (2125 ns, 3 % background, 20 000 events).
# With --convergence, renders its convergence tab into docs/screenshot-convergence.png
# while the simulator writes a live run (--realtime --speed 5 --rate 2, 5 % background),
# taken after 50 s and the refresh tick's reloads.
# With --rate, renders the analysis window's "taux" tab into docs/screenshot-rate.png,
# on a simulated night run that stops for an hour and a half.
# With --report, writes the run report of fichiers/muon_run.txt (1 unit = 10 ns,
# a French locale, the fields of two students) with vorns-fit and converts its
# first page into docs/report-page.png (pdftocairo).
# With --runs, renders the analysis window's "runs" tab into docs/screenshot-runs.png:
# three simulated runs of 20 000 events combined (the third with a shorter lifetime,
# which pulls), the second with an hour of its night left out.
# With --apparatus, renders the main window and the analysis window side by side into
# docs/screenshot-apparatus.png, on a simulated 72-hour run of the common two-integer
# apparatus (3000 decays, 20 us gate, tau = 2.197 us, 8 % flat background, a count line
# a second): the classes and the fit window vorns chooses in time for it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORNS_BUILD_TESTS=OFF -DVORNS_BUILD_BENCH=OFF >/dev/null
mkdir -p docs
if [ "${1:-}" = "--report" ]; then
  cmake --build build-release --target vorns-fit -j "$(nproc)"
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  LC_ALL=fr_FR.UTF-8 LANG=fr_FR.UTF-8 build-release/bin/vorns-fit fichiers/muon_run.txt --unit-ns 10 \
    --report "$work/rapport.pdf" --names "Ana Martin, Bo Durand" --group "TP 3" \
    --course "Physique subatomique, L3" --setup "deux scintillateurs plastiques, banc n° 2" \
    --note "seuil des discriminateurs à −30 mV" >/dev/null
  pdftocairo -f 1 -l 1 -r 90 -png -singlefile "$work/rapport.pdf" docs/report-page
  echo "vorns: wrote docs/report-page.png"
  exit 0
fi
cmake --build build-release --target vorns vorns-grab vorns-acquisition -j "$(nproc)"
if [ "${1:-}" = "--fit-capture" ]; then
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  build-release/bin/vorns-acquisition -o "$work/simulation.txt" -n 20001 --lifetime 212.5 --background 0.03 \
    --max-duration 2000 --date 2026-12-08 >/dev/null
  # The fit window's remembered choices, line by line: t min, t max, model, method, (5-9 unused here),
  # the unit in ns, the negative muons' lifetime in ns, rho.
  printf '%s\n' 10 2000 mu-capture unbinned 10 0 '' '' '' 10 2026.3 1.27 >build-release/bin/qrt_vorn.fit
  xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" build-release/bin/vorns-grab docs/screenshot-capture.png \
    "$work/simulation.txt" --fit
  rm -f build-release/bin/qrt_vorn.fit
  echo "vorns: wrote docs/screenshot-capture.png"
  exit 0
fi
if [ "${1:-}" = "--fit" ] || [ "${1:-}" = "--stability" ]; then
  picture=docs/screenshot-fit.png
  tab=()
  if [ "$1" = "--stability" ]; then picture=docs/screenshot-stability.png; tab=(--stability); fi
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  build-release/bin/vorns-acquisition -o "$work/simulation.txt" -n 20001 --lifetime 219.7 --background 0.05 \
    --date 2026-12-08 >/dev/null
  rm -f build-release/bin/qrt_vorn.fit  # the fit window on its defaults: t min = dX, t max = X max
  # On a laptop's 1366 x 768 screen.
  xvfb-run -a -s "-screen 0 1366x768x24 -dpi 96" build-release/bin/vorns-grab "$picture" \
    "$work/simulation.txt" --fit "${tab[@]}"
  echo "vorns: wrote $picture"
  exit 0
fi
if [ "${1:-}" = "--convergence" ]; then
  work="$(mktemp -d)"
  rm -f build-release/bin/qrt_vorn.fit  # the fit window on its defaults
  build-release/bin/vorns-acquisition -o "$work/live.txt" -n 3000 --rate 2 --background 0.05 --realtime --speed 5 \
    --date 2026-12-08 >/dev/null &
  acquisition=$!
  trap 'kill "$acquisition" 2>/dev/null; rm -rf "$work"' EXIT
  while [ ! -s "$work/live.txt" ]; do sleep 0.1; done
  xvfb-run -a -s "-screen 0 1366x768x24 -dpi 96" build-release/bin/vorns-grab docs/screenshot-convergence.png \
    "$work/live.txt" --convergence --wait 50
  echo "vorns: wrote docs/screenshot-convergence.png"
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
if [ "${1:-}" = "--runs" ]; then
  work="$(mktemp -d)"
  trap 'rm -rf "$work" build-release/bin/qrt_vorn.fit build-release/bin/qrt_vorn.exc build-release/bin/qrt_vorn.run' EXIT
  build-release/bin/vorns-acquisition -o "$work/nuit1.txt" -n 20001 --lifetime 219.7 --background 0.05 \
    --seed 1 --date 2026-12-08 >/dev/null
  build-release/bin/vorns-acquisition -o "$work/nuit2.txt" -n 20001 --lifetime 219.7 --background 0.05 \
    --seed 2 --date 2026-12-09 >/dev/null
  build-release/bin/vorns-acquisition -o "$work/nuit3.txt" -n 20001 --lifetime 205 --background 0.05 \
    --seed 3 --date 2026-12-10 >/dev/null
  # The fit's choices on their defaults; the runs added to the followed one (key=value).
  rm -f build-release/bin/qrt_vorn.fit
  printf '%s=%s %s\n' "$work/nuit1.txt" "$work/nuit2.txt" "$work/nuit3.txt" >build-release/bin/qrt_vorn.run
  # The spans left out of each data file: an hour of the second run.
  start="$(sed -n 4p "$work/nuit2.txt" | cut -f1)"
  h="${start%%:*}"
  printf '%s %02d:00:00-%02d:00:00\n' "$work/nuit2.txt" $(((10#$h + 1) % 24)) $(((10#$h + 2) % 24)) \
    >build-release/bin/qrt_vorn.exc
  xvfb-run -a -s "-screen 0 1366x768x24 -dpi 96" build-release/bin/vorns-grab docs/screenshot-runs.png \
    "$work/nuit1.txt" --runs
  echo "vorns: wrote docs/screenshot-runs.png"
  exit 0
fi
if [ "${1:-}" = "--apparatus" ]; then
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  TZ=UTC build-release/bin/vorns-acquisition -o "$work/run_72h.data" --format two-integers --events 3000 \
    --rate 0.011574 --lifetime 219.7 --background 0.08 --max-duration 2000 --muons 8 --seed 25 \
    --date 2024-03-21 >/dev/null
  rm -f build-release/bin/qrt_vorn.fit build-release/bin/qrt_vorn.uni  # nothing typed: vorns chooses
  TZ=UTC xvfb-run -a -s "-screen 0 2000x1100x24 -dpi 96" build-release/bin/vorns-grab \
    docs/screenshot-apparatus.png "$work/run_72h.data" --both
  echo "vorns: wrote docs/screenshot-apparatus.png"
  exit 0
fi
if [ "$#" -eq 0 ]; then set -- fichiers/muon_run.txt; fi
# The window speaks the desktop's language: under an English or German locale
# its picture is docs/screenshot-en.png or docs/screenshot-de.png, and the
# French docs/screenshot.png stays as it is.
picture=docs/screenshot.png
case "${LC_ALL:-${LC_MESSAGES:-${LANG:-C}}}" in
  en*) picture=docs/screenshot-en.png ;;
  de*) picture=docs/screenshot-de.png ;;
esac
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" build-release/bin/vorns-grab "$picture" "$@"
echo "vorns: wrote $picture"
