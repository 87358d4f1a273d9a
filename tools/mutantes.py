#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Mutation testing of the program's modules: how many small slips would the test suite notice?

  tools/mutantes.py [--mutantes N] [--semilla S] [--modulo M]... [--max N] [--minimo P]
                    [--limite SEGUNDOS] [--lista] [--todos] [--solo ID,...]
                    [--puntuar REGISTRO]

Walks every line of the .cpp files of core/, audio/, record/, window_base/, mouse_window/,
keyboard_window/, results_window/ and app/ (comments, string literals, #-lines, static_assert and lines that only
log are left alone) and makes the classic small mutations of each: a comparison turned
(< <=, > >=, == !=), an arithmetic operator turned (+ -, * /, += -=, *= /=), && ||, the
condition of an if or while negated, an integer constant plus or minus one, a lone call
statement removed, two neighbouring arguments of a call swapped, return true/false flipped.
Binary operators are only taken when blanks stand on both sides, as clang-format writes them,
so that ->, <<, >> and template brackets are never touched.

From them it samples N mutants (150 unless --mutantes says otherwise) with a fixed seed
(--semilla, 1 by default), spread over the modules in proportion to their lines that can be
mutated, at least three per module; --modulo restricts the sample to a module (repeatable). The
sample is ordered round-robin over the modules, so that --max N (run only the first N) still
spreads over all of them. --lista prints the sample and ends; --todos prints how many mutants
each module has.

Each mutant is put, one at a time, into a scratch copy of the work tree
($TIENDAL_MUTANTES_COPIA, ${TMPDIR:-/tmp}/tiendal-mutantes by default; kept between runs, so
that only what changed is built again), built with ccache and warnings that are not errors, and
the suite is run as ./test runs it: ctest under LC_ALL=C, then under es_ES.UTF-8, the storm
included, the tests closest to the mutant's module first (those of its ctest label: nucleo,
audio, ventanas or instalacion), stopping at the first failing test (a failing test runs once
more, so that a busy machine does not kill a mutant). Verdicts:
  matado por TEST   a test failed
  colgado           a test timed out, or the whole run passed --limite seconds (default: twice
                    the unmutated suite and a minute, at least 180); counts as killed
  sobrevive         every test passed
  no compila        left out of the score
  equivalente       listed in tools/mutantes-equivalentes.txt; not run, left out of the score
The file is put back after each mutant. Ctrl-C ends the run early with the score so far;
--puntuar scores the printed log of a run again, with the equivalents file as it is now;
--solo m007,m020 runs only those mutants of the sample, as after a new row. At the end: the score per module, killed / (sampled -
equivalent - not building), every survivor in the form the equivalents file takes, and the run
time. Exit status 1 when a module scores below --minimo per cent (default 90); 2 when the
unmutated copy does not build or its tests fail.

tools/mutantes-equivalentes.txt, one mutant a line, `#` for comments:
  FILE:LINE ORIGINAL ⇒ MUTATED — why no test can tell them apart
matched on the file and the original and mutated lines (blanks collapsed), not on the line
number, which only helps the reader; a survivor's line printed at the end is such a line
without its reason.
"""
import argparse
import os
import pathlib
import random
import re
import sys
import time

from banco_pruebas import Banco, copiar_arbol

MODULOS = ["core", "audio", "record", "window_base", "mouse_window", "keyboard_window",
           "results_window", "app"]
# The ctest label of the tests closest to each module: they run first, so that a mutant they
# catch costs seconds rather than the whole suite.
PRIMERO = {"core": "nucleo", "audio": "audio", "record": "registro", "window_base": "ventanas",
           "mouse_window": "ventanas", "keyboard_window": "ventanas", "results_window": "registro",
           "app": "instalacion"}
MINIMO_POR_MODULO = 3
RAIZ = pathlib.Path(__file__).resolve().parent.parent
EQUIVALENTES = RAIZ / "tools" / "mutantes-equivalentes.txt"
FLECHA = " ⇒ "
RAYA = " — "

# Lines that only log: a slip there changes nothing a test should care about.
REGISTRO = re.compile(r"^\s*(qDebug|qInfo|qWarning|qCritical|std::cerr|std::clog|fprintf\(stderr)\b")
NO_LLAMADAS = {"if", "while", "for", "switch", "return", "sizeof", "catch", "alignof", "decltype",
               "static_cast", "dynamic_cast", "const_cast", "reinterpret_cast", "noexcept",
               "static_assert", "Q_UNUSED", "Q_ASSERT", "Q_ASSERT_X", "Q_OBJECT"}
COMPARACIONES = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
ARITMETICA = {"+": "-", "-": "+", "*": "/", "/": "*", "+=": "-=", "-=": "+=", "*=": "/=",
              "/=": "*="}
LOGICOS = {"&&": "||", "||": "&&"}


# --- Reading the code ------------------------------------------------------------------------

def enmascarar(texto):
    """The text with comments blanked and the inside of string and character literals replaced by
    '_', column for column, so that the mutations only look at code."""
    salida, i, n = list(texto), 0, len(texto)
    while i < n:
        c = texto[i]
        if texto.startswith("//", i):
            while i < n and texto[i] != "\n":
                salida[i] = " "
                i += 1
        elif texto.startswith("/*", i):
            fin = texto.find("*/", i + 2)
            fin = n if fin < 0 else fin + 2
            for j in range(i, fin):
                if texto[j] != "\n":
                    salida[j] = " "
            i = fin
        elif c == "R" and texto.startswith('R"', i) and (i == 0 or not texto[i - 1].isalnum()):
            abre = texto.find("(", i)
            cierre = ")" + texto[i + 2:abre] + '"'
            fin = texto.find(cierre, abre)
            fin = n if fin < 0 else fin + len(cierre)
            for j in range(i + 2, fin - 1):
                if texto[j] != "\n":
                    salida[j] = "_"
            i = fin
        elif c == '"' or (c == "'" and not (i > 0 and texto[i - 1].isdigit())):
            j = i + 1
            while j < n and texto[j] != c and texto[j] != "\n":
                if texto[j] == "\\":
                    salida[j] = "_"
                    j += 1
                salida[j] = "_"
                j += 1
            i = j + 1
        else:
            i += 1
    return "".join(salida)


def cierre(linea, abre):
    """The index of the bracket that closes the one at `abre` on this line, or -1."""
    pareja = {"(": ")", "[": "]", "{": "}"}
    pila = []
    for j in range(abre, len(linea)):
        if linea[j] in pareja:
            pila.append(pareja[linea[j]])
        elif linea[j] in ")]}":
            if not pila or pila.pop() != linea[j]:
                return -1
            if not pila:
                return j
    return -1


def argumentos(linea, abre, cierra):
    """The (start, end) spans of the top-level arguments between two brackets."""
    spans, profundidad, inicio = [], 0, abre + 1
    for j in range(abre + 1, cierra):
        if linea[j] in "([{":
            profundidad += 1
        elif linea[j] in ")]}":
            profundidad -= 1
        elif linea[j] == "," and profundidad == 0:
            spans.append((inicio, j))
            inicio = j + 1
    spans.append((inicio, cierra))
    return [(a, b) for a, b in spans if linea[a:b].strip()]


def es_declaracion(texto):
    """Whether an argument reads like a parameter declaration (`int a`, `const QString& b`)."""
    return re.fullmatch(r"\s*(const\s+)?[\w:<>]+(\s*[*&]+\s*|\s+)\w+\s*(=.*)?", texto) is not None


def empieza_sentencia(anterior):
    """Whether the line after `anterior` (masked, stripped) starts a statement."""
    if not anterior or anterior[-1] in ";{}:":
        return True
    return re.fullmatch(r"(\}\s*)?(else\s+)?(if|for|while)\s*\(.*\)|(\}\s*)?else", anterior) is not None


def mutaciones_de_linea(original, masc, anterior):
    """Every mutation of one line: (kind, mutated line)."""
    salida = []

    def cambio(tipo, a, b, nuevo):
        salida.append((tipo, original[:a] + nuevo + original[b:]))

    for m in re.finditer(r"(?<=\s)(<=|>=|==|!=|<|>)(?=\s)", masc):
        cambio("comparación", m.start(), m.end(), COMPARACIONES[m[1]])
    con_texto = '"' in masc or "'" in masc
    for m in re.finditer(r"(?<=\s)([-+*/]=?)(?=\s)", masc):
        if con_texto and m[1][0] in "+-":
            continue  # most likely text joined together: the mutant would not build
        cambio("aritmética", m.start(), m.end(), ARITMETICA[m[1]])
    for m in re.finditer(r"(?<=\s)(&&|\|\|)(?=\s)", masc):
        cambio("lógica", m.start(), m.end(), LOGICOS[m[1]])
    for m in re.finditer(r"\b(if|while)\s*\(", masc):
        abre = m.end() - 1
        cierra = cierre(masc, abre)
        condicion = masc[abre + 1:cierra]
        if cierra > 0 and ";" not in condicion and not re.match(
                r"\s*(const\s|auto\s|[\w:<>]+[\s*&]+\w+\s*=[^=])", condicion):
            cambio("condición negada", abre + 1, cierra, "!(" + original[abre + 1:cierra] + ")")
    for m in re.finditer(r"(?<![\w.'])(\d+)(?![\w.'])", masc):
        valor = int(m[1])
        cambio("constante", m.start(), m.end(), str(valor + 1))
        cambio("constante", m.start(), m.end(), str(valor - 1) if valor > 0 else "-1")
    for m in re.finditer(r"\breturn (true|false);", masc):
        cambio("return", m.start(1), m.end(1), "false" if m[1] == "true" else "true")
    llamada = re.match(r"^(\s*)(?!return\b)[\w:.\->\[\]]*\w\s*\(", masc)
    if (llamada and masc.rstrip().endswith(";") and empieza_sentencia(anterior)
            and not re.match(r"^\s*[A-Z_]+\(", masc)):
        abre = llamada.end() - 1
        cierra = cierre(masc, abre)
        resto = masc[cierra + 1:].strip() if cierra > 0 else ""
        # A call alone, or a chain of calls: nothing else after the last bracket.
        if cierra > 0 and re.fullmatch(r"(\s*(\.|->)\w+\s*\([^;]*\))*\s*;", resto or ";"):
            salida.append(("llamada quitada", llamada[1] + ";"))
    for m in re.finditer(r"\b([A-Za-z_]\w*)\s*(<[^<>()]*>)?\(", masc):
        if m[1] in NO_LLAMADAS:
            continue
        abre = m.end() - 1
        cierra = cierre(masc, abre)
        if cierra < 0:
            continue
        spans = argumentos(masc, abre, cierra)
        if any(es_declaracion(masc[a:b]) for a, b in spans):
            continue
        for (a1, b1), (a2, b2) in zip(spans, spans[1:]):
            x, y = original[a1:b1], original[a2:b2]
            if x.strip() == y.strip() or ('"' in masc[a1:b1]) != ('"' in masc[a2:b2]):
                continue  # the same, or text against something else: would not build
            # Each argument keeps the blanks around it.
            xs, ys = x.strip(), y.strip()
            nuevo_x = x.replace(xs, ys, 1)
            nuevo_y = y.replace(ys, xs, 1)
            salida.append(("argumentos cambiados",
                           original[:a1] + nuevo_x + original[b1:a2] + nuevo_y + original[b2:]))
    return [(t, m) for t, m in salida if m != original]


def mutantes_de_archivo(ruta_rel):
    texto = (RAIZ / ruta_rel).read_text(encoding="utf-8")
    originales = texto.split("\n")
    mascaras = enmascarar(texto).split("\n")
    salida, anterior = [], ""
    for numero, (original, masc) in enumerate(zip(originales, mascaras), 1):
        limpia = masc.strip()
        if not limpia:
            continue
        saltar = (limpia.startswith("#") or "static_assert" in limpia or REGISTRO.match(masc)
                  or limpia.startswith("using ") or limpia.startswith("namespace "))
        if not saltar:
            for tipo, mutada in mutaciones_de_linea(original, masc, anterior):
                salida.append({"archivo": ruta_rel, "linea": numero, "tipo": tipo,
                               "original": original, "mutada": mutada})
        anterior = limpia
    return salida


def todos_los_mutantes(modulos):
    por_modulo = {}
    for modulo in modulos:
        mutantes = []
        for ruta in sorted((RAIZ / modulo).glob("*.cpp")):
            mutantes += mutantes_de_archivo(ruta.relative_to(RAIZ).as_posix())
        por_modulo[modulo] = mutantes
    return por_modulo


# --- Sampling --------------------------------------------------------------------------------

def repartir(cuantos, pesos, disponibles):
    """How many mutants each module gets: proportional to its lines, at least a few each."""
    reparto = {m: min(disponibles[m], MINIMO_POR_MODULO) for m in pesos}
    total = sum(pesos.values()) or 1
    while sum(reparto.values()) < cuantos:
        abiertos = [m for m in pesos if reparto[m] < disponibles[m]]
        if not abiertos:
            break
        # The module furthest below its proportional share gets the next mutant.
        m = min(abiertos, key=lambda m: (reparto[m] / (cuantos * pesos[m] / total + 1e-9), m))
        reparto[m] += 1
    return reparto


def muestrear(por_modulo, cuantos, semilla):
    azar = random.Random(semilla)
    lineas = {m: sorted({(x["archivo"], x["linea"]) for x in ms}) for m, ms in por_modulo.items()}
    reparto = repartir(cuantos, {m: len(l) for m, l in lineas.items()},
                       {m: len(ms) for m, ms in por_modulo.items()})
    listas = {}
    for modulo, mutantes in por_modulo.items():
        # Different lines first, one mutation of each; a module with fewer lines than its share
        # takes a second mutation of some.
        por_linea = {}
        for x in mutantes:
            por_linea.setdefault((x["archivo"], x["linea"]), []).append(x)
        elegidos = []
        orden = lineas[modulo][:]
        azar.shuffle(orden)
        while len(elegidos) < reparto[modulo]:
            for sitio in orden:
                libres = [x for x in por_linea[sitio] if x not in elegidos]
                if libres and len(elegidos) < reparto[modulo]:
                    # Each kind of mutation of the line is as likely, however many of it.
                    tipo = azar.choice(sorted({x["tipo"] for x in libres}))
                    elegidos.append(azar.choice([x for x in libres if x["tipo"] == tipo]))
        listas[modulo] = elegidos
    muestra = []
    while any(listas.values()):
        for modulo in MODULOS:
            if listas.get(modulo):
                muestra.append(listas[modulo].pop(0))
    for i, x in enumerate(muestra, 1):
        x["id"] = f"m{i:03d}"
    return muestra


# --- Equivalent mutants ----------------------------------------------------------------------

def normal(texto):
    return " ".join(texto.split())


def leer_equivalentes():
    entradas = []
    if not EQUIVALENTES.exists():
        return entradas
    for numero, linea in enumerate(EQUIVALENTES.read_text(encoding="utf-8").split("\n"), 1):
        if not linea.strip() or linea.lstrip().startswith("#"):
            continue
        m = re.match(r"^(\S+?):(\d+) (.*?)" + FLECHA + "(.*?)" + RAYA + r"(.+)$", linea)
        if not m:
            sys.exit(f"{EQUIVALENTES.name}:{numero}: no se entiende: {linea}")
        entradas.append({"archivo": m[1], "original": normal(m[3]), "mutada": normal(m[4]),
                         "razon": m[5].strip(), "usada": False, "texto": linea})
    return entradas


def equivalente(mutante, entradas):
    for e in entradas:
        if (e["archivo"] == mutante["archivo"] and e["original"] == normal(mutante["original"])
                and e["mutada"] == normal(mutante["mutada"])):
            return e
    return None


def describir(x):
    return f"{x['archivo']}:{x['linea']} {x['original'].strip()}{FLECHA}{x['mutada'].strip()}"


# --- The run ---------------------------------------------------------------------------------

def tiempo(segundos):
    segundos = int(round(segundos))
    return f"{segundos // 60} min {segundos % 60:02d} s" if segundos >= 60 else f"{segundos} s"


def main():
    lector = argparse.ArgumentParser(
        prog="tools/mutantes.py", description=__doc__.split("\n")[0],
        epilog=__doc__.split("\n", 1)[1], formatter_class=argparse.RawDescriptionHelpFormatter)
    lector.add_argument("--mutantes", type=int, default=150, metavar="N",
                        help="how many mutants to sample (150)")
    lector.add_argument("--semilla", type=int, default=1, help="the sampling seed (1)")
    lector.add_argument("--modulo", action="append", choices=MODULOS,
                        help="only this module (repeatable)")
    lector.add_argument("--max", type=int, metavar="N", help="run only the first N of the sample")
    lector.add_argument("--minimo", type=float, default=90.0, metavar="P",
                        help="lowest score per module, in per cent (90)")
    lector.add_argument("--limite", type=float, metavar="SEGUNDOS",
                        help="longest test run of one mutant (2 × the unmutated suite + 60, ≥ 180)")
    lector.add_argument("--lista", action="store_true", help="print the sample and end")
    lector.add_argument("--todos", action="store_true",
                        help="print how many mutants and lines each module has, and end")
    lector.add_argument("--solo", metavar="ID,...",
                        help="run only these mutants of the sample (a survivor, after a new row)")
    lector.add_argument("--puntuar", metavar="REGISTRO",
                        help="score the printed log of an earlier run, with today's equivalents")
    args = lector.parse_args()
    if args.puntuar:
        resultados = leer_registro(args.puntuar, leer_equivalentes())
        return puntuar(resultados, args.modulo or MODULOS, args.minimo,
                       sum(x["segundos"] for x in resultados))

    modulos = args.modulo or MODULOS
    por_modulo = todos_los_mutantes(modulos)
    entradas = leer_equivalentes()
    if args.todos:
        for m, ms in por_modulo.items():
            print(f"{m:<16} {len(ms):5d} mutantes en {len({(x['archivo'], x['linea']) for x in ms})} líneas")
        todos = [x for ms in por_modulo.values() for x in ms]
        for e in entradas:
            if args.modulo is None and not any(equivalente(x, [e]) for x in todos):
                print(f"equivalente que ya no corresponde a ningún mutante: {e['texto']}")
        return 0
    muestra = muestrear(por_modulo, args.mutantes, args.semilla)
    if args.max is not None:
        muestra = muestra[:args.max]
    if args.solo:
        muestra = [x for x in muestra if x["id"] in args.solo.split(",")]
    if args.lista:
        for x in muestra:
            marca = "  [equivalente]" if equivalente(x, entradas) else ""
            print(f"{x['id']} [{x['tipo']}] {describir(x)}{marca}")
        return 0

    inicio = time.monotonic()
    copia = pathlib.Path(os.environ.get("TIENDAL_MUTANTES_COPIA")
                         or pathlib.Path(os.environ.get("TMPDIR", "/tmp")) / "tiendal-mutantes")
    print(f"== copia de trabajo en {copia}", flush=True)
    copia.mkdir(parents=True, exist_ok=True)
    copiar_arbol(copia)
    banco = Banco(copia, copia / "registros-mutantes", ("C", "es_ES.UTF-8"))
    print("== sin mutantes", flush=True)
    if not banco.compilar("base"):
        print((banco.registros / "base-compilacion.log").read_text(errors="replace")[-3000:])
        print("La copia sin mutantes no compila.", file=sys.stderr)
        return 2
    t = time.monotonic()
    fallo, _ = banco.probar("base")
    base = time.monotonic() - t
    if fallo:
        print(f"Las pruebas no pasan sin mutantes: {fallo} (registros en {banco.registros}).",
              file=sys.stderr)
        return 2
    limite = args.limite or max(180.0, 2 * base + 60)
    print(f"suite entera en los dos idiomas: {tiempo(base)}; límite por mutante: {tiempo(limite)}",
          flush=True)

    print(f"== {len(muestra)} mutantes (semilla {args.semilla})", flush=True)
    resultados = []
    try:
        for x in muestra:
            t = time.monotonic()
            e = equivalente(x, entradas)
            if e:
                veredicto, clase = f"equivalente ({e['razon']})", "equivalente"
            else:
                destino = copia / x["archivo"]
                antes = destino.read_text(encoding="utf-8")
                lineas = antes.split("\n")
                if lineas[x["linea"] - 1] != x["original"]:
                    sys.exit(f"{x['archivo']} ha cambiado en la copia: ¿otra ejecución a la vez?")
                try:
                    lineas[x["linea"] - 1] = x["mutada"]
                    destino.write_text("\n".join(lineas), encoding="utf-8")
                    if not banco.compilar(x["id"]):
                        veredicto, clase = "no compila", "no compila"
                    else:
                        test, agotado = banco.probar(x["id"], limite,
                                                     PRIMERO[x["archivo"].split("/")[0]])
                        if agotado:
                            veredicto, clase = f"colgado en {test or '?'}", "matado"
                        elif test is None:
                            veredicto, clase = "SOBREVIVE", "sobrevive"
                        else:
                            veredicto, clase = f"matado por {test}", "matado"
                finally:
                    # The copy's own text, not the work tree's, which may have moved on since the
                    # run began; a fresh time stamp, so the next build takes it again (from ccache).
                    destino.write_text(antes, encoding="utf-8")
            x["clase"], x["segundos"] = clase, time.monotonic() - t
            resultados.append(x)
            print(f"{x['id']} [{x['tipo']}] {describir(x)}\n      {veredicto} ({tiempo(x['segundos'])})",
                  flush=True)
    except KeyboardInterrupt:
        # Ctrl-C (or SIGINT): the score of the mutants done so far.
        print(f"== interrumpido tras {len(resultados)} mutantes", flush=True)

    total = time.monotonic() - inicio
    return puntuar(resultados, modulos, args.minimo, total)


def puntuar(resultados, modulos, minimo, total):
    """Prints the score per module, the survivors and the time; 1 when a module is below
    `minimo` per cent."""
    print("== puntuación por módulo")
    bajo = []
    for modulo in modulos:
        suyos = [x for x in resultados if x["archivo"].split("/")[0] == modulo]
        if not suyos:
            continue
        cuenta = {c: sum(x["clase"] == c for x in suyos)
                  for c in ("matado", "sobrevive", "no compila", "equivalente")}
        juzgados = cuenta["matado"] + cuenta["sobrevive"]
        nota = 100.0 * cuenta["matado"] / juzgados if juzgados else 100.0
        if nota < minimo:
            bajo.append(modulo)
        print(f"{modulo:<16} {nota:5.1f} %  ({cuenta['matado']}/{juzgados}; {len(suyos)} mutantes,"
              f" {cuenta['equivalente']} equivalentes, {cuenta['no compila']} no compilan)")
    supervivientes = [x for x in resultados if x["clase"] == "sobrevive"]
    if supervivientes:
        print(f"== supervivientes: {len(supervivientes)} (matar con una fila nueva, o añadir a "
              f"{EQUIVALENTES.relative_to(RAIZ)} con '{RAYA.strip()} razón')")
        for x in supervivientes:
            print(describir(x))
    corridos = [x for x in resultados if x["clase"] != "equivalente"]
    media = sum(x["segundos"] for x in corridos) / len(corridos) if corridos else 0
    print(f"== tiempo: {tiempo(total)} en total, {tiempo(media)} de media por mutante")
    if bajo:
        print(f"por debajo del {minimo:g} %: {', '.join(bajo)}")
        return 1
    return 0


def leer_registro(ruta, entradas):
    """The mutants of a run's printed log, each with its verdict; a survivor listed in the
    equivalents file since then counts as equivalent."""
    resultados = []
    lineas = pathlib.Path(ruta).read_text(encoding="utf-8", errors="replace").split("\n")
    for linea, veredicto in zip(lineas, lineas[1:]):
        m = re.match(r"^(m\d+) \[([^]]+)\] (\S+?):(\d+) (.*?)" + FLECHA + "(.*)$", linea)
        v = re.match(r"^\s+(.*) \(((\d+) min )?(\d+) s\)$", veredicto)
        if not m or not v:
            continue
        x = {"id": m[1], "tipo": m[2], "archivo": m[3], "linea": int(m[4]), "original": m[5],
             "mutada": m[6], "segundos": 60 * int(v[3] or 0) + int(v[4])}
        texto = v[1]
        x["clase"] = ("equivalente" if texto.startswith("equivalente")
                      or (texto == "SOBREVIVE" and equivalente(x, entradas))
                      else "sobrevive" if texto == "SOBREVIVE"
                      else "no compila" if texto == "no compila" else "matado")
        resultados.append(x)
    return resultados

if __name__ == "__main__":
    sys.exit(main())
