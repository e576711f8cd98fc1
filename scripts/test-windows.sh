#!/usr/bin/env bash
# Cross-builds the std C++ layers, their test suites and mvf.exe for Windows (mingw-w64) and runs
# the suites under Wine. Ends with CTest's summary line.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${MVF_WINDOWS_BUILD_DIR:-$root/build-windows}"
wine="${MVF_WINE:-/usr/lib/wine/wine64}"

for tool in x86_64-w64-mingw32-g++-posix "$wine"; do
  if ! command -v "$tool" >/dev/null; then
    echo "test-windows: $tool não encontrado (instale com scripts/install-deps.sh)" >&2
    exit 1
  fi
done

cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE="${MVF_BUILD_TYPE:-Debug}" -DMVF_WERROR=ON -DMVF_BENCH=OFF >/dev/null
cmake --build "$build" -j"${MVF_JOBS:-2}"

# One Wine prefix for the whole run: creating it takes seconds, running a program in it does not.
WINEPREFIX="$(mktemp -d "${TMPDIR:-/tmp}/mvf-wine.XXXXXX")"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineserver="$(dirname "$wine")/wineserver"
cleanup() {
  "$wineserver" -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
"$wine" wineboot -i >/dev/null 2>&1 || true
# Keep the server up between test programs instead of restarting it for each.
"$wineserver" -p >/dev/null 2>&1 || true

cd "$build"
ctest --output-on-failure -j"${MVF_JOBS:-2}" --timeout 300
