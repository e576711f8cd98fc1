#!/usr/bin/env bash
# mvf.exe balanca under Wine must read and interpret scale responses exactly as the native mvf.
# Usage: balanca-matches-native.sh interpretar|tcp|serial MVF_EXE NATIVE_MVF SCALE_SIM WINE_RUN...
#   interpretar  every model's parser on the same responses, both builds
#   tcp          readings from scale-sim on loopback (Winsock against POSIX sockets)
#   serial       readings from scale-sim on a pseudo-terminal that Wine maps to COM5 (comm API
#                against termios)
set -uo pipefail
mode="$1" mvf_exe="$2" native_mvf="$3" scale_sim="$4"
shift 4
wine_run=("$@")
work="$(mktemp -d "${TMPDIR:-/tmp}/mvf-balanca-win.XXXXXX")"
sims=()
cleanup() {
  local p
  for p in "${sims[@]}"; do kill "$p" 2>/dev/null; wait "$p" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
failures=0

fail() {
  echo "FALHA: $*"
  failures=$((failures + 1))
}

# Runs the same mvf arguments natively and under Wine: compare LABEL ARGS...
compare() {
  local label="$1"
  shift
  "$native_mvf" "$@" >"$work/n.out" 2>"$work/n.err" </dev/null
  local native_rc=$?
  "${wine_run[@]}" "$mvf_exe" "$@" >"$work/w.out" 2>"$work/w.err" </dev/null
  local windows_rc=$?
  local native_text windows_text
  native_text="$(tr -d '\r' <"$work/n.out")"
  windows_text="$(tr -d '\r' <"$work/w.out")"
  if [ "$native_rc" != "$windows_rc" ] || [ "$native_text" != "$windows_text" ]; then
    fail "$label: Linux (código $native_rc) e Windows (código $windows_rc) diferem"
    diff <(echo "$native_text"; cat "$work/n.err") <(echo "$windows_text"; tr -d '\r' <"$work/w.err") | head -8
  fi
}

# Starts scale-sim with the given arguments; the address or pty path it announces goes to
# $sim_address.
sim_address=""
sim_count=0
start_sim() {
  sim_count=$((sim_count + 1))
  local out="$work/sim-$sim_count.out"
  : >"$out"
  "$scale_sim" "$@" >>"$out" 2>"$work/sim.err" &
  sims+=($!)
  local i
  for ((i = 0; i < 100; i++)); do
    if [ -s "$out" ]; then
      sim_address="$(head -1 "$out")"
      return 0
    fi
    sleep 0.05
  done
  echo "scale-sim não respondeu: $(cat "$work/sim.err")" >&2
  return 1
}

stop_sims() {
  local p
  for p in "${sims[@]}"; do kill "$p" 2>/dev/null; wait "$p" 2>/dev/null; done
  sims=()
}

case "$mode" in
interpretar)
  # Frames of many makers, broken ones and plain noise: every parser must treat them alike on
  # both systems, whatever it makes of them.
  responses=(
    "02 20 30 31 32 35 30 03" "02 30 30 31 2E 32 35 30 03" "20 20 31 2E 32 35 30 20 6B 67 0D 0A"
    "2D 30 2E 35 30 30" "02 49 49 49 49 49 03" "02 2D 49 49 49 2C 49 49 49 03" "02 53 53 53 53 53 03"
    "53 54 2C 47 53 2C 2B 20 20 31 2E 32 35 30 6B 67 0D 0A" "55 53 2C 47 53 2C 2B 20 20 31 2E 32 35 30 6B 67 0D 0A"
    "4F 4C 0D 0A" "01 02 30 30 31 32 35 30 30 30 30 30 30 03 0D" "20 30 31 32 35 30 0D"
    "FF 00 13 37 80 7F" "30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30"
    "02 20 20 30 2E 30 30 30 03" "20 31 2C 32 35 30 20 6B 67" "02 30 31 2E 32 35 30 30 30 2E 30 30 30 03"
  )
  hex_args=()
  for r in "${responses[@]}"; do hex_args+=(--hex "$r"); done
  for m in $(seq 0 38); do
    compare "interpretar-$m" balanca interpretar --modelo "$m" "${hex_args[@]}" --decimal ,
    compare "interpretar-ponto-$m" balanca interpretar --modelo "$m" "${hex_args[@]}" --decimal .
  done
  compare "interpretar-posicoes" balanca interpretar --modelo 0 --pos-ini 2 --pos-fim 6 "${hex_args[@]}"
  ;;
tcp | serial)
  prefix="$("${wine_run[@]}" --prefix-path)" || exit 1
  # Each reading gets a fresh stand-in, so both builds see the same exchange: a model, what the
  # scale says, and the exit code expected (0 when a weight comes back).
  cases=(
    "balToledo|1.250|0" "balToledo|instavel;2.500|1" "balToledo|negativo|1" "balToledo|sobrecarga|1"
    "balFilizola|0.755|0" "balUrano|3.120|0" "balMagna|12.345|0" "balLider|4.321|0"
    "balToledo|1.250/partido|0" "balToledo|silencio|1"
  )
  for c in "${cases[@]}"; do
    IFS='|' read -r model steps expected_rc <<<"$c"
    label="$mode $model $steps"
    for side in native windows; do
      if [ "$mode" = tcp ]; then
        start_sim --modelo "$model" --tcp 127.0.0.1:0 --sequencia "$steps" || break
        port="TCP:127.0.0.1:${sim_address##*:}"
      else
        start_sim --modelo "$model" --pty --sequencia "$steps" || break
        port="$sim_address"
        if [ "$side" = windows ]; then
          ln -sfn "$port" "$prefix/ports/com5"
          port=COM5
        fi
      fi
      if [ "$side" = native ]; then
        "$native_mvf" balanca ler --modelo "$model" --porta "$port" --timeout 1500 >"$work/n.out" 2>"$work/n.err" </dev/null
        native_rc=$?
      else
        "${wine_run[@]}" "$mvf_exe" balanca ler --modelo "$model" --porta "$port" --timeout 1500 \
          >"$work/w.out" 2>"$work/w.err" </dev/null
        windows_rc=$?
      fi
      stop_sims
    done
    if [ ! -f "$work/n.out" ] || [ ! -f "$work/w.out" ]; then
      fail "$label: scale-sim não iniciou"
      continue
    fi
    native_text="$(tr -d '\r' <"$work/n.out")"
    windows_text="$(tr -d '\r' <"$work/w.out")"
    if [ "$native_rc" != "$windows_rc" ] || [ "$native_text" != "$windows_text" ]; then
      fail "$label: Linux (código $native_rc) e Windows (código $windows_rc) diferem"
      diff <(echo "$native_text"; cat "$work/n.err") <(echo "$windows_text"; tr -d '\r' <"$work/w.err") | head -8
    elif [ "$native_rc" != "$expected_rc" ]; then
      # Both builds agreeing on a wrong outcome is still wrong.
      fail "$label: esperado código $expected_rc, veio $native_rc"
      echo "$native_text"
    fi
    rm -f "$work/n.out" "$work/w.out"
  done
  ;;
*)
  echo "modo desconhecido: $mode" >&2
  exit 2
  ;;
esac

if [ "$failures" -ne 0 ]; then
  echo "$failures comparações falharam"
  exit 1
fi
echo "mvf.exe e mvf concordam em todas as comparações ($mode)"
