#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Line and branch coverage of each module, from gcovr's summary, against its floor.

  cobertura.py MINIMOS RESUMEN.json
  cobertura.py --ramas DETALLE.json

MINIMOS holds one module a line: its folder, its floor of lines and its floor of branches, in
whole percent; '#' starts a comment. RESUMEN.json is what `gcovr --json-summary` wrote, its
file names relative to the source folder. Prints a table, one module a line, and ends with
status 1 when a module is under a floor or has no counts at all.

With --ramas, prints each line that leaves a branch untaken, from what `gcovr --json` wrote:
file:line, untaken/branches, and the line's code (docs/cobertura.md gives each its reason).
"""
import json
import sys


def leer_minimos(ruta):
    minimos = {}
    for linea in open(ruta, encoding="utf-8"):
        campos = linea.split("#", 1)[0].split()
        if campos:
            modulo, lineas, ramas = campos
            minimos[modulo] = (float(lineas), float(ramas))
    return minimos


def porcentaje(cubiertas, total):
    return 100.0 * cubiertas / total if total else 100.0


def main(ruta_minimos, ruta_resumen):
    minimos = leer_minimos(ruta_minimos)
    cuentas = {modulo: [0, 0, 0, 0] for modulo in minimos}
    for archivo in json.load(open(ruta_resumen, encoding="utf-8"))["files"]:
        modulo = archivo["filename"].split("/", 1)[0]
        if modulo in cuentas:
            c = cuentas[modulo]
            c[0] += archivo["line_covered"]
            c[1] += archivo["line_total"]
            c[2] += archivo["branch_covered"]
            c[3] += archivo["branch_total"]
    bajos = 0
    print(f"{'módulo':<16} {'líneas':>15} {'mín.':>4}  {'ramas':>15} {'mín.':>4}")
    for modulo, (min_lineas, min_ramas) in minimos.items():
        lc, lt, rc, rt = cuentas[modulo]
        lineas, ramas = porcentaje(lc, lt), porcentaje(rc, rt)
        # Compared as printed, so that a module shown at its floor passes.
        bajo = lt == 0 or round(lineas, 1) < min_lineas or round(ramas, 1) < min_ramas
        bajos += bajo
        print(f"{modulo + '/':<16} {lineas:5.1f} % {lc:>4}/{lt:<4} {min_lineas:4.0f}"
              f"  {ramas:5.1f} % {rc:>4}/{rt:<4} {min_ramas:4.0f}"
              + ("  BAJO EL MÍNIMO" if bajo else ""))
    return 1 if bajos else 0


def ramas(ruta_detalle):
    for archivo in sorted(json.load(open(ruta_detalle, encoding="utf-8"))["files"],
                          key=lambda a: a["file"]):
        codigo = open(archivo["file"], encoding="utf-8").read().split("\n")
        for linea in archivo["lines"]:
            cuentas = [rama["count"] for rama in linea.get("branches", [])]
            if 0 in cuentas and not linea.get("gcovr/noncode"):
                numero = linea["line_number"]
                print(f"{archivo['file']}:{numero} {cuentas.count(0)}/{len(cuentas)}"
                      f"  {codigo[numero - 1].strip()}")
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    if sys.argv[1] == "--ramas":
        sys.exit(ramas(sys.argv[2]))
    sys.exit(main(sys.argv[1], sys.argv[2]))
