#!/usr/bin/env bash
# Installs what building and testing the launcher needs on a Debian 12 machine.
# Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(cmake make mingw-w64 g++-mingw-w64-i686-posix googletest wine wine32:i386
          xvfb xauth x11-utils imagemagick fonts-wqy-microhei fonts-wine python3 locales)

say() { printf '[install] %s\n' "$*"; }

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  say "adding the i386 architecture (Wine's 32-bit half needs it)"
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  name=${p%%:*}; arch=${p#*:}; [ "$arch" = "$p" ] && arch=""
  if [ -n "$arch" ]; then
    dpkg-query -W -f='${Status}' "$name:$arch" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  else
    dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  say "installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
else
  say "all packages present"
fi

# Wine only needs the locale's name for code page 936, but the shell warns when it is not generated.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
  say "generating the zh_CN.UTF-8 locale"
  "${sudo_cmd[@]}" sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
say "done"
