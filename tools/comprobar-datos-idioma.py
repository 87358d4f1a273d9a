#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that the sample data sets of the other languages (data/ca, data/eu, data/gl) are in
step with tools/nombres-productos.tsv and data/, as tools/generar-datos-idioma.sh makes them:
the table names every product of data/ once, each name fits Windows-1252, has no digit (a voice
would read it as a number), no "|" and no "/", and is unique in its language whatever its
capitals; each data set holds exactly one picture per product, a relative link to the Spanish
picture; its precios.txt is byte for byte the one the table gives (Windows-1252, CR LF, the
order and prices of data/precios.txt); its Sonidos/ holds the fixed sounds of data/Sonidos and
one sound per product, no more, each 16-bit PCM mono at 22050 Hz. With --tiendal-datos, that
program must find nothing to warn of in each set. Lists every problem and exits with 1 when
there is one.
  tools/comprobar-datos-idioma.py [--tiendal-datos PROGRAMA] [LANG...]"""

import argparse
import os
import pathlib
import subprocess
import sys
import wave

RAIZ = pathlib.Path(__file__).resolve().parent.parent
TABLA = RAIZ / "tools" / "nombres-productos.tsv"
DATOS = RAIZ / "data"
IDIOMAS = ["ca", "eu", "gl"]  # the table's columns after es


def leer_tabla(problemas):
    """The table's rows, each a dict language -> name."""
    filas = []
    for numero, linea in enumerate(TABLA.read_text(encoding="utf-8").splitlines(), 1):
        if not linea or linea.startswith("#"):
            continue
        campos = linea.split("\t")
        if len(campos) != 1 + len(IDIOMAS):
            problemas.append(f"{TABLA.name}:{numero}: {len(campos)} campos en vez de "
                             f"{1 + len(IDIOMAS)}")
            continue
        filas.append(dict(zip(["es"] + IDIOMAS, campos)))
    return filas


def revisar_nombres(filas, problemas):
    for idioma in ["es"] + IDIOMAS:
        vistos = {}
        for fila in filas:
            nombre = fila[idioma]
            donde = f"{TABLA.name}: {idioma} «{nombre}»"
            if not nombre or nombre != nombre.strip():
                problemas.append(f"{donde}: vacío o con espacios a los lados")
            try:
                nombre.encode("cp1252")
            except UnicodeEncodeError:
                problemas.append(f"{donde}: no cabe en Windows-1252")
            if any(c.isdigit() for c in nombre):
                problemas.append(f"{donde}: lleva cifras, que la voz leería como números")
            if "|" in nombre or "/" in nombre:
                problemas.append(f"{donde}: lleva «|» o «/»")
            clave = nombre.casefold()
            if clave in vistos:
                problemas.append(f"{donde}: repite «{vistos[clave]}»")
            vistos[clave] = nombre


def precios_espanoles():
    """The lines of data/precios.txt as (name, price text), in their order."""
    lineas = []
    for linea in (DATOS / "precios.txt").read_bytes().decode("cp1252").split("\r\n"):
        if linea:
            nombre, _, precio = linea.partition("|")
            lineas.append((nombre, precio))
    return lineas


def revisar_espanol(filas, lineas, problemas):
    tabla = sorted(f["es"] for f in filas)
    imagenes = sorted(p.name[:-4] for p in (DATOS / "imágenes").glob("*.jpg"))
    precios = sorted(n for n, _ in lineas)
    if tabla != imagenes:
        problemas.append(f"la columna es de {TABLA.name} no son las imágenes de data/: sobran "
                         f"{sorted(set(tabla) - set(imagenes))}, faltan "
                         f"{sorted(set(imagenes) - set(tabla))}")
    if tabla != precios:
        problemas.append(f"la columna es de {TABLA.name} no son los productos de "
                         f"data/precios.txt: sobran {sorted(set(tabla) - set(precios))}, "
                         f"faltan {sorted(set(precios) - set(tabla))}")


def revisar_sonido(ruta, problemas):
    try:
        with wave.open(str(ruta)) as w:
            forma = (w.getsampwidth(), w.getnchannels(), w.getframerate())
    except (wave.Error, EOFError) as e:
        problemas.append(f"{ruta.relative_to(RAIZ)}: no es un WAV PCM: {e}")
        return
    if forma != (2, 1, 22050):
        problemas.append(f"{ruta.relative_to(RAIZ)}: {8 * forma[0]} bits, {forma[1]} canales, "
                         f"{forma[2]} Hz; los demás son de 16 bits, mono, 22050 Hz")


def revisar_idioma(idioma, filas, lineas, problemas):
    carpeta = DATOS / idioma
    if not carpeta.is_dir():
        problemas.append(f"falta data/{idioma}: tools/generar-datos-idioma.sh {idioma} lo hace")
        return
    nombre = {f["es"]: f[idioma] for f in filas}

    # The pictures: one relative link per product, to the Spanish picture.
    esperadas = {f"{nombre[f['es']]}.jpg": f"../../imágenes/{f['es']}.jpg" for f in filas}
    halladas = {p.name: p for p in (carpeta / "imágenes").iterdir()} \
        if (carpeta / "imágenes").is_dir() else {}
    for archivo in sorted(set(halladas) - set(esperadas)):
        problemas.append(f"data/{idioma}/imágenes/{archivo}: no es de ningún producto de la tabla")
    for archivo, destino in sorted(esperadas.items()):
        ruta = carpeta / "imágenes" / archivo
        if archivo not in halladas:
            problemas.append(f"falta data/{idioma}/imágenes/{archivo}")
        elif not ruta.is_symlink() or os.readlink(ruta) != destino:
            problemas.append(f"data/{idioma}/imágenes/{archivo}: debe ser un enlace a {destino}")
        elif not ruta.is_file():
            problemas.append(f"data/{idioma}/imágenes/{archivo}: el enlace no lleva a un archivo")

    # The prices: the Spanish file with the names of the language.
    esperado = "".join(f"{nombre.get(n, n)}|{p}\r\n" for n, p in lineas).encode("cp1252",
                                                                                  "replace")
    ruta = carpeta / "precios.txt"
    if not ruta.is_file():
        problemas.append(f"falta data/{idioma}/precios.txt")
    elif ruta.read_bytes() != esperado:
        problemas.append(f"data/{idioma}/precios.txt no es el que dan la tabla y "
                         "data/precios.txt (nombres, orden, precios, Windows-1252, CR LF)")

    # The sounds: the fixed ones of data/Sonidos and one per product.
    espanoles = {f"{f['es']}.wav" for f in filas}
    fijos = {p.name for p in (DATOS / "Sonidos").glob("*.wav")} - espanoles
    esperados = fijos | {f"{nombre[f['es']]}.wav" for f in filas}
    sonidos = carpeta / "Sonidos"
    hallados = {p.name for p in sonidos.iterdir()} if sonidos.is_dir() else set()
    for archivo in sorted(esperados - hallados):
        problemas.append(f"falta data/{idioma}/Sonidos/{archivo}")
    for archivo in sorted(hallados - esperados):
        problemas.append(f"data/{idioma}/Sonidos/{archivo}: no es de ningún producto de la tabla "
                         "ni un sonido fijo")
    for archivo in sorted(esperados & hallados):
        revisar_sonido(sonidos / archivo, problemas)


def main():
    analizador = argparse.ArgumentParser(
        description="Comprueba que data/ca, data/eu y data/gl van con "
        "tools/nombres-productos.tsv.")
    analizador.add_argument("--tiendal-datos", metavar="PROGRAMA",
                            help="también pasa tiendal-datos por cada carpeta")
    analizador.add_argument("idiomas", nargs="*", metavar="LANG", help="ca, eu o gl (todos)")
    args = analizador.parse_args()
    idiomas = args.idiomas or IDIOMAS
    for idioma in idiomas:
        if idioma not in IDIOMAS:
            analizador.error(f"idioma desconocido: {idioma} (ca, eu o gl)")

    problemas = []
    filas = leer_tabla(problemas)
    revisar_nombres(filas, problemas)
    lineas = precios_espanoles()
    revisar_espanol(filas, lineas, problemas)
    for idioma in idiomas:
        revisar_idioma(idioma, filas, lineas, problemas)
        if args.tiendal_datos and (DATOS / idioma).is_dir():
            r = subprocess.run([args.tiendal_datos, str(DATOS / idioma)], capture_output=True,
                               text=True, env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
            if r.returncode != 0:
                # Its warnings (the product lines have tabs) and errors, without Qt's notes.
                lineas_salida = [l for l in r.stdout.splitlines() if "\t" not in l] + [
                    l for l in r.stderr.splitlines() if not l.startswith("QStandardPaths")]
                problemas.append(f"tiendal-datos data/{idioma} termina con {r.returncode}:\n  "
                                 + "\n  ".join(lineas_salida))
    for p in problemas:
        print(p)
    if problemas:
        print(f"{len(problemas)} problemas; tools/generar-datos-idioma.sh LANG rehace los datos")
        return 1
    print(f"{len(filas)} productos; los datos de {', '.join(idiomas)} van con {TABLA.name}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
