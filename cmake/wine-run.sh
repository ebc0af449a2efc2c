#!/bin/sh
# Runs a Windows program under Wine for the mingw build's tests: one prefix inside the
# build folder (OBRIX_WINEPREFIX, or wineprefix beside the current build's CMakeCache),
# made once under a lock, Wine's own messages silenced.
set -e
if [ -z "${WINEPREFIX:-}" ]; then
  dir=$(pwd)
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ -f "$dir/CMakeCache.txt" ] || dir=${TMPDIR:-/tmp}
  WINEPREFIX=${OBRIX_WINEPREFIX:-$dir/wineprefix}
fi
export WINEPREFIX
export WINEDEBUG=${WINEDEBUG:--all}
# No menu entries, file associations or Mono/Gecko prompts in the prefix.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"winemenubuilder.exe,mscoree,mshtml=d"}
wine=${OBRIX_WINE:-/usr/lib/wine/wine64}
if [ ! -f "$WINEPREFIX/.obrix-ready" ]; then
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.obrix-ready" ]; then
      "$wine" wineboot --init >/dev/null 2>&1 || true
      /usr/lib/wine/wineserver64 -w 2>/dev/null || wineserver -w 2>/dev/null || true
      touch "$WINEPREFIX/.obrix-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi
exec "$wine" "$@"
