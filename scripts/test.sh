#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite: the native suite first,
# then the Windows build of the std C++ layers under Wine (MVF_WINDOWS=0 leaves it out).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
build="${MVF_BUILD_DIR:-$root/build}"
export QT_QPA_PLATFORM=offscreen
native=0
(cd "$build" && ctest --output-on-failure -j"$(nproc)" --timeout 300) || native=$?
windows=0
if [ "${MVF_WINDOWS:-1}" = "1" ]; then
  MVF_BUILD_DIR="$build" "$root/scripts/test-windows.sh" || windows=$?
fi
[ "$native" -eq 0 ] && [ "$windows" -eq 0 ]
