#!/usr/bin/env bash
# Runs a command on one of the extra X screens that tools/test.sh started, with that
# screen's own Wine prefix (Wine keeps a screen's metrics per wineserver).
# LAUNCHER_SCREENS holds entries SIZE=DISPLAY=PREFIX separated by spaces.
set -euo pipefail
size=$1; shift
for entry in ${LAUNCHER_SCREENS:-}; do
  IFS='=' read -r s display prefix <<<"$entry"
  if [ "$s" = "$size" ]; then
    export DISPLAY=$display WINEPREFIX=$prefix
    exec "$@"
  fi
done
echo "no X screen of size $size was prepared (LAUNCHER_SCREENS='${LAUNCHER_SCREENS:-}')" >&2
exit 1
