#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# tools/actualizar-traducciones-paquete.sh [--plantillas CARPETA]
# Refreshes the translation templates of the menu entry, the AppStream data and the two manual
# pages from their sources, and merges them into the translators' files, one per language of
# packaging/po/LINGUAS:
#   packaging/po/tiendal-escritorio.pot, packaging/po/LANG.po   the menu entry and AppStream data
#   packaging/man/po/tiendal-man.pot, packaging/man/po/LANG.po  tiendal(1) and tiendal-datos(1)
# A language without its .po yet gets one (msginit). Merging keeps every translation; a source
# text that changed comes back fuzzy, with its previous wording, for the translator to check, and
# a new one untranslated: the check instalacion.traducciones fails until both are done. The
# references name the source file without a line number, so that an edit of a source moves
# nothing else in the .po files; a template whose only change would be its date is left as it was.
# With --plantillas CARPETA only the two templates are made, into CARPETA, and nothing in the
# tree changes (the check compares them with the .po files).
# Needs gettext and po4a (tools/dependencias.sh).
set -euo pipefail
destino=""
if (($# == 2)) && [[ $1 == --plantillas ]]; then
  mkdir -p "$2"
  destino=$(realpath "$2")
elif (($# > 0)); then
  echo "uso: tools/actualizar-traducciones-paquete.sh [--plantillas CARPETA]" >&2
  exit 2
fi
cd "$(dirname "$0")/.."
raiz=$PWD

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

idiomas=$(sed 's/#.*//' packaging/po/LINGUAS | xargs)
# The manual pages' sources are English: Spanish is one of their translations.
idiomas_man="es $idiomas"
version=$(sed -nE 's/^project\(Tiendal VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
anio=2026
quien="Tiendal developers"
correo=tiendal@example.org

# Replaces the comment lines that head the template $1 with the lines of $2, says UTF-8 where
# xgettext leaves the charset open, and writes it to $3, unless $3 differs from it only in its
# creation date.
poner_plantilla() {
  local nueva=$1 cabecera=$2 plantilla=$3
  {
    printf '%s\n' "$cabecera"
    awk 'cuerpo || !/^#( |$)/ { cuerpo = 1; print }' "$nueva" |
      sed 's/charset=CHARSET/charset=UTF-8/'
  } >"$tmp/plantilla"
  if [[ -f "$plantilla" ]] &&
    cmp -s <(grep -v '^"POT-Creation-Date:' "$plantilla") \
      <(grep -v '^"POT-Creation-Date:' "$tmp/plantilla"); then
    return
  fi
  mv "$tmp/plantilla" "$plantilla"
}

# The menu entry and the AppStream data. The templates' Spanish texts are installed as they are,
# not translated: xgettext reads a copy of the AppStream template without its xml:lang elements
# (whole elements, one or more lines each), and the menu entry's Name[es] lines are no source
# texts for xgettext anyway.
mkdir "$tmp/escritorio"
cp packaging/es.tiendal.Tiendal.desktop.in "$tmp/escritorio/"
awk '
  !saltar && match($0, /<[A-Za-z_]+ [^>]*xml:lang="/) {
    etiqueta = substr($0, RSTART + 1)
    sub(/[ >].*/, "", etiqueta)
    saltar = 1
  }
  saltar { if (index($0, "</" etiqueta ">")) saltar = 0; next }
  { print }' packaging/es.tiendal.Tiendal.metainfo.xml.in \
  >"$tmp/escritorio/es.tiendal.Tiendal.metainfo.xml.in"
(cd "$tmp/escritorio" && xgettext --from-code=UTF-8 --add-location=file --package-name=Tiendal \
  --package-version="$version" --copyright-holder="$quien" --msgid-bugs-address="$correo" \
  -o "$tmp/tiendal-escritorio.pot" es.tiendal.Tiendal.desktop.in es.tiendal.Tiendal.metainfo.xml.in)
pot_escritorio=${destino:-packaging/po}/tiendal-escritorio.pot
poner_plantilla "$tmp/tiendal-escritorio.pot" "\
# Texts of Tiendal's menu entry and AppStream data, to translate in packaging/po/LANG.po.
# Made by tools/actualizar-traducciones-paquete.sh from packaging/es.tiendal.Tiendal.desktop.in
# and packaging/es.tiendal.Tiendal.metainfo.xml.in; not to be edited by hand.
# SPDX-FileCopyrightText: $anio $quien
# SPDX-License-Identifier: CC0-1.0
#" "$pot_escritorio"

# The manual pages: po4a writes the template, and merges the .po files its own way, under a
# --destdir of its own, away from the tree; only the template is taken from there.
mkdir -p "$tmp/man/man/po"
(cd "$tmp/man" && po4a --no-translations --force --quiet --variable "idiomas=$idiomas_man" \
  --package-name Tiendal --package-version "$version" --copyright-holder "$quien" \
  --msgid-bugs-address "$correo" --srcdir "$raiz/packaging" --destdir "$tmp/man" \
  "$raiz/packaging/man/po4a.cfg" >/dev/null)
pot_man=${destino:-packaging/man/po}/tiendal-man.pot
poner_plantilla "$tmp/man/man/po/tiendal-man.pot" "\
# Texts of the manual pages tiendal(1) and tiendal-datos(1), to translate in
# packaging/man/po/LANG.po. Made by tools/actualizar-traducciones-paquete.sh from
# packaging/tiendal.1 and packaging/tiendal-datos.1 (po4a); not to be edited by hand.
# SPDX-FileCopyrightText: $anio $quien
# SPDX-License-Identifier: GPL-3.0-or-later
#" "$pot_man"

if [[ -n "$destino" ]]; then exit 0; fi

# fusionar POT CARPETA LICENCE WHAT LANGUAGES: each language's .po of CARPETA brought up to POT.
fusionar() {
  local pot=$1 carpeta=$2 licencia=$3 que=$4 idioma po
  for idioma in $5; do
    po=$carpeta/$idioma.po
    if [[ ! -f "$po" ]]; then
      msginit --no-translator --locale="$idioma" --input="$pot" --output-file="$tmp/nuevo.po" \
        2>/dev/null
      {
        printf '# Translation (%s) of %s.\n' "$idioma" "$que"
        printf '# SPDX-FileCopyrightText: %s %s\n' "$anio" "$quien"
        printf '# SPDX-License-Identifier: %s\n' "$licencia"
        awk 'cuerpo || !/^#( |$)/ { cuerpo = 1; print }' "$tmp/nuevo.po"
      } >"$po"
      msgcat --add-location=file -o "$po" "$po"
      echo "nuevo: $po"
    fi
    msgmerge --quiet --update --backup=off --previous --add-location=file --lang="$idioma" \
      "$po" "$pot"
  done
}
fusionar "$pot_escritorio" packaging/po CC0-1.0 "the menu entry and AppStream data of Tiendal" \
  "$idiomas"
fusionar "$pot_man" packaging/man/po GPL-3.0-or-later "the manual pages of Tiendal" "$idiomas_man"

# What is left for the translators.
for po in packaging/po/*.po packaging/man/po/*.po; do
  printf '%s: ' "$po"
  msgfmt --statistics -o /dev/null "$po" 2>&1
done
