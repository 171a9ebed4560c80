#!/usr/bin/env bash
# Installs what the Windows build needs on this Debian machine: the mingw-w64 cross compilers,
# Wine, Xvfb, a Chinese font and the zh_CN.UTF-8 locale, then makes the Wine prefix under that
# locale so that the ANSI code page is 936 as on a Chinese Windows.
# Idempotent: installs only what is missing, runs `apt-get update` at most once, asks nothing.
# Usage: scripts/setup-windows.sh [prefix-dir]   (default: build-win/wineprefix)
set -euo pipefail

source_dir="$(cd "$(dirname "$0")/.." && pwd)"
prefix_dir="${1:-$source_dir/build-win/wineprefix}"

# The x86-64 compilers serve machines whose kernel cannot run 32-bit programs: there Wine has
# only its 64-bit half, and the tests run as 64-bit builds of the same sources.
packages=(
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine wine64 wine32:i386 xvfb fonts-wqy-microhei locales
)

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup-windows: installing ${missing[*]}"
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Without the glibc locale Wine silently keeps the ANSI code page 1252.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  "${sudo_cmd[@]}" localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi

# A prefix made under another locale shows empty boxes for Chinese: make it under zh_CN.
if [ ! -f "$prefix_dir/system.reg" ]; then
  mkdir -p "$prefix_dir"
  echo "setup-windows: creating the Wine prefix $prefix_dir"
  env LANG=zh_CN.UTF-8 WINEPREFIX="$prefix_dir" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
    wineboot --init >/dev/null 2>&1
  env WINEPREFIX="$prefix_dir" wineserver -w
fi
