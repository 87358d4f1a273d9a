#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The planted faults of tools/fallos-sembrados.txt, for tools/fallos-sembrados.sh.

A fault is a file, the lines to find (compared without their leading and trailing blanks, so
that re-indented code still matches) and the lines that replace them, indented like the first
line found.
  fallos_sembrados.py LISTA ids                  the faults' identifiers, one a line
  fallos_sembrados.py LISTA lista                identifier, file and what each fault does
  fallos_sembrados.py LISTA archivo ID           the file that fault ID changes
  fallos_sembrados.py LISTA aplica ID CARPETA    whether fault ID finds its lines (else status 2)
  fallos_sembrados.py LISTA plantar ID CARPETA   plants fault ID in the tree at CARPETA
"""
import re
import sys


def leer(ruta):
    fallos, actual = [], None
    for numero, linea in enumerate(open(ruta, encoding="utf-8"), 1):
        linea = linea.rstrip("\n")
        cabecera = re.match(r"^\[([\w.-]+)\]\s+(\S+)\s*(.*)$", linea)
        if cabecera:
            actual = {"id": cabecera[1], "archivo": cabecera[2], "que": cabecera[3],
                      "buscar": [], "poner": []}
            fallos.append(actual)
        elif linea.startswith("- ") or linea == "-":
            actual["buscar"].append(linea[2:].strip())
        elif linea.startswith("+ ") or linea == "+":
            actual["poner"].append(linea[2:])
        elif linea.strip() and not linea.startswith("#"):
            sys.exit(f"{ruta}:{numero}: línea no entendida: {linea}")
    ids = [f["id"] for f in fallos]
    repetidos = {i for i in ids if ids.count(i) > 1}
    if repetidos:
        sys.exit(f"{ruta}: identificadores repetidos: {', '.join(sorted(repetidos))}")
    for f in fallos:
        if not f["buscar"]:
            sys.exit(f"{ruta}: [{f['id']}] no dice qué líneas buscar")
    return fallos


def main():
    fallos = leer(sys.argv[1])
    orden = sys.argv[2]
    if orden == "ids":
        for f in fallos:
            print(f["id"])
    elif orden == "lista":
        for f in fallos:
            print(f"{f['id']:<28} {f['archivo']:<34} {f['que']}")
    elif orden == "archivo":
        print(next(f["archivo"] for f in fallos if f["id"] == sys.argv[3]))
    elif orden in ("plantar", "aplica"):
        fallo = next((f for f in fallos if f["id"] == sys.argv[3]), None)
        if fallo is None:
            sys.exit(f"no hay ningún fallo {sys.argv[3]}")
        ruta = f"{sys.argv[4]}/{fallo['archivo']}"
        try:
            lineas = open(ruta, encoding="utf-8").read().split("\n")
        except FileNotFoundError:
            print(f"no aplica: no existe {fallo['archivo']}")
            sys.exit(2)
        n = len(fallo["buscar"])
        sitios = [i for i in range(len(lineas) - n + 1)
                  if [l.strip() for l in lineas[i:i + n]] == fallo["buscar"]]
        if len(sitios) != 1:
            print(f"no aplica: las líneas buscadas están {len(sitios)} veces en {fallo['archivo']}")
            sys.exit(2)
        if orden == "plantar":
            i = sitios[0]
            sangria = re.match(r"\s*", lineas[i])[0]
            lineas[i:i + n] = [sangria + l if l.strip() else "" for l in fallo["poner"]]
            open(ruta, "w", encoding="utf-8").write("\n".join(lineas))


if __name__ == "__main__":
    main()
