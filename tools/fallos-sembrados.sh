#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Plants each fault of tools/fallos-sembrados.txt, one at a time, in a scratch copy of the work
# tree, builds it, runs the test suite and says whether the suite caught the fault.
#   tools/fallos-sembrados.sh [--lista | --aplican] [ID...]
# With IDs, only those faults. --lista prints the faults and ends; --aplican only says whether
# each fault still finds its lines in the work tree (after code has moved), without building.
# The copy lies in $TIENDAL_FALLOS_COPIA (${TMPDIR:-/tmp}/tiendal-fallos by default) and is kept
# between runs, so that the next run builds only what changed. The suite is the one ./test runs,
# under LC_ALL=C only and without the storm: a fault that only the storm would catch counts as
# missed.
# Warnings are not errors in the copy: a fault is caught by a test, not by the compiler. A fault
# that does not build at all counts as caught, shown as "no compila", and is better replaced.
# Ends with status 1 when a fault is missed or no longer applies to the code.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
lista="$raiz/tools/fallos-sembrados.txt"
copia="${TIENDAL_FALLOS_COPIA:-${TMPDIR:-/tmp}/tiendal-fallos}"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy LC_ALL=C

# The list's reader and the planter (tools/fallos_sembrados.py).
plantador() { python3 "$raiz/tools/fallos_sembrados.py" "$lista" "$@"; }

if [[ "${1:-}" == "--lista" ]]; then
  plantador lista
  exit 0
fi
if [[ "${1:-}" == "--aplican" ]]; then
  shift
  if (($# > 0)); then ids=("$@"); else mapfile -t ids < <(plantador ids); fi
  fallan=0
  for id in "${ids[@]}"; do
    salida=$(plantador aplica "$id" "$raiz") || { fallan=1; printf '%-28s %s\n' "$id" "$salida"; }
  done
  ((fallan == 0)) && echo "Los ${#ids[@]} fallos encuentran sus líneas."
  exit $fallan
fi
if [[ "${1:-}" == -* ]]; then
  # The comment at the top, without its licence lines.
  awk 'NR == 1 || /SPDX-/ { next } !/^#/ { exit } { sub(/^# ?/, ""); print }' "$0" | sed '1{/^$/d}'
  exit 0
fi
if (($# > 0)); then ids=("$@"); else mapfile -t ids < <(plantador ids); fi

# The copy: the work tree's files as they are now, committed or not; a file is only rewritten
# when it differs, so that the build in the copy stays incremental.
echo "== copia de trabajo en $copia"
mkdir -p "$copia"
(cd "$raiz" && git ls-files -z --cached --others --exclude-standard) |
  while IFS= read -r -d '' archivo; do
    [[ -f "$raiz/$archivo" ]] || continue
    if ! cmp -s "$raiz/$archivo" "$copia/$archivo"; then
      mkdir -p "$(dirname "$copia/$archivo")"
      cp -p "$raiz/$archivo" "$copia/$archivo"
    fi
  done
build="$copia/build/ci"
if [[ ! -f "$build/CMakeCache.txt" ]]; then
  (cd "$copia" && cmake --preset ci -B "$build" -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
    -DTIENDAL_WERROR=OFF >/dev/null)
fi

compilar() { nice cmake --build "$build" -j "$(nproc)" >"$1" 2>&1; }
probar() {
  # Without the times of earlier runs ctest keeps the order in which the tests are declared: the
  # quick tables of the core first, so that a caught fault stops the run early.
  rm -f "$build/Testing/Temporary/CTestCostData.txt"
  # A test that fails is run once more: a test upset by a busy machine must not pass for a
  # caught fault.
  nice ctest --test-dir "$build" -LE tormenta --stop-on-failure --repeat until-pass:2 \
    --timeout 300 -j "$(nproc)" >"$1" 2>&1
}
# The first test that failed, as ctest names it (not one it skipped or did not run).
primer_fallo() {
  sed -n '/tests FAILED:/,$s/^[[:space:]]*[0-9]* - \([^ ]*\).* (.*)$/\1/p' "$1" | head -n 1
}

registro="$copia/registros"
mkdir -p "$registro"
echo "== sin fallos plantados"
if ! compilar "$registro/base-compilacion.log"; then
  tail -n 30 "$registro/base-compilacion.log"
  echo "La copia sin fallos no compila." >&2
  exit 2
fi
if ! probar "$registro/base-pruebas.log"; then
  grep -A 20 'tests FAILED' "$registro/base-pruebas.log" || tail -n 30 "$registro/base-pruebas.log"
  echo "Las pruebas no pasan sin ningún fallo plantado." >&2
  exit 2
fi

# Should the run be cut short, the file with a fault planted in it is put back.
archivo=
trap '[[ -n "$archivo" ]] && cp "$raiz/$archivo" "$copia/$archivo"' EXIT

atrapados=0
escapados=()
no_compilan=()
no_aplican=()
for id in "${ids[@]}"; do
  archivo=$(plantador archivo "$id")
  inicio=$SECONDS
  if ! salida=$(plantador plantar "$id" "$copia"); then
    no_aplican+=("$id")
    printf '%-28s NO APLICA  %s\n' "$id" "$salida"
    continue
  fi
  if ! compilar "$registro/$id-compilacion.log"; then
    resultado="atrapado (no compila)"
    no_compilan+=("$id")
    atrapados=$((atrapados + 1))
  elif probar "$registro/$id-pruebas.log"; then
    resultado="ESCAPADO"
    escapados+=("$id")
  else
    resultado="atrapado por $(primer_fallo "$registro/$id-pruebas.log")"
    atrapados=$((atrapados + 1))
  fi
  cp "$raiz/$archivo" "$copia/$archivo"  # a fresh time stamp: the next build takes it again
  archivo=
  printf '%-28s %s (%d s)\n' "$id" "$resultado" $((SECONDS - inicio))
done

echo "== resumen"
echo "fallos: ${#ids[@]}; atrapados: $atrapados; escapados: ${#escapados[@]}; no aplican: ${#no_aplican[@]}"
((${#escapados[@]} == 0)) || echo "escapados: ${escapados[*]}"
((${#no_compilan[@]} == 0)) || echo "no compilan (mejor cambiarlos): ${no_compilan[*]}"
((${#no_aplican[@]} == 0)) || echo "no aplican (el código ha cambiado): ${no_aplican[*]}"
((${#escapados[@]} == 0 && ${#no_aplican[@]} == 0))
