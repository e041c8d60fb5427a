#!/usr/bin/env bash
# Installs what the project needs (Debian packages), creates the Wine prefix inside the
# build folder and configures and builds every configuration. Safe to run again.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

PACKAGES=(cmake g++ make g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools
          wine wine64 wine32:i386 xvfb xauth imagemagick x11-apps googletest)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  $SUDO apt-get update -q
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

vx_set_runner
mkdir -p "$VX_BUILD"

# Wine prefix (no Mono or Gecko downloads: there is no network).
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "setup: creating the Wine prefix $WINEPREFIX"
  "$VX_WINE" wineboot -i >/dev/null 2>&1 || true
  wineserver -w || true
fi
# A crashing program must end, not wait for an interactive debugger.
if [ ! -f "$WINEPREFIX/.vx-no-debugger" ]; then
  "$VX_WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
    /v Debugger /t REG_SZ /d "" /f >/dev/null 2>&1 && touch "$WINEPREFIX/.vx-no-debugger"
  wineserver -w || true
fi

configure() { # dir toolchain-or-empty extra-args...
  local dir="$1" tc="$2"; shift 2
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    if [ -n "$tc" ]; then
      cmake -S "$VX_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$tc" "$@"
    else
      cmake -S "$VX_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Debug "$@"
    fi
  fi
}

configure "$VX_NATIVE_DIR" ""
configure "$VX_WIN32_DIR" "$VX_ROOT/cmake/toolchain-mingw-i686.cmake" \
  -DVX_WINEPREFIX="$VX_BUILD/wineprefix-i686" -DVX_NATIVE_BUILD_DIR="$VX_NATIVE_DIR"
if [ "$VX_RUN_DIR" != "$VX_WIN32_DIR" ]; then
  configure "$VX_RUN_DIR" "$VX_TOOLCHAIN" -DVX_WINEPREFIX="$WINEPREFIX" -DVX_NATIVE_BUILD_DIR="$VX_NATIVE_DIR"
fi

vx_build_all
echo "setup: done (Wine runs the $VX_ARCH-bit build in $VX_RUN_DIR)"
