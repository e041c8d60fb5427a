#!/usr/bin/env bash
# Takes a screenshot of the control gallery under Xvfb.
#   tests/win/gallery/screenshot.sh [BUILD_DIR] [OUTPUT.png] [--message-box | --menu]
# BUILD_DIR is a Windows build folder (default build/win64); it builds the gallery first.
# --message-box opens the utility's message box over the gallery before the picture, --menu
# the pop-up menu of the menu button.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)"
build="$(realpath -m "${1:-$root/build/win64}")"
out="$(realpath -m "${2:-$build/control_gallery.png}")"
cmake --build "$build" --target control_gallery -j 2 >/dev/null
exe="$build/tests/control_gallery.exe"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  # A Wine desktop of its own draws the window frames (Xvfb has no window manager).
  "$1" explorer /desktop=gallery,1024x768 "$2" $4 &
  app=$!
  sleep 6
  import -window root "$3"
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
' _ "$build/wine-run.sh" "$exe" "$out" "${3:-}"
echo "$out"
