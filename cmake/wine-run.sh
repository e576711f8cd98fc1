#!/usr/bin/env bash
# Runs a Windows program under Wine: CTest's emulator for the cross build.
# Uses $WINEPREFIX when the caller prepared one (scripts/test-windows.sh does, once per run);
# otherwise makes a throw-away prefix for this one run.
set -uo pipefail
wine="${MVF_WINE:-/usr/lib/wine/wine64}"
export WINEDEBUG=-all
# No Mono or Gecko installer prompts while a prefix is created.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
if [ -n "${WINEPREFIX:-}" ]; then
  exec "$wine" "$@"
fi
WINEPREFIX="$(mktemp -d "${TMPDIR:-/tmp}/mvf-wine.XXXXXX")"
export WINEPREFIX
"$wine" "$@"
rc=$?
"$(dirname "$wine")/wineserver" -k >/dev/null 2>&1
rm -rf "$WINEPREFIX"
exit $rc
