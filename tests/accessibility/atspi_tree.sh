#!/usr/bin/env bash
# The windows as a screen reader sees them: vorns (the program given, copied
# into a fresh folder that holds its settings) runs on a virtual X server of
# its own, its accessibility tree published on a session bus of its own
# through AT-SPI, and atspi_tree.py reads that tree over the bus. Skipped
# (status 77), saying what is missing, where no X server, no session bus or
# no AT-SPI can be started.
set -euo pipefail
vorns="$1"
here="$(cd "$(dirname "$0")" && pwd)"

skip() { echo "accessibility tree: skipped, $*"; exit 77; }
command -v Xvfb >/dev/null || skip "no Xvfb (Debian package xvfb)"
command -v dbus-run-session >/dev/null || skip "no dbus-run-session (Debian package dbus-daemon)"
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || skip "no $launcher (Debian package at-spi2-core)"
python=""
for p in python3 /usr/bin/python3; do
  if command -v "$p" >/dev/null && "$p" -c 'import pyatspi' 2>/dev/null; then python="$p"; break; fi
done
[ -n "$python" ] || skip "no Python with pyatspi (Debian package python3-pyatspi)"

work="$(mktemp -d)"
xvfb=""
cleanup() {
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
cp "$vorns" "$work/vorns"

# A display of its own, whose number no other X server holds: neither its
# lock file nor its socket in the abstract namespace, which servers in other
# folders' views of /tmp share and which X clients try first.
display_free() {
  [ ! -e "/tmp/.X$1-lock" ] && [ ! -e "/tmp/.X11-unix/X$1" ] && ! grep -q "@/tmp/.X11-unix/X$1\$" /proc/net/unix
}
for try in 1 2 3 4 5; do
  n=$((200 + RANDOM % 700))
  display_free "$n" || continue
  Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp -noreset 2>"$work/xvfb.log" &
  xvfb=$!
  for _ in $(seq 50); do
    { [ -S "/tmp/.X11-unix/X$n" ] || ! kill -0 "$xvfb" 2>/dev/null; } && break
    sleep 0.1
  done
  if kill -0 "$xvfb" 2>/dev/null && [ -S "/tmp/.X11-unix/X$n" ]; then break; fi
  xvfb=""
done
[ -n "$xvfb" ] || skip "Xvfb did not start: $(tail -n 3 "$work/xvfb.log" 2>/dev/null)"
export DISPLAY=":$n"

# A run of ten events a second that stopped: the alarm is up within two refresh periods.
"$python" - "$work/run.txt" <<'PY'
import sys
with open(sys.argv[1], "w", newline="") as f:
    f.write("Run\r\nEssai\r\nHeure\tDur\u00e9e\r\n")
    for i in range(600):
        s = i // 10
        f.write("10:%02d:%02d\t%.1f\r\n" % (s // 60, s % 60, 0.5 + (i * 37 % 500) / 10))
PY

export VORNS_TEST_PROGRAM="$work/vorns" VORNS_TEST_RUN="$work/run.txt" ATSPI_LAUNCHER="$launcher"
status=0
dbus-run-session -- "$python" "$here/atspi_tree.py" 2>"$work/stderr" || status=$?
# What went wrong, without the bus's and Qt's notes that say nothing of it.
grep -v -e 'dbus-daemon' -e 'SpiRegistry' -e 'XDG_RUNTIME_DIR' "$work/stderr" >&2 || true
[ "$status" = 0 ] || { echo "X server: $(kill -0 "$xvfb" 2>/dev/null && echo running || echo gone) on $DISPLAY"; tail -n 5 "$work/xvfb.log"; } >&2
exit "$status"
