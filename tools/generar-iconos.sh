#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the menu icon's PNG sizes from its SVG, packaging/iconos/<id>.svg, into
# packaging/iconos/<size>/. Needs rsvg-convert (Debian librsvg2-bin); the PNGs are committed,
# so building Tiendal does not.
set -euo pipefail
cd "$(dirname "$0")/../packaging/iconos"
if ! command -v rsvg-convert >/dev/null; then
  echo "generar-iconos.sh: falta rsvg-convert (paquete librsvg2-bin)" >&2
  exit 2
fi
id=es.tiendal.Tiendal
for lado in 16 24 32 48 64 128 256; do
  mkdir -p "$lado"
  rsvg-convert -w "$lado" -h "$lado" "$id.svg" -o "$lado/$id.png"
done
