#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Lines of C++ in the repository: non-blank lines outside comments, in the tracked .cpp and .h
files. Prints the tests, the program's own code and all C++ that is not a test, with the ratio
of tests to the latter.  tools/contar-lineas.py [--archivos]"""
import pathlib
import subprocess
import sys

PROGRAMA = {"core", "audio", "window_base", "mouse_window", "keyboard_window", "app"}


def sin_comentarios(texto):
    """The text with // and /* */ comments blanked out; string and character literals kept."""
    salida, i, n, comilla = [], 0, len(texto), None
    while i < n:
        c = texto[i]
        if comilla:
            salida.append(texto[i:i + 2] if c == "\\" else c)
            i += 2 if c == "\\" else 1
            if c == comilla:
                comilla = None
        elif c in "\"'":
            comilla = c
            salida.append(c)
            i += 1
        elif texto.startswith("//", i):
            fin = texto.find("\n", i)
            i = n if fin < 0 else fin
        elif texto.startswith("/*", i):
            fin = texto.find("*/", i + 2)
            fin = n if fin < 0 else fin + 2
            salida.append("\n" * texto.count("\n", i, fin))
            i = fin
        else:
            salida.append(c)
            i += 1
    return "".join(salida)


def main():
    raiz = pathlib.Path(__file__).resolve().parent.parent
    archivos = subprocess.run([raiz / "tools" / "archivos.sh", "*.cpp", "*.h"], check=True,
                              capture_output=True, text=True).stdout.split("\n")
    archivos = [a for a in archivos if a]
    lineas = {}
    for archivo in archivos:
        texto = sin_comentarios((raiz / archivo).read_text(encoding="utf-8"))
        lineas[archivo] = sum(1 for linea in texto.split("\n") if linea.strip())
    if "--archivos" in sys.argv:
        for archivo, cuantas in sorted(lineas.items()):
            print(f"{cuantas:6} {archivo}")
    pruebas = sum(v for f, v in lineas.items() if f.startswith("tests/"))
    programa = sum(v for f, v in lineas.items() if f.split("/")[0] in PROGRAMA)
    otras = sum(v for f, v in lineas.items() if not f.startswith("tests/"))
    print(f"pruebas: {pruebas}; programa: {programa}; todo lo demás: {otras}; "
          f"pruebas / lo demás: {100 * pruebas / otras:.1f} %")


if __name__ == "__main__":
    main()
