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
  # The stand-in writes its certificate on the first start; the program must find it.
  for _ in $(seq 50); do [ -s "$MARIVELTA_HOME/erp-sim/ca.pem" ] && break; sleep 0.1; done
  export MARIVELTA_ERP_URL="https://127.0.0.1:8443/api/mobilidade"
  export MARIVELTA_ERP_CA="$MARIVELTA_HOME/erp-sim/ca.pem"
  echo "ERP de demonstração: $MARIVELTA_ERP_URL (usuário demo, senha demo)"
fi
if [ -x "$build/tools/scale-sim/scale-sim" ]; then
  "$build/tools/scale-sim/scale-sim" --modelo balToledo --tcp 127.0.0.1:9100 --peso 1.250 &
  pids+=($!)
  echo "Balança de demonstração: TCP:127.0.0.1:9100 (Toledo, 1,250 kg)"
fi
# A first balanca.ini for the demo: loads go to demo/cargas in the MGV6 format, and the
# integrated-scale page points at the scale stand-in. An existing file is left as it is.
if [ ! -e "$MARIVELTA_HOME/balanca.ini" ]; then
  mkdir -p "$MARIVELTA_HOME/cargas"
  printf '[CONFIG]\r\nMODELO=modToledoMGV6\r\nIDMODELO=5\r\nDIRETORIO_TXT=%s\r\nCAMPO=0\r\nMONITOR_BALANCA=0\r\nTIMER_MONITOR=3\r\nINICIA_WIN=0\r\n[BALANCA]\r\nMODELO=2\r\nPORTA=TCP:127.0.0.1:9100\r\nBAUD=6\r\nDATA=3\r\nBAUD_TEXT=9600\r\nDATA_TEXT=8\r\nPARITY=0\r\nSTOP=0\r\nHAND=0\r\nTIMEOUT=2000\r\nUSAR_BALANCA=0\r\n' \
    "$MARIVELTA_HOME/cargas" >"$MARIVELTA_HOME/balanca.ini"
  echo "Cargas de balança: $MARIVELTA_HOME/cargas (Toledo MGV6; troque em Configuração de balança)"
fi
sleep 0.5
"$build/src/app/MariveltaFerramentas"
