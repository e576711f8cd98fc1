#!/usr/bin/env bash
# Cross-builds the std C++ layers, their test suites and mvf.exe for Windows (mingw-w64) and runs
# the suites under Wine. The checks that compare mvf.exe with the native mvf, or talk to the native
# scale-sim, use the native build in MVF_BUILD_DIR (its mvf and scale-sim are built when missing).
# Ends with CTest's summary line.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${MVF_WINDOWS_BUILD_DIR:-$root/build-windows}"
native="${MVF_BUILD_DIR:-$root/build}"
wine="${MVF_WINE:-/usr/lib/wine/wine64}"
jobs="${MVF_JOBS:-2}"

for tool in x86_64-w64-mingw32-g++-posix "$wine"; do
  if ! command -v "$tool" >/dev/null; then
    echo "test-windows: $tool não encontrado (instale com scripts/install-deps.sh)" >&2
    exit 1
  fi
done

# The native tools the comparisons run against.
if [ ! -f "$native/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$native" -DCMAKE_BUILD_TYPE="${MVF_BUILD_TYPE:-Debug}" -DMVF_WERROR=ON >/dev/null
fi
native_targets=(mvf)
if [ -f "$root/tools/scale-sim/CMakeLists.txt" ]; then native_targets+=(scale-sim); fi
cmake --build "$native" -j"$jobs" --target "${native_targets[@]}" >/dev/null

cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE="${MVF_BUILD_TYPE:-Debug}" -DMVF_WERROR=ON -DMVF_BENCH=OFF \
  -DMVF_NATIVE_BUILD_DIR="$native" >/dev/null
cmake --build "$build" -j"$jobs"

# One Wine prefix for the whole run: creating it takes seconds, running a program in it does not.
WINEPREFIX="$(mktemp -d "${TMPDIR:-/tmp}/mvf-wine.XXXXXX")"
export WINEPREFIX
wineserver="$(dirname "$wine")/wineserver"
cleanup() {
  WINEDEBUG=-all "$wineserver" -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
"$root/cmake/wine-run.sh" --prepare
# Keep the server and Wine's services up between test programs instead of restarting them for
# each. The services are started here, away from CTest's output pipes, which they would hold open.
WINEDEBUG=-all "$wineserver" -p >/dev/null 2>&1 || true
"$root/cmake/wine-run.sh" cmd /c exit 0 </dev/null >/dev/null 2>&1 || true

cd "$build"
# Now and then a Wine process dies before the program's first line; a case that fails is run once
# more, so only a failure that repeats fails the run.
ctest --output-on-failure -j"$jobs" --timeout 300 --repeat until-pass:2
