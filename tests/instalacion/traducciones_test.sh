#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# traducciones_test.sh SOURCES PACKAGING_BUILD
# The translations of the menu entry, the AppStream data and the manual pages: the templates made
# afresh from the sources (tools/actualizar-traducciones-paquete.sh --plantillas) hold the same
# texts as the ones in the tree; each language of packaging/po/LINGUAS, and no other, has its two
# .po files; each of them passes msgfmt -c and has every text of the sources translated, none
# fuzzy; and the menu entry and AppStream data built in PACKAGING_BUILD keep every line of their
# templates, in order (the English and Spanish texts are installed as written).
set -euo pipefail
fuentes=$1
paquete=$2
cd "$fuentes"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fallos=0
falla() { echo "FALLO: $*" >&2; fallos=$((fallos + 1)); }
remedio="tools/actualizar-traducciones-paquete.sh, y traducir lo que quede"

tools/actualizar-traducciones-paquete.sh --plantillas "$tmp/plantillas"
idiomas=$(sed 's/#.*//' packaging/po/LINGUAS | xargs -n 1 | sort | xargs)

for par in po/tiendal-escritorio.pot man/po/tiendal-man.pot; do
  carpeta=packaging/$(dirname "$par")
  plantilla=packaging/$par
  nueva=$tmp/plantillas/$(basename "$par")
  if ! msgcmp --use-untranslated "$plantilla" "$nueva" >/dev/null 2>&1 ||
    ! msgcmp --use-untranslated "$nueva" "$plantilla" >/dev/null 2>&1; then
    falla "$plantilla no tiene los textos de las fuentes: $remedio"
  fi
  # The manual pages' sources are English: Spanish is one of their translations.
  esperados=$idiomas
  if [[ $carpeta == */man/po ]]; then esperados=$(echo es $idiomas | xargs -n 1 | sort | xargs); fi
  presentes=$(find "$carpeta" -maxdepth 1 -name '*.po' -printf '%f\n' | sed 's/\.po$//' | sort |
    xargs)
  [[ "$presentes" == "$esperados" ]] ||
    falla "$carpeta tiene los idiomas «$presentes», y se esperan «$esperados»"
  for idioma in $esperados; do
    po=$carpeta/$idioma.po
    [[ -f "$po" ]] || continue
    if ! estadistica=$(msgfmt -c --statistics -o /dev/null "$po" 2>&1); then
      falla "msgfmt -c $po: $estadistica"
    elif [[ "$estadistica" == *fuzzy* || "$estadistica" == *untranslated* ]]; then
      falla "$po: $estadistica"
    fi
    if ! faltan=$(msgcmp "$po" "$nueva" 2>&1); then
      falla "$po no traduce todos los textos de las fuentes ($remedio):"$'\n'"$faltan"
    fi
  done
done

# Every line of the template, in its order, among the lines of the built file.
for archivo in es.tiendal.Tiendal.desktop es.tiendal.Tiendal.metainfo.xml; do
  if [[ ! -f "$paquete/$archivo" ]]; then
    falla "no se generó $paquete/$archivo"
    continue
  fi
  perdida=$(awk 'NR == FNR { plantilla[++n] = $0; next }
                 i < n && $0 == plantilla[i + 1] { i++ }
                 END { if (i < n) print plantilla[i + 1] }' \
    "packaging/$archivo.in" "$paquete/$archivo")
  [[ -z "$perdida" ]] ||
    falla "$paquete/$archivo no conserva la línea «$perdida» de su plantilla"
done
exit $((fallos > 0))
