#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings the program's catalogues (traducciones/tiendal_<language>.ts) up to date with the texts
# in the code: new texts come in unfinished, texts gone from the code leave. Translators then
# fill them with Qt Linguist (linguist, Debian package qttools5-dev-tools or qt6-tools-dev-tools)
# or any text editor, and tools/revisar-traducciones.py checks them.
#   tools/actualizar-traducciones.sh [LANGUAGE...]     (ca eu gl when none is given)
set -euo pipefail

raiz=$(cd "$(dirname "$0")/.." && pwd)
lupdate=/usr/lib/qt6/bin/lupdate
if [[ ! -x $lupdate ]]; then
  echo "actualizar-traducciones: falta lupdate; instálelo con: apt-get install qt6-l10n-tools" >&2
  exit 2
fi
idiomas=("$@")
((${#idiomas[@]})) || idiomas=(ca eu gl)

cd "$raiz"
fuentes=(core audio record window_base mouse_window keyboard_window results_window app
  tools/tiendal_datos.cpp tools/revision_datos.cpp)
for idioma in "${idiomas[@]}"; do
  "$lupdate" -silent -locations none -no-obsolete -source-language es -target-language "$idioma" \
    -extensions cpp,h "${fuentes[@]}" -ts "traducciones/tiendal_$idioma.ts"
done
