#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# tools/spdx.sh [CARPETA]
# Puts the licence header on every file of the repository in CARPETA (this one by default) that
# has none, in the comment style of its kind, after a shebang or XML declaration when there is
# one. Files that take no comment are covered by .reuse/dep5 and are left alone. Run it once,
# then check with `reuse lint`.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
anio=2026
quien="Tiendal developers"
licencia=GPL-3.0-or-later
etiqueta_c="SPDX-FileCopyrightText: $anio $quien"
etiqueta_l="SPDX-License""-Identifier: $licencia"

# Inserts the lines of $2 into file $1 after line $3 (0: at the top).
insertar() {
  local archivo=$1 cabecera=$2 tras=$3 tmp
  tmp=$(mktemp)
  { head -n "$tras" "$archivo"; printf '%s\n' "$cabecera"; tail -n +"$((tras + 1))" "$archivo"; } >"$tmp"
  chmod --reference="$archivo" "$tmp"
  mv "$tmp" "$archivo"
}

sin_estilo=0
while IFS= read -r -d '' archivo; do
  [[ -f "$archivo" ]] || continue
  case "$archivo" in
    LICENSE | LICENSES/* | .reuse/* | data/imágenes/* | data/Sonidos/* | data/precios.txt | \
      data/*/precios.txt | tools/productos.tsv | fuzz/corpus/* | CMakePresets.json | \
      packaging/changelog | packaging/copyright | *.png | *.jpg | *.wav) continue ;;
  esac
  if head -n 12 "$archivo" | grep -q 'SPDX-License''-Identifier'; then continue; fi
  tras=0
  if [[ "$(head -c 2 "$archivo")" == '#!' ]]; then tras=1; fi
  case "$archivo" in
    *.cpp | *.h) insertar "$archivo" "// $etiqueta_c"$'\n'"// $etiqueta_l" 0 ;;
    *.md) insertar "$archivo" "<!--"$'\n'"$etiqueta_c"$'\n'"$etiqueta_l"$'\n'"-->"$'\n' 0 ;;
    *.1) insertar "$archivo" ".\\\" $etiqueta_c"$'\n'".\\\" $etiqueta_l" 0 ;;
    *.xml | *.svg)
      tras=0
      if head -n 1 "$archivo" | grep -q '^<?xml'; then tras=1; fi
      insertar "$archivo" "<!--"$'\n'"$etiqueta_c"$'\n'"$etiqueta_l"$'\n'"-->" "$tras" ;;
    CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh | *.desktop | *.txt | .gitignore | \
      .clang-format | run | test | .ci/run | tools/*.sh)
      insertar "$archivo" "# $etiqueta_c"$'\n'"# $etiqueta_l" "$tras" ;;
    *)
      echo "spdx.sh: no sé poner la cabecera a $archivo" >&2
      sin_estilo=1 ;;
  esac
done < <(git ls-files -z --cached --others --exclude-standard)
exit $sin_estilo
