#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the program's catalogues (traducciones/tiendal_<language>.ts) the way a translator's
slips show up on screen: every text translated and none left unfinished; every %1, %2... of
the Spanish in its translation; the same line breaks; an access key ("&" before a letter)
wherever the Spanish has one, and within each menu or window no two captions on the same key.

  tools/revisar-traducciones.py CATALOGUE...

Prints one line per fault and exits 1 when there is any; 0 and nothing printed otherwise."""
import re
import sys
import xml.etree.ElementTree as ET

# The captions that are shown together, per context: each context holding access keys is one
# menu or one window. Captions that never show together may share a key: the menu's item that
# opens the other window reads one way in each window.
ALTERNATIVAS = {
    "Menu": [{"&Versión para sólo teclado", "&Versión para teclado y ratón"}],
}
MARCADORES = re.compile(r"%(\d+)")


def tecla(texto):
    """The access key of a caption, lower case, or None; "&&" is a literal ampersand."""
    m = re.search(r"(?<!&)&([^&\s])", texto)
    return m.group(1).lower() if m else None


def revisar(ruta):
    fallos = []
    raiz = ET.parse(ruta).getroot()
    for contexto in raiz.iter("context"):
        nombre = contexto.findtext("name")
        teclas = {}
        for mensaje in contexto.iter("message"):
            origen = mensaje.findtext("source") or ""
            nodo = mensaje.find("translation")
            traduccion = (nodo.text or "") if nodo is not None else ""
            donde = f"{ruta}: {nombre}: «{origen[:50]}»"
            if nodo is None or nodo.get("type") in ("unfinished", "obsolete", "vanished") \
                    or not traduccion.strip():
                fallos.append(f"{donde}: sin traducir")
                continue
            if sorted(MARCADORES.findall(origen)) != sorted(MARCADORES.findall(traduccion)):
                fallos.append(f"{donde}: los marcadores %N no son los del original")
            if origen.count("\n") != traduccion.count("\n") or \
                    origen.count("\t") != traduccion.count("\t"):
                fallos.append(f"{donde}: los saltos de línea o tabuladores no son los del original")
            if origen.endswith((":", "=")) and not traduccion.endswith(origen[-1]):
                fallos.append(f"{donde}: debe acabar en «{origen[-1]}» como el original")
            if tecla(origen) is None:
                continue
            letra = tecla(traduccion)
            if letra is None:
                fallos.append(f"{donde}: falta la tecla de acceso (&)")
                continue
            teclas.setdefault(letra, []).append(origen)
        for letra, origenes in teclas.items():
            if len(origenes) > 1 and not any(set(origenes) <= grupo
                                             for grupo in ALTERNATIVAS.get(nombre, [])):
                fallos.append(f"{ruta}: {nombre}: la tecla de acceso «{letra}» se repite en "
                              + ", ".join(f"«{o}»" for o in origenes))
    return fallos


def main():
    if len(sys.argv) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    fallos = [f for ruta in sys.argv[1:] for f in revisar(ruta)]
    for fallo in fallos:
        print(fallo)
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
