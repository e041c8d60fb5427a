# Shared settings of the scripts (sourced).
VX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VX_BUILD="$VX_ROOT/build"
VX_NATIVE_DIR="$VX_BUILD/native"
# The shipped program is 32-bit (i686).
VX_WIN32_DIR="$VX_BUILD/win32"

# Hosts whose kernel cannot run 32-bit x86 code cannot run 32-bit Wine. There the Wine
# tests and run.sh use an x86_64 build of the same sources under 64-bit Wine; the 32-bit
# program is still built. VX_WINE_ARCH=32 or 64 overrides the detection.
vx_detect_wine_arch() {
  if [ -n "${VX_WINE_ARCH:-}" ]; then
    echo "$VX_WINE_ARCH"
  elif [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo 32
  elif /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    echo 32
  else
    echo 64
  fi
}

vx_set_runner() {
  VX_ARCH="$(vx_detect_wine_arch)"
  if [ "$VX_ARCH" = 32 ]; then
    VX_RUN_DIR="$VX_WIN32_DIR"
    VX_TOOLCHAIN="$VX_ROOT/cmake/toolchain-mingw-i686.cmake"
    export WINEARCH=win32
    export WINEPREFIX="$VX_BUILD/wineprefix-i686"
    VX_WINE=/usr/lib/wine/wine
  else
    VX_RUN_DIR="$VX_BUILD/win64"
    VX_TOOLCHAIN="$VX_ROOT/cmake/toolchain-mingw-x86_64.cmake"
    export WINEARCH=win64
    export WINEPREFIX="$VX_BUILD/wineprefix-x86_64"
    VX_WINE=/usr/lib/wine/wine64
  fi
  export WINELOADER="$VX_WINE"
  export WINEDLLOVERRIDES="mscoree=d;mshtml=d"
  export WINEDEBUG="${WINEDEBUG:--all}"
}

vx_jobs() { nproc 2>/dev/null || echo 2; }

# Builds the native tests, the 32-bit program and, when it differs, the build Wine runs.
vx_build_all() {
  local dirs=("$VX_NATIVE_DIR" "$VX_WIN32_DIR")
  [ "$VX_RUN_DIR" = "$VX_WIN32_DIR" ] || dirs+=("$VX_RUN_DIR")
  for dir in "${dirs[@]}"; do
    cmake --build "$dir" -j "$(vx_jobs)"
  done
}
