#!/usr/bin/env bash
# Validates the lifetime fit (tests/validation/validate.py): the same events
# fitted by iminuit must give the same results (every model, on clock grids
# too), and toy runs (of the acquisition simulator, of counters that truncate,
# round or have a random phase, of free and captured muons) must give centred
# pulls of width 1 and profile intervals covering 68 %. Installs what it needs, builds
# in release mode, prints one line per check with its tolerance and met or
# MISSED, and exits with status 1 when a check is missed. Extra arguments go to
# validate.py (--toys-scale 0.2 for a quick run, --no-pulls for the comparison).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh python3 python3-numpy python3-iminuit

cmake -S . -B build-rel -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORNS_BUILD_TESTS=OFF >/dev/null
cmake --build build-rel --target vorns-acquisition vorns-fit -j "$(nproc)"
echo "== vorns: validation of the lifetime fit ($(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg))"
exec /usr/bin/python3 tests/validation/validate.py --acquisition build-rel/bin/vorns-acquisition \
     --fit build-rel/bin/vorns-fit "$@"
