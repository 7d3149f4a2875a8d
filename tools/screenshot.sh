#!/usr/bin/env bash
# Remakes the README's screenshot, docs/launcher.png, from the real launcher under Wine on a
# virtual screen (CJK font, Wine's own caption bar and buttons). Run it after any change
# to the window or the artwork.
# Usage: tools/screenshot.sh [build-dir] [output.png]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${1:-$root/build}
output=${2:-$root/docs/launcher.png}
mkdir -p "$BUILD_DIR"; BUILD_DIR=$(cd "$BUILD_DIR" && pwd)

# shellcheck source=wine-env.sh
. "$root/tools/wine-env.sh"
install_and_build "$root" "$BUILD_DIR" launcher window_shot >/dev/null
prepare_prefix "$BUILD_DIR/wineprefix"
trap 'wineserver -k 2>/dev/null || true; stop_xvfb' EXIT
start_xvfb 1024x600x24 96; export DISPLAY=$XVFB_DISPLAY
wineserver -k 2>/dev/null || true

folder=$BUILD_DIR/screenshot-game
mkdir -p "$folder"
cp "$BUILD_DIR/launcher.exe" "$folder/"
(cd "$folder" && wine launcher.exe) &
wine "$BUILD_DIR/window_shot.exe" "$folder/shot.bmp"
wineserver -k 2>/dev/null || true
mkdir -p "$(dirname "$output")"
# Stripped of time stamps, so an unchanged window gives an unchanged file.
convert "$folder/shot.bmp" -strip "$output"
echo "[screenshot] saved $output"
