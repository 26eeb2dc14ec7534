#!/usr/bin/env bash
# Installs what is missing, builds vorns in release mode and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

# A window needs a display: say so in one line rather than let Qt fail at length.
display_found() {
  [ -n "${QT_QPA_PLATFORM:-}" ] && return 0
  [ -n "${WAYLAND_DISPLAY:-}" ] && return 0
  [ -n "${DISPLAY:-}" ] || return 1
  case "$DISPLAY" in
    :*) local n="${DISPLAY#:}"; n="${n%%.*}"; [ -S "/tmp/.X11-unix/X$n" ] || return 1 ;;
  esac
  return 0
}
if ! display_found; then
  echo "vorns: no display found (DISPLAY=${DISPLAY:-unset}); start it from a desktop session, or under xvfb-run." >&2
  exit 1
fi

bash scripts/setup.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORNS_BUILD_TESTS=OFF -DVORNS_BUILD_BENCH=OFF >/dev/null
cmake --build build-release --target vorns vorns-acquisition -j "$(nproc)"
exec build-release/bin/vorns
