#!/usr/bin/env bash
# Sets everything up, builds vorns in release mode and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORNS_BUILD_TESTS=OFF >/dev/null
cmake --build build --target vorns -j "$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "vorns: no display found (DISPLAY and WAYLAND_DISPLAY are unset); start it from a desktop session, or under xvfb-run." >&2
  exit 1
fi
exec build/bin/vorns
