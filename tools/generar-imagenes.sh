#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the product pictures of tools/productos.tsv into CARPETA/imágenes (data/ of this
# repository by default), building the drawing tool tiendal-imagenes first in build/dev
# (TIENDAL_BUILD=DIR: in DIR/dev, as ./test puts its builds under DIR).
#   tools/generar-imagenes.sh [CARPETA]
# Needs the Noto Color Emoji font (Debian package fonts-noto-color-emoji); the program does not.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
carpeta=${1:-"$raiz/data"}

if ! fc-list 2>/dev/null | grep -q 'Noto Color Emoji'; then
  echo "generar-imagenes: falta la fuente Noto Color Emoji;" \
    "instálela con: sudo apt-get install fonts-noto-color-emoji" >&2
  exit 2
fi

construccion=${TIENDAL_BUILD:-build}/dev
[[ $construccion == /* ]] || construccion=$raiz/$construccion
if [[ ! -f "$construccion/CMakeCache.txt" ]]; then
  (cd "$raiz" && cmake --preset dev -B "$construccion" >/dev/null)
fi
cmake --build "$construccion" --target tiendal-imagenes >/dev/null
QT_QPA_PLATFORM=offscreen "$construccion/bin/tiendal-imagenes" "$raiz/tools/productos.tsv" \
  "$carpeta/imágenes"
