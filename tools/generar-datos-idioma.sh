#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the sample data set of another language, data/LANG, from data/ and the names in
# tools/nombres-productos.tsv: imágenes/<name>.jpg as relative links to the Spanish pictures
# (../../imágenes/<Spanish name>.jpg, never copies), precios.txt in Windows-1252 with CR LF in
# the order and with the prices of data/precios.txt, then the sounds, by
# tools/generar-voces.sh LANG. The same input always gives the same files; a product sound
# whose product left the set goes with its picture.
#   tools/generar-datos-idioma.sh [--todas] LANG
# LANG is ca, eu or gl; --todas also rewrites the product sounds that already exist.
set -euo pipefail

todas=()
idioma=
for arg in "$@"; do
  case "$arg" in
    --todas) todas=(--todas) ;;
    -h | --help)
      # The comment at the top, without its licence lines.
      awk 'NR == 1 || /SPDX-/ { next } !/^#/ { exit } { sub(/^# ?/, ""); print }' "$0"
      exit 0
      ;;
    ca | eu | gl)
      if [[ -n "$idioma" ]]; then
        echo "generar-datos-idioma: sobra el argumento $arg" >&2
        exit 2
      fi
      idioma=$arg
      ;;
    *)
      echo "generar-datos-idioma: idioma desconocido: $arg (ca, eu o gl)" >&2
      exit 2
      ;;
  esac
done
if [[ -z "$idioma" ]]; then
  echo "uso: tools/generar-datos-idioma.sh [--todas] ca|eu|gl" >&2
  exit 2
fi
raiz=$(cd "$(dirname "$0")/.." && pwd)
tabla="$raiz/tools/nombres-productos.tsv"
origen="$raiz/data"
destino="$raiz/data/$idioma"
case "$idioma" in
  ca) columna=2 ;;
  eu) columna=3 ;;
  gl) columna=4 ;;
esac

# Spanish name -> name in the language, from the table.
declare -A nombre
while IFS=$'\t' read -r -a campos; do
  [[ ${#campos[@]} -eq 0 || "${campos[0]}" == \#* ]] && continue
  if ((${#campos[@]} != 4)); then
    echo "generar-datos-idioma: $tabla: la línea de «${campos[0]}» no tiene 4 campos" >&2
    exit 1
  fi
  nombre[${campos[0]}]=${campos[columna - 1]}
done <"$tabla"

# The Spanish prices file, line by line: every product of data/ must have its name in the table.
mapfile -t lineas < <(iconv -f WINDOWS-1252 -t UTF-8 "$origen/precios.txt" | tr -d '\r')
texto=
declare -A enlaces
for linea in "${lineas[@]}"; do
  [[ -z "$linea" ]] && continue
  es=${linea%%|*}
  precio=${linea#*|}
  traducido=${nombre[$es]:-}
  if [[ -z "$traducido" ]]; then
    echo "generar-datos-idioma: «$es» no está en $tabla" >&2
    exit 1
  fi
  if [[ ! -f "$origen/imágenes/$es.jpg" ]]; then
    echo "generar-datos-idioma: falta la imagen $origen/imágenes/$es.jpg" >&2
    exit 1
  fi
  if [[ -n "${enlaces[$traducido]+sí}" ]]; then
    echo "generar-datos-idioma: «$traducido» nombra dos productos en $idioma" >&2
    exit 1
  fi
  enlaces[$traducido]=$es
  texto+="$traducido|$precio"$'\r\n'
done
if ((${#enlaces[@]} != ${#nombre[@]})); then
  echo "generar-datos-idioma: $tabla y $origen/precios.txt no nombran los mismos productos" >&2
  exit 1
fi

mkdir -p "$destino/imágenes" "$destino/Sonidos"
# Pictures whose name left the table take their sound with them.
shopt -s nullglob
for viejo in "$destino/imágenes"/*; do
  archivo=$(basename "$viejo")
  if [[ -z "${enlaces[${archivo%.jpg}]+sí}" ]]; then
    rm -f "$viejo" "$destino/Sonidos/${archivo%.jpg}.wav"
  fi
done
for traducido in "${!enlaces[@]}"; do
  ln -sfn "../../imágenes/${enlaces[$traducido]}.jpg" "$destino/imágenes/$traducido.jpg"
done
if ! printf '%s' "$texto" | iconv -f UTF-8 -t WINDOWS-1252 >"$destino/precios.txt.tmp"; then
  rm -f "$destino/precios.txt.tmp"
  echo "generar-datos-idioma: un nombre de $idioma no cabe en Windows-1252" >&2
  exit 1
fi
mv "$destino/precios.txt.tmp" "$destino/precios.txt"

"$raiz/tools/generar-voces.sh" "${todas[@]}" "$idioma" "$destino"
