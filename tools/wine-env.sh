# Sourced by the demo, test, screenshot and benchmark commands: installing and building,
# a Wine prefix inside the build folder with code page 936, and X screens on Xvfb.

export WINEDEBUG=-all
export WINEARCH=win32
export LC_ALL=zh_CN.UTF-8   # Wine's ANSI code page becomes 936
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko installer prompts

# Installs what is missing, then configures the build folder $2 for the sources in $1 and
# builds the targets named after them (everything when none are named).
install_and_build() {
  local source=$1 build=$2; shift 2
  bash "$source/tools/install-deps.sh"
  echo "[build] configuring and building in $build"
  cmake -S "$source" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$source/cmake/i686-w64-mingw32.cmake" >/dev/null
  if [ $# -gt 0 ]; then
    cmake --build "$build" -j"$(nproc)" --target "$@"
  else
    cmake --build "$build" -j"$(nproc)"
  fi
}

# Makes a Wine prefix ready once: booted, crash dialog off, no window-manager waits,
# Marlett for the caption buttons.
prepare_prefix() {
  local prefix=$1
  export WINEPREFIX=$prefix
  if [ ! -f "$prefix/.launcher-ready" ]; then
    echo "[wine] preparing the prefix $prefix (once, about 10 s)"
    mkdir -p "$prefix"
    wineboot -i >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d Y /f >/dev/null 2>&1
    for font in /usr/share/fonts/truetype/wine/marlett.ttf /usr/share/wine/fonts/marlett.ttf; do
      [ -f "$font" ] && cp "$font" "$prefix/drive_c/windows/Fonts/" && break
    done
    wineserver -w
    touch "$prefix/.launcher-ready"
  fi
}

# Starts Xvfb on the first free display number from $2 with screen size $1 (WxHxD) and
# sets XVFB_DISPLAY to its name. Called in the script's own shell (not in $(...)), so that
# stop_xvfb knows every server it has to end.
start_xvfb() {
  local size=$1 number=$2
  while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
  Xvfb ":$number" -screen 0 "$size" -nolisten tcp >/dev/null 2>&1 &
  XVFB_PIDS="${XVFB_PIDS:-} $!"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$number" ] && break; sleep 0.1; done
  XVFB_DISPLAY=":$number"
}

stop_xvfb() {
  for pid in ${XVFB_PIDS:-}; do kill "$pid" 2>/dev/null || true; done
}
