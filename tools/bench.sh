#!/usr/bin/env bash
# Builds the launcher and measures it under Wine on a virtual screen against a minimal Win32
# program built the same way: start-up to first paint, one full repaint, size and private
# memory, and how long 载入游戏 takes to hand over to the game. Prints the machine and a table.
# Usage: tools/bench.sh [build-dir] [name=count ...]   (counts: starts rounds repaints loads)
#        (on a fresh Debian 12 machine as well)
set -euo pipefail
began=$(date +%s)
root=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=$root/build
if [ $# -gt 0 ] && [[ $1 != *=* ]]; then BUILD_DIR=$1; shift; fi
mkdir -p "$BUILD_DIR"; BUILD_DIR=$(cd "$BUILD_DIR" && pwd)

# shellcheck source=wine-env.sh
. "$root/tools/wine-env.sh"
install_and_build "$root" "$BUILD_DIR" launcher game_stub floor bench_driver >/dev/null
# A prefix of its own, so the benchmark's wineserver is not shared with a test run.
main_prefix=$BUILD_DIR/wineprefix
bench_prefix=$BUILD_DIR/wineprefix-bench
prepare_prefix "$main_prefix"
if [ ! -f "$bench_prefix/.launcher-ready" ]; then
  rm -rf "$bench_prefix"; cp -a "$main_prefix" "$bench_prefix"
fi
export WINEPREFIX=$bench_prefix

# A fresh game folder, and the floor program beside it.
bench=$BUILD_DIR/bench
rm -rf "$bench"; mkdir -p "$bench/game" "$bench/floor"
cp "$BUILD_DIR/launcher.exe" "$BUILD_DIR/Game.exe" "$bench/game/"
cp "$BUILD_DIR/floor.exe" "$bench/floor/"

screen=1366x768x24
trap 'wineserver -k 2>/dev/null || true; stop_xvfb' EXIT
start_xvfb "$screen" 97; export DISPLAY=$XVFB_DISPLAY
# A wineserver that stays up, and Wine's own services started once, before any figure.
wineserver -k 2>/dev/null || true
wineserver -p
wine cmd /c exit </dev/null >/dev/null 2>&1 || true

echo
echo "machine   $(nproc) CPUs, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)"
echo "wine      $(wine --version)"
echo "screen    Xvfb $DISPLAY $(xdpyinfo | sed -n 's/^ *dimensions: *\([^ ]*\).*/\1/p'), depth $(xdpyinfo | sed -n 's/^ *depth of root window: *\([0-9]*\).*/\1/p')"
echo
# Into files, not a pipe: programs the driver starts hold on to its output handles.
if ! wine "$BUILD_DIR/bench_driver.exe" "$bench/game" "$bench/floor/floor.exe" "$root/assets" "$@" \
    </dev/null >"$bench/figures.txt" 2>"$bench/driver-errors.txt"; then
  tr -d '\r' <"$bench/driver-errors.txt" >&2
  exit 1
fi
tr -d '\r' <"$bench/figures.txt"
echo
echo "[bench] done in $(( $(date +%s) - began )) s"
