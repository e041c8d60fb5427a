#!/usr/bin/env bash
# Sets up and builds when needed, then starts the utility with the simulated device library
# under Wine, inside a Wine virtual desktop (so that the notification area is visible). Without
# a display it uses Xvfb.
#   scripts/run.sh [--screenshot FILE] [utility arguments...]
# With --screenshot, a PNG of the desktop is written once the utility is up, and the utility is
# then ended again.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

shot=""
if [ "${1:-}" = "--screenshot" ]; then
  shot="$(realpath -m "${2:?--screenshot needs a file name}")"
  shift 2
fi

"$VX_ROOT/scripts/setup.sh" >/dev/null
vx_set_runner

xvfb_pid=""
cleanup() { [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
  done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  sleep 1
fi

bin="$VX_RUN_DIR/bin"
vxctl="$VX_RUN_DIR/tests/vxctl.exe"
# The desktop named "shell" has Wine's task bar with its notification area. Programs see
# only the windows of their own desktop, so vxctl runs in the same one.
desktop="shell,1024x768"
"$VX_WINE" explorer /desktop="$desktop" "$bin/VxUI.exe" "$@" &
app=$!
# explorer neither passes the exit code on nor always returns soon: bound it, and read
# vxctl's complaint to tell that it found nothing.
ctl() {
  local out
  out=$(timeout 20 "$VX_WINE" explorer /desktop="$desktop" "$vxctl" "$1" 2>&1 </dev/null) || true
  ! grep -q "not running" <<<"$out"
}

if [ -z "$shot" ]; then
  wait "$app"
  exit 0
fi

# Wait until the utility runs, let it settle, take the picture and end it.
for _ in $(seq 1 150); do
  pgrep -f "$bin/VxUI.exe" >/dev/null && break
  sleep 0.2
done
sleep 3
import -window root "$shot"
ctl exit || true
for _ in $(seq 1 50); do
  pgrep -f "$bin/VxUI.exe" >/dev/null || break
  sleep 0.2
done
pkill -f "$bin/VxUI.exe" 2>/dev/null || true
kill "$app" 2>/dev/null || true
echo "run: screenshot written to $shot"
