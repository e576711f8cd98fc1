#!/usr/bin/env bash
# Runs a Windows program under Wine: the cross build's CTest emulator.
#
#   wine-run.sh [--prefix DIR] PROGRAM [ARGS...]   run PROGRAM
#   wine-run.sh [--prefix DIR] --prepare           only prepare the prefix
#   wine-run.sh [--prefix DIR] --prefix-path       prepare it and print its folder
#
# The Wine prefix is $WINEPREFIX when set (scripts/test-windows.sh makes a fresh one per run),
# otherwise DIR (the build folder's own, for a plain `ctest` there). It is prepared once, on
# first use: COM5..COM9 are mapped through Wine's port table to links in PREFIX/ports, which a
# test aims at its own pseudo-terminal.
set -uo pipefail
wine="${MVF_WINE:-/usr/lib/wine/wine64}"
wineserver="$(dirname "$wine")/wineserver"
export WINEDEBUG=-all
# No Mono or Gecko installer prompts while a prefix is created.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

own_prefix=0
if [ "${1:-}" = "--prefix" ]; then
  if [ -z "${WINEPREFIX:-}" ]; then
    export WINEPREFIX="$2"
    own_prefix=1
  fi
  shift 2
fi
if [ -z "${WINEPREFIX:-}" ]; then
  echo "wine-run: defina WINEPREFIX ou --prefix" >&2
  exit 2
fi

prepare() {
  "$wine" wineboot -i >/dev/null 2>&1
  mkdir -p "$WINEPREFIX/ports"
  local n
  for n in 5 6 7 8 9; do
    "$wine" reg add 'HKLM\Software\Wine\Ports' /v "COM$n" /d "$WINEPREFIX/ports/com$n" /f >/dev/null 2>&1 || return 1
  done
  # No display here: windows (the single-instance message window) live on Wine's null driver.
  "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1 || return 1
  # Wine reads the port table when its services start.
  "$wineserver" -k >/dev/null 2>&1
  "$wineserver" -w >/dev/null 2>&1
  touch "$WINEPREFIX/.mvf-prepared"
}

if [ ! -f "$WINEPREFIX/.mvf-prepared" ]; then
  mkdir -p "$WINEPREFIX"
  exec 9>"$WINEPREFIX/.mvf-lock"
  flock 9
  if [ ! -f "$WINEPREFIX/.mvf-prepared" ] && ! prepare; then
    echo "wine-run: não foi possível preparar o prefixo Wine $WINEPREFIX" >&2
    exit 2
  fi
  flock -u 9
  exec 9>&-
fi
[ "${1:-}" = "--prepare" ] && exit 0
if [ "${1:-}" = "--prefix-path" ]; then
  echo "$WINEPREFIX"
  exit 0
fi
if [ "$own_prefix" = 0 ]; then
  exec "$wine" "$@"
fi
# Wine's services start with the first program of a session and inherit its output; through a
# pipe they would keep CTest waiting until they end. Files let the caller go at once.
out="$(mktemp)" err="$(mktemp)"
"$wine" "$@" >"$out" 2>"$err"
rc=$?
cat "$out"
cat "$err" >&2
rm -f "$out" "$err"
exit $rc
