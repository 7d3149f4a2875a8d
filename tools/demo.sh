#!/usr/bin/env bash
# Builds everything and shows the launcher in a demo game folder (build/demo-game):
# on your display when there is one, else on a virtual screen, where it saves a
# screenshot and then clicks "载入游戏" to start the stand-in Game.exe.
# Usage: tools/demo.sh [build-dir]      (on a fresh Debian 12 machine as well)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${1:-$root/build}
mkdir -p "$BUILD_DIR"; BUILD_DIR=$(cd "$BUILD_DIR" && pwd)

# shellcheck source=wine-env.sh
. "$root/tools/wine-env.sh"
install_and_build "$root" "$BUILD_DIR" launcher game_stub window_shot
prepare_prefix "$BUILD_DIR/wineprefix"

game=$BUILD_DIR/demo-game
echo "[demo] laying out the demo game folder $game"
mkdir -p "$game"
cp "$BUILD_DIR/launcher.exe" "$BUILD_DIR/Game.exe" "$game/"
rm -f "$game/record.txt"
export GAME_STUB_RECORD="$game/record.txt"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "[demo] showing the launcher on $DISPLAY; close it or press 载入游戏"
  cd "$game" && wine launcher.exe
  [ -f "$game/record.txt" ] && echo "[demo] the stand-in game was started with:" && cat "$game/record.txt"
  exit 0
fi

trap 'wineserver -k 2>/dev/null || true; stop_xvfb' EXIT
start_xvfb 1024x600x24 95; export DISPLAY=$XVFB_DISPLAY
wineserver -k 2>/dev/null || true
echo "[demo] no display: running on the virtual screen $DISPLAY"
(cd "$game" && wine launcher.exe) &
launcher_pid=$!
shot=$BUILD_DIR/launcher-screenshot
wine "$BUILD_DIR/window_shot.exe" "$shot.bmp" click-load
wait "$launcher_pid" || true
convert "$shot.bmp" "$shot.png" && rm -f "$shot.bmp"
echo "[demo] screenshot saved to $shot.png"
for _ in $(seq 50); do [ -f "$game/record.txt" ] && break; sleep 0.1; done
if [ -f "$game/record.txt" ]; then
  echo "[demo] the stand-in Game.exe was started; it recorded (command line, current directory, path):"
  sed 's/^/    /' "$game/record.txt"
fi
