#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# tools/nombres.sh
# Windows, controls and their handlers are named by their role. Fails, listing each place as
# file:line: text, when the sources (C++, Python, shell, CMake, the tests, benchmarks and fuzz
# targets, the planted faults) use one of the design's bare control names instead, in any case
# and anywhere in an identifier: text1, text2, list1, label1, picture1, image1, okbutton,
# cancelbutton, lbnombre, tbprecio, lbresultado, tbresultado, cbcorregir, cbnuevo, mnuopc…,
# form1, form2; dialog as a word or the head of one (DialogTest, dialog_; not QDialog,
# Qt::Dialog, the screen readers' ROLE_DIALOG or dialogo); a handler's _click, _dblclick or _keydown ending. This script, which
# has to spell them, is the one file left out.
set -euo pipefail
cd "$(dirname "$0")/.."

controles='text[12]|list1|label1|picture1|image1|okbutton|cancelbutton|lbnombre|tbprecio'
controles+='|lbresultado|tbresultado|cbcorregir|cbnuevo|mnuopc|form[12]'
patron="$controles|(?<![[:alnum:]])(?<!Qt::)(?<!ROLE_)dialog(?-i:(?![a-z0-9]))|_(dbl)?click(?![[:alpha:]])"
patron+='|_keydown(?![[:alpha:]])'

mapfile -t archivos < <(tools/archivos.sh '*.cpp' '*.h' '*.py' '*.sh' '*CMakeLists.txt' \
  'tests/*' 'bench/*' 'fuzz/*' 'tools/fallos-sembrados.txt' run test .ci/run |
  grep -vx 'tools/nombres.sh')
if ((${#archivos[@]} == 0)); then
  echo "nombres: no hay archivos que revisar" >&2
  exit 2
fi
if hallados=$(grep -HnIiP -- "$patron" "${archivos[@]}"); then
  printf '%s\n' "$hallados" >&2
  echo "nombres: $(wc -l <<<"$hallados") líneas nombran controles como el diseño, no por su papel" >&2
  exit 1
fi
echo "nombres: ningún control ni manejador lleva el nombre del diseño (${#archivos[@]} archivos)"
