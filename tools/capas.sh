#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Checks the program's layers by their #include lines, and fails on the first layer broken:
#   core/            Qt Core only; no other module of the program, no SDL
#   audio/           the core, Qt Core and SDL; no other module of the program
#   window_base/     the core and Qt; neither window, nor audio
#   mouse_window/    the core, window_base and Qt; not the other window, nor audio
#   keyboard_window/ the core, window_base and Qt; not the other window, nor audio
#   record/          the core, Qt Core and libcsv; no other module of the program
#   results_window/  record, the core and Qt; no main window, no window_base, no audio
# Each include out of place is printed as file:line: include.
set -euo pipefail
cd "$(dirname "$0")/.."

qt=$(qtpaths6 --query QT_INSTALL_HEADERS 2>/dev/null || true)
[[ -d "$qt/QtCore" ]] || qt=/usr/include/x86_64-linux-gnu/qt6
if [[ ! -d "$qt/QtCore" ]]; then
  echo "capas: no se encuentran las cabeceras de Qt Core" >&2
  exit 2
fi

modulos=(app audio core keyboard_window mouse_window record results_window tools window_base)
declare -A prohibidos=(
  [core]="app audio keyboard_window mouse_window record results_window tools window_base"
  [audio]="app keyboard_window mouse_window record results_window tools window_base"
  [record]="app audio keyboard_window mouse_window results_window tools window_base"
  [window_base]="app audio keyboard_window mouse_window record results_window tools"
  [mouse_window]="app audio keyboard_window record results_window tools"
  [keyboard_window]="app audio mouse_window record results_window tools"
  [results_window]="app audio keyboard_window mouse_window tools window_base"
)
solo_qt_core=(core audio record)

fallos=0
fallo() {
  echo "$1: $2" >&2
  fallos=$((fallos + 1))
}

for capa in "${!prohibidos[@]}"; do
  read -r -a vetados <<<"${prohibidos[$capa]}"
  estricta=0
  for c in "${solo_qt_core[@]}"; do [[ $c == "$capa" ]] && estricta=1; done
  while IFS=: read -r archivo numero linea; do
    sitio="$archivo:$numero"
    cabecera=$(sed -E 's/^[^#]*#[[:space:]]*include[[:space:]]*[<"]([^>"]+)[>"].*/\1/' <<<"$linea")
    primera=${cabecera%%/*}
    if [[ $cabecera == */* ]]; then
      for v in "${vetados[@]}"; do
        [[ $primera == "$v" ]] && fallo "$sitio" "$cabecera (la capa $capa no incluye $v)"
      done
      for m in "${modulos[@]}"; do
        [[ $primera == "$m" ]] && continue 2
      done
    fi
    if [[ $capa == core && $cabecera == SDL* ]]; then
      fallo "$sitio" "$cabecera (el núcleo no usa SDL)"
    fi
    if ((estricta)) && [[ $cabecera == Q* ]]; then
      if [[ $cabecera == */* ]]; then
        [[ $primera == QtCore ]] || fallo "$sitio" "$cabecera (la capa $capa usa sólo Qt Core)"
      elif [[ ! -e "$qt/QtCore/$cabecera" ]]; then
        fallo "$sitio" "$cabecera (la capa $capa usa sólo Qt Core)"
      fi
    fi
  done < <(grep -HnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' \
             $(find "$capa" -name '*.h' -o -name '*.cpp' | sort) || true)
done

if ((fallos > 0)); then
  echo "capas: $fallos inclusiones fuera de su capa" >&2
  exit 1
fi
echo "capas: cada módulo incluye sólo las capas que le corresponden"
