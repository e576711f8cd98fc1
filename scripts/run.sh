#!/usr/bin/env bash
# Installs what is missing, builds, starts the ERP and scale stand-ins on loopback and then the
# program against them. Everything the demo writes lives in demo/ (or MARIVELTA_HOME).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
MVF_BUILD_TYPE="${MVF_BUILD_TYPE:-Release}" MVF_BUILD_DIR="${MVF_BUILD_DIR:-$root/build-demo}" "$root/scripts/build.sh"
build="${MVF_BUILD_DIR:-$root/build-demo}"
export MARIVELTA_HOME="${MARIVELTA_HOME:-$root/demo}"
mkdir -p "$MARIVELTA_HOME"

pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap cleanup EXIT

if [ -x "$build/tools/erp-sim/erp-sim" ]; then
  "$build/tools/erp-sim/erp-sim" --port 8443 --cert-dir "$MARIVELTA_HOME/erp-sim" &
  pids+=($!)
  export MARIVELTA_ERP_URL="https://127.0.0.1:8443/api/mobilidade"
  export MARIVELTA_ERP_CA="$MARIVELTA_HOME/erp-sim/ca.pem"
  echo "ERP de demonstração: $MARIVELTA_ERP_URL (usuário demo, senha demo)"
fi
if [ -x "$build/tools/scale-sim/scale-sim" ]; then
  "$build/tools/scale-sim/scale-sim" --modelo balToledo --tcp 127.0.0.1:9100 --peso 1.250 &
  pids+=($!)
  echo "Balança de demonstração: TCP:127.0.0.1:9100 (Toledo, 1,250 kg)"
fi
sleep 1
"$build/src/app/MariveltaFerramentas"
