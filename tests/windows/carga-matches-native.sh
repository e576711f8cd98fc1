#!/usr/bin/env bash
# mvf.exe carga under Wine must write the same load files, byte for byte, as the native mvf carga,
# for every model, and fail the same way on bad input.
# Usage: carga-matches-native.sh MVF_EXE NATIVE_MVF FIXTURE_DIR WINE_RUN...
set -uo pipefail
mvf_exe="$1" native_mvf="$2" fixtures="$3"
shift 3
wine_run=("$@")
work="$(mktemp -d "${TMPDIR:-/tmp}/mvf-carga-win.XXXXXX")"
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FALHA: $*"
  failures=$((failures + 1))
}

# Wine sees the Linux root as drive Z:.
winpath() { local p="$1"; printf 'Z:%s' "${p//\//\\}"; }

# A longer list with a spread of departments, tares, prices and texts that no fixture spells out.
generate_items() {
  local n="$1" i sep=""
  printf '['
  for ((i = 1; i <= n; i++)); do
    local price=$(( (i * 7919) % 200000 ))
    printf '%s\n{"Codigo": %d, "Descricao": "PRODUTO %d %s", "Tipo": "%s", "ValorVenda": %d.%02d,' \
      "$sep" "$((i * 37 % 100000))" "$i" "$( ((i % 3 == 0)) && echo "AÇÚCAR CRISTAL" || echo "feijão carioca")" \
      "$( ((i % 2)) && echo tpvPeso || echo tpvUnidade)" "$((price / 100))" "$((price % 100))"
    printf '"Validade": %d, "TipoValidade": "%s", "CodigoTara": %d, "CodigoFornecedor": %d,' \
      "$((i % 400))" "$( ((i % 5 == 0)) && echo tpvMeses || echo tpvDias)" "$((i % 9))" "$((i % 4))"
    printf '"Setor": {"Codigo": %d, "Descricao": "%s"},' "$((i % 13))" \
      "$( ((i % 2)) && echo "Mercearia $((i % 13))" || echo "MERCEARIA $((i % 13))")"
    printf '"Tara": {"Codigo": %d, "Descricao": "Tara %d", "Valor": 0.%03d},' "$((i % 9))" "$((i % 9))" "$((i % 9 * 5))"
    printf '"Fornecedor": {"Codigo": %d, "Descricao1": "Fornecedor %d Ltda"},' "$((i % 4))" "$((i % 4))"
    printf '"InformacaoExtra": {"Receita": "%s"},' "$( ((i % 4 == 0)) && echo "Ingredientes do item $i: farinha, água e sal" || echo "")"
    printf '"Teclado": {"Tecla": %d},' "$((i % 50))"
    printf '"Nutricional": {"Codigo": %d, "Descricao": "%s", "Qtd": %d, "ValorEnergetico": %d, "Carboidrato": %d.%d, "Sodio": %d.%d}}' \
      "$( ((i % 2)) && echo $i || echo 0)" "$( ((i % 2)) && echo "Tabela $i" || echo "")" "$((i % 300))" "$((i * 3 % 900))" \
      "$((i % 40))" "$((i % 10))" "$((i % 700))" "$((i % 10))"
    sep=","
  done
  printf '\n]\n'
}

# Runs one load both ways and compares exit code, messages, the listed files and every byte.
# Extra arguments go to both programs.
compare() {
  local label="$1" items="$2" model="$3"
  shift 3
  local n="$work/n-$label" w="$work/w-$label"
  mkdir -p "$n/out" "$w/out"
  "$native_mvf" carga --modelo "$model" --dir "$n/out" --itens "$items" "$@" >"$n/stdout" 2>"$n/stderr" </dev/null
  local native_rc=$?
  "${wine_run[@]}" "$mvf_exe" carga --modelo "$model" --dir "$(winpath "$w/out")" --itens "$(winpath "$items")" "$@" \
    >"$w/stdout" 2>"$w/stderr" </dev/null
  local windows_rc=$?
  if [ "$native_rc" != "$windows_rc" ]; then
    fail "$label: código de saída $native_rc (Linux) e $windows_rc (Windows)"
    sed 's/^/  Linux: /' "$n/stderr"
    sed 's/^/  Windows: /' "$w/stderr"
    return
  fi
  # Messages name the files as each system spells them.
  local message_native message_windows
  message_native="$(tr -d '\r' <"$n/stderr")"
  message_native="${message_native//"$items"/ITENS}"
  message_windows="$(tr -d '\r' <"$w/stderr")"
  message_windows="${message_windows//"$(winpath "$items")"/ITENS}"
  if [ "$message_native" != "$message_windows" ]; then
    fail "$label: mensagens diferentes"
    diff <(echo "$message_native") <(echo "$message_windows") | head -5
  fi
  # The listed paths differ in folder and separator; the files named, and their order, must not.
  local listed_native listed_windows
  listed_native="$(tr -d '\r' <"$n/stdout" | sed 's#.*[\\/]##')"
  listed_windows="$(tr -d '\r' <"$w/stdout" | sed 's#.*[\\/]##')"
  if [ "$listed_native" != "$listed_windows" ]; then
    fail "$label: arquivos listados diferentes"
    diff <(echo "$listed_native") <(echo "$listed_windows") | head -5
  fi
  if [ "${expect_files:-1}" = 1 ] && { [ "$native_rc" != 0 ] || [ -z "$listed_native" ]; }; then
    fail "$label: a carga não foi gerada (código $native_rc)"
    head -3 "$n/stderr"
  fi
  if ! diff -r "$n/out" "$w/out" >"$work/diff" 2>&1; then
    fail "$label: arquivos diferentes"
    head -5 "$work/diff"
    local f
    for f in "$n/out"/*; do
      local b="${f##*/}"
      if [ -f "$w/out/$b" ] && ! cmp -s "$f" "$w/out/$b"; then
        cmp "$f" "$w/out/$b" | head -1
      fi
    done
  fi
}

generate_items 300 >"$work/itens-gerados.json"

models=(0 1 2 3 4 5 6 7 8 9 10)
for m in "${models[@]}"; do
  compare "variados-$m" "$fixtures/itens-variados.json" "$m" --decimal , --milhar .
  compare "variados-ponto-$m" "$fixtures/itens-variados.json" "$m" --decimal . --milhar ,
  compare "gerados-$m" "$work/itens-gerados.json" "$m" --decimal , --milhar .
done
# Models named by their enumeration name.
compare "nome-modelo" "$fixtures/itens-variados.json" modToledoMGV6 --decimal , --milhar .
compare "nome-modelo-urano" "$fixtures/itens-variados.json" modUranoS --decimal . --milhar ,

# Bad input: both builds refuse it with the same message and exit code.
printf '[]\n' >"$work/vazio.json"
printf '[{"Codigo": 1, "Desconhecida": 2}]\n' >"$work/chave.json"
printf '[{"Codigo": "um"}]\n' >"$work/tipo.json"
expect_files=0
compare "lista-vazia" "$work/vazio.json" 5
compare "chave-desconhecida" "$work/chave.json" 5
compare "tipo-errado" "$work/tipo.json" 5
expect_files=1

if [ "$failures" -ne 0 ]; then
  echo "$failures comparações falharam"
  exit 1
fi
echo "mvf.exe e mvf geraram os mesmos arquivos em todas as comparações"
