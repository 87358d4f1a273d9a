#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The planted faults of tools/fallos-sembrados.txt, and their runner (tools/fallos-sembrados.sh
says what it does and how to call it).

A fault is a file, the lines to find (compared without their leading and trailing blanks, so
that re-indented code still matches) and the lines that replace them, indented like the first
line found.
"""
import os
import pathlib
import re
import sys
import time

from banco_pruebas import RAIZ, Banco, copiar_arbol

LISTA = RAIZ / "tools" / "fallos-sembrados.txt"


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


def plantar(fallo, arbol, solo_mirar=False):
    """Plants `fallo` in the tree at `arbol`; None when done (or, only looking, when it would
    be), else why it no longer applies."""
    ruta = arbol / fallo["archivo"]
    if not ruta.is_file():
        return f"no existe {fallo['archivo']}"
    lineas = ruta.read_text(encoding="utf-8").split("\n")
    n = len(fallo["buscar"])
    sitios = [i for i in range(len(lineas) - n + 1)
              if [l.strip() for l in lineas[i:i + n]] == fallo["buscar"]]
    if len(sitios) != 1:
        return f"las líneas buscadas están {len(sitios)} veces en {fallo['archivo']}"
    if not solo_mirar:
        i = sitios[0]
        sangria = re.match(r"\s*", lineas[i])[0]
        lineas[i:i + n] = [sangria + l if l.strip() else "" for l in fallo["poner"]]
        ruta.write_text("\n".join(lineas), encoding="utf-8")
    return None


def main():
    argumentos = sys.argv[1:]
    orden = argumentos.pop(0) if argumentos and argumentos[0] in ("--lista", "--aplican") else None
    fallos = leer(LISTA)
    if orden == "--lista":
        for f in fallos:
            print(f"{f['id']:<28} {f['archivo']:<34} {f['que']}")
        return 0
    por_id = {f["id"]: f for f in fallos}
    if any(i not in por_id for i in argumentos):
        sys.exit("no hay ningún fallo " + ", ".join(i for i in argumentos if i not in por_id))
    elegidos = [por_id[i] for i in argumentos] or fallos
    if orden == "--aplican":
        fallan = [(f["id"], plantar(f, RAIZ, solo_mirar=True)) for f in elegidos]
        fallan = [(i, por_que) for i, por_que in fallan if por_que]
        for i, por_que in fallan:
            print(f"{i:<28} no aplica: {por_que}")
        if not fallan:
            print(f"Los {len(elegidos)} fallos encuentran sus líneas.")
        return 1 if fallan else 0

    copia = pathlib.Path(os.environ.get("TIENDAL_FALLOS_COPIA")
                         or pathlib.Path(os.environ.get("TMPDIR", "/tmp")) / "tiendal-fallos")
    print(f"== copia de trabajo en {copia}", flush=True)
    copia.mkdir(parents=True, exist_ok=True)
    copiar_arbol(copia)
    # The suite as ./test runs it: under both locales, the storm included.
    banco = Banco(copia, copia / "registros", ("C", "es_ES.UTF-8"), ["--timeout", "300"])
    print("== sin fallos plantados", flush=True)
    if not banco.compilar("base"):
        print((banco.registros / "base-compilacion.log").read_text(errors="replace")[-3000:])
        sys.exit("La copia sin fallos no compila.")
    if banco.probar("base")[0] is not None:
        sys.exit("Las pruebas no pasan sin ningún fallo plantado.")

    atrapados, escapados, no_compilan, no_aplican = 0, [], [], []
    for f in elegidos:
        inicio = time.monotonic()
        ruta = copia / f["archivo"]
        antes = ruta.read_bytes() if ruta.is_file() else None
        por_que = plantar(f, copia)
        if por_que:
            no_aplican.append(f["id"])
            print(f"{f['id']:<28} NO APLICA  {por_que}", flush=True)
            continue
        try:
            if not banco.compilar(f["id"]):
                resultado = "atrapado (no compila)"
                no_compilan.append(f["id"])
                atrapados += 1
            else:
                test, _ = banco.probar(f["id"])
                if test is None:
                    resultado = "ESCAPADO"
                    escapados.append(f["id"])
                else:
                    resultado = f"atrapado por {test}"
                    atrapados += 1
        finally:
            # The copy's own text, not the work tree's, which may have moved on since the run
            # began; a fresh time stamp, so the next build takes the file again.
            ruta.write_bytes(antes)
        print(f"{f['id']:<28} {resultado} ({int(time.monotonic() - inicio)} s)", flush=True)

    print("== resumen")
    print(f"fallos: {len(elegidos)}; atrapados: {atrapados}; escapados: {len(escapados)}; "
          f"no aplican: {len(no_aplican)}")
    if escapados:
        print("escapados: " + " ".join(escapados))
    if no_compilan:
        print("no compilan (mejor cambiarlos): " + " ".join(no_compilan))
    if no_aplican:
        print("no aplican (el código ha cambiado): " + " ".join(no_aplican))
    return 1 if escapados or no_aplican else 0


if __name__ == "__main__":
    sys.exit(main())
