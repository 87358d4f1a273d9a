#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the menu icon's PNG sizes (packaging/iconos/lados.txt) from its SVG,
# packaging/iconos/<id>.svg, into packaging/iconos/<size>/. Needs rsvg-convert (Debian librsvg2-bin); the PNGs are committed,
# so building Tiendal does not.
set -euo pipefail
cd "$(dirname "$0")/../packaging/iconos"
if ! command -v rsvg-convert >/dev/null; then
  echo "generar-iconos.sh: falta rsvg-convert (paquete librsvg2-bin)" >&2
  exit 2
fi
id=es.tiendal.Tiendal
read -r -a lados < <(grep -v '^#' lados.txt)
for lado in "${lados[@]}"; do
  mkdir -p "$lado"
  rsvg-convert -w "$lado" -h "$lado" "$id.svg" -o "$lado/$id.png"
done
