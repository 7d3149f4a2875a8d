#!/usr/bin/env bash
# Builds the launcher and runs every test: unit tests of the pure logic, in-process window
# tests, and end-to-end tests that drive the real launcher.exe under Wine on Xvfb.
# Usage: tools/test.sh [build-dir]      (on a fresh Debian 12 machine as well)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${1:-$root/build}
mkdir -p "$BUILD_DIR"; BUILD_DIR=$(cd "$BUILD_DIR" && pwd)

# shellcheck source=wine-env.sh
. "$root/tools/wine-env.sh"
install_and_build "$root" "$BUILD_DIR"
main_prefix=$BUILD_DIR/wineprefix
small_prefix=$BUILD_DIR/wineprefix-640x480
prepare_prefix "$main_prefix"
if [ ! -f "$small_prefix/.launcher-ready" ]; then
  rm -rf "$small_prefix"; cp -a "$main_prefix" "$small_prefix"
fi

# A drive of its own, R:, for the launcher that lies in a drive's root.
mkdir -p "$BUILD_DIR/scratch/drive-root"
for prefix in "$main_prefix" "$small_prefix"; do ln -sfn "$BUILD_DIR/scratch/drive-root" "$prefix/dosdevices/r:"; done
export LAUNCHER_TEST_DRIVE=R:

trap 'WINEPREFIX=$main_prefix wineserver -k 2>/dev/null || true; WINEPREFIX=$small_prefix wineserver -k 2>/dev/null || true; stop_xvfb' EXIT
echo "[test] starting the X screens (1366x768 and 640x480, 24 bits)"
start_xvfb 1366x768x24 91; main_display=$XVFB_DISPLAY
start_xvfb 640x480x24 $(( ${main_display#:} + 1 )); small_display=$XVFB_DISPLAY
export DISPLAY=$main_display WINEPREFIX=$main_prefix
export LAUNCHER_SCREENS="640x480=$small_display=$small_prefix"
# A wineserver that stays up while the tests run, for quick starts.
wineserver -k 2>/dev/null || true
wineserver -p
WINEPREFIX=$small_prefix wineserver -k 2>/dev/null || true
DISPLAY=$small_display WINEPREFIX=$small_prefix wineserver -p
# Start Wine's own services now, detached from the test runner's output: a service that
# inherited ctest's pipes would keep it waiting after every test had ended.
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
DISPLAY=$small_display WINEPREFIX=$small_prefix wine cmd /c exit </dev/null >/dev/null 2>&1 || true

echo "[test] running the tests"
cd "$BUILD_DIR"
ctest --output-on-failure --timeout 1500 ${CTEST_ARGS:-}
