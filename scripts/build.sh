#!/usr/bin/env bash
# Configures and builds the native program and its tests into build/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${MVF_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE="${MVF_BUILD_TYPE:-Debug}" -DMVF_WERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
