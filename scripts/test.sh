#!/usr/bin/env bash
# Sets up and builds when needed, then runs every test suite (native and under Wine) and
# ends with CTest's summary. Arguments go to ctest, e.g. scripts/test.sh -R framework_tests
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

if [ "${1:-}" != "--inside-display" ]; then
  "$VX_ROOT/scripts/setup.sh"
  if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside-display "$@"
  fi
else
  shift
fi

vx_set_runner
# One wine server for the whole run: each process start then costs about a second.
wineserver -p
# Wine's own background processes (services, the desktop) start with the first program and
# keep its output open; start them here, away from CTest's pipes, or CTest waits for them.
"$VX_WINE" "$VX_RUN_DIR/tests/vxctl.exe" launch </dev/null >/dev/null 2>&1 || true
status=0
(cd "$VX_RUN_DIR" && ctest --output-on-failure "$@") || status=$?
wineserver -k || true
exit "$status"
