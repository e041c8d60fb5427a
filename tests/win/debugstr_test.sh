#!/usr/bin/env bash
# With DebugMode 1 the utility's trace lines reach the debugger output stream, which Wine
# prints with WINEDEBUG=+debugstr; with DebugMode 0 nothing is written there.
# Usage: debugstr_test.sh <wine-run.sh> <bin folder> <vxctl.exe>
set -u
run="$1" bin="$2" vxctl="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$bin"/. "$work/"

check() { # DebugMode expect-lines
  printf '[Settings]\r\nDebugMode=%s\r\n' "$1" > "$work/VxUI.ini"
  WINEDEBUG=-all,+debugstr "$run" "$work/VxUI.exe" 2> "$work/err.txt" &
  local pid=$! i
  for i in $(seq 1 100); do
    "$run" "$vxctl" exit >/dev/null 2>&1 && break
    sleep 0.2
  done
  for i in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the utility did not end (DebugMode $1)"; kill "$pid"; return 1
  fi
  local lines
  lines=$(grep -c 'OutputDebugStringA "\[VxUI\] ' "$work/err.txt")
  if [ "$2" = yes ] && [ "$lines" -eq 0 ]; then
    echo "FAIL: no trace lines with DebugMode $1"; cat "$work/err.txt"; return 1
  fi
  if [ "$2" = no ] && [ "$lines" -ne 0 ]; then
    echo "FAIL: $lines trace lines with DebugMode $1"; return 1
  fi
  echo "DebugMode $1: $lines trace lines"
}

check 1 yes && check 0 no
