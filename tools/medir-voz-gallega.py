#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Which espeak-ng voice says Galician best? Debian has no Galician voice, so the Galician data
set is spoken by another language's voice. Each candidate voice transcribes Galician texts
(`espeak-ng -q --ipa`) and its phonemes are compared with a hand-made transcription of standard
Galician (no gheada, no seseo): x is /ʃ/, z and ce/ci /θ/, ch /tʃ/, ll /ʎ/, a word-final n /ŋ/,
open and closed e and o, b d g spirant after a vowel, no reduction of unstressed vowels. The
texts are the Galician product names of tools/nombres-productos.tsv (each must have its
reference here) and the fixed sounds' texts of the program's Galician catalogue (the figures,
"coma", "igual", "Os produtos son" and the five task announcements).

Two distances per voice, summed over the texts (stress and length marks and word boundaries
left out): the plain phoneme edit distance (each insertion, deletion or substitution costs 1),
and a weighted one in which a near miss costs 0.5 (open for closed vowel, stop for spirant,
another nasal, trill for tap, a glide for its vowel, a nasal vowel for the oral one, voiced for
voiceless s). Prints a Markdown table, best voice first; --detalle adds each text as each voice
says it.
  tools/medir-voz-gallega.py [--voces es,pt,...] [--detalle]
Needs espeak-ng and python3 from Debian (standard library only)."""

import argparse
import pathlib
import shutil
import subprocess
import sys
import unicodedata

RAIZ = pathlib.Path(__file__).resolve().parent.parent
TABLA = RAIZ / "tools" / "nombres-productos.tsv"
VOCES = ["es", "es-419", "an", "pt", "pt-br", "ca", "it"]

# Standard Galician, by hand. Stress marks are written where they fall and left out of the
# comparison, like the voices' own.
REFERENCIAS = {
    # The products.
    "plátano": "ˈplatano",
    "limón": "liˈmoŋ",
    "piña": "ˈpiɲa",
    "xamón": "ʃaˈmoŋ",
    "barra de pan": "ˈbara ðe ˈpaŋ",
    "sandía": "sanˈdia",
    "melón": "meˈloŋ",
    "amorodos": "amoˈɾoðos",
    "uvas": "ˈuβas",
    "queixo": "ˈkejʃo",
    "ovos": "ˈɔβos",
    "leite": "ˈlejte",
    "cenorias": "θeˈnɔɾjas",
    "tomates": "toˈmates",
    "aguacate": "aɣwaˈkate",
    "brócoli": "ˈbɾɔkoli",
    "croissant": "kɾwaˈsaŋ",
    "torta": "ˈtoɾta",
    "lagosta": "laˈɣosta",
    "gambas": "ˈɡambas",
    "pizza": "ˈpitsa",
    "tarro de mel": "ˈtaro ðe ˈmɛl",
    "cereixas": "θeˈɾejʃas",
    "chocolate": "tʃokoˈlate",
    "balón": "baˈloŋ",
    "reloxo": "reˈloʃo",
    "mochila": "moˈtʃila",
    "zapatillas": "θapaˈtiʎas",
    # The figures and the other fixed words.
    "cero": "ˈθɛɾo",
    "un": "ˈuŋ",
    "dous": "ˈdows",
    "tres": "ˈtɾes",
    "catro": "ˈkatɾo",
    "cinco": "ˈθiŋko",
    "seis": "ˈsejs",
    "sete": "ˈsɛte",
    "oito": "ˈojto",
    "nove": "ˈnɔβe",
    "coma": "ˈkoma",
    "igual": "iˈɣwal",
    "Os produtos son": "os pɾoˈðutos ˈsoŋ",
    # The task announcements, as the program's Galician catalogue has them.
    "Escolle tres produtos e calcula canto custan en total":
        "esˈkɔʎe ˈtɾes pɾoˈðutos e kalˈkula ˈkanto ˈkustaŋ en toˈtal",
    "Escolle un produto e calcula canto diñeiro che teñen que devolver":
        "esˈkɔʎe um pɾoˈðuto e kalˈkula ˈkanto ðiˈɲejɾo tʃe ˈtɛɲeŋ ke ðeβolˈβeɾ",
    "Engade á lista o produto máis caro, despois engade o máis barato e por último calcula a "
    "diferenza entre os seus prezos.":
        "eŋˈɡaðe a ˈlista o pɾoˈðuto ˈmajs ˈkaɾo desˈpojs eŋˈɡaðe o ˈmajs βaˈɾato e poɾ ˈultimo "
        "kalˈkula a ðifeˈɾenθa ˈentɾe os ˈsews ˈpɾeθos",
    "Escolle un dos produtos e calcula canto custarán tantos produtos iguais como indica o "
    "número de unidades":
        "esˈkɔʎe un ˈdos pɾoˈðutos e kalˈkula ˈkanto kustaˈɾaŋ ˈtantos pɾoˈðutos iˈɣwajs ˈkomo "
        "inˈdika o ˈnumeɾo ðe uniˈðaðes",
    "Engade á lista o maior número de produtos que podes mercar co diñeiro dispoñible\n"
    "Despois suma os prezos dos produtos que escolliches.":
        "eŋˈɡaðe a ˈlista o maˈjoɾ ˈnumeɾo ðe pɾoˈðutos ke ˈpɔðes meɾˈkaɾ ko ðiˈɲejɾo "
        "ðispoˈɲiβle desˈpojs ˈsuma os ˈpɾeθos ðos pɾoˈðutos ke eskoˈʎitʃes",
}

# Marks that are no phoneme: stress, length, syllable boundaries; and word boundaries, which an
# affricate does not span.
FUERA = set("ˈˌːˑ‿.|-")
LIMITES = set(" \n\t")
VOCALES = set("aeiouɐɛɔəɪʊɨyæɑøœɒʌɯɤ")
AFRICADAS = {"tʃ", "dʒ", "ts", "dz", "tɕ", "dʑ"}
# Near misses: pairs of phonemes, each costing half a substitution.
CERCANOS = [
    ("e", "ɛ"), ("o", "ɔ"), ("a", "ɐ"), ("a", "ɑ"),
    ("b", "β"), ("d", "ð"), ("ɡ", "ɣ"),
    ("n", "ŋ"), ("m", "ŋ"), ("n", "m"),
    ("ɾ", "r"), ("ɾ", "ɹ"), ("s", "z"), ("ʃ", "ɕ"), ("tʃ", "ʃ"), ("ʎ", "j"),
    ("j", "i"), ("w", "u"),
]
PAREJAS = {frozenset(p) for p in CERCANOS}


def fonemas(ipa):
    """The phonemes of an IPA string: a letter with its combining marks, affricates as one, the
    glides that espeak-ng writes ɪ and ʊ after a vowel as j and w, the rest as vowels i and u."""
    texto = unicodedata.normalize("NFD", ipa).replace("g", "ɡ")
    crudos = []
    unir = False
    for c in texto:
        if c == "\u0361":  # tie bar: the next letter joins this one
            unir = True
        elif c in FUERA:
            continue
        elif c in LIMITES:
            crudos.append(None)
        elif unicodedata.combining(c) or unir:
            if crudos and crudos[-1] is not None:
                crudos[-1] += c
            else:
                crudos.append(c)
            unir = False
        else:
            crudos.append(c)
    salida = []
    previo = None
    for f in crudos:
        if f is None:
            previo = None
            continue
        if previo is not None and salida[-1] + f in AFRICADAS:
            salida[-1] += f
        elif f in ("ɪ", "ʊ"):
            tras_vocal = bool(salida) and salida[-1][0] in VOCALES
            salida.append({"ɪ": "j", "ʊ": "w"}[f] if tras_vocal else {"ɪ": "i", "ʊ": "u"}[f])
        else:
            salida.append(f)
        previo = f
    return salida


def coste(a, b, ponderado):
    if a == b:
        return 0.0
    if not ponderado:
        return 1.0
    # A nasal vowel is a near miss of its oral vowel.
    base_a, base_b = a.replace("\u0303", ""), b.replace("\u0303", "")
    if base_a == base_b or frozenset((base_a, base_b)) in PAREJAS:
        return 0.5
    return 1.0


def distancia(ref, hip, ponderado):
    """Edit distance between two phoneme lists."""
    fila = [float(j) for j in range(len(hip) + 1)]
    for i in range(1, len(ref) + 1):
        anterior, fila[0] = fila[0], float(i)
        for j in range(1, len(hip) + 1):
            actual = min(fila[j] + 1, fila[j - 1] + 1,
                         anterior + coste(ref[i - 1], hip[j - 1], ponderado))
            anterior, fila[j] = fila[j], actual
    return fila[-1]


def para_la_voz(texto):
    """The text as tools/generar-voces.sh hands it to a voice that is not Galician: the
    contractions á and ás (a + a, a + as) written a and as, which such a voice would otherwise
    spell out as an accented letter."""
    palabras = texto.split(" ")
    cambios = {"á": "a", "Á": "A", "ás": "as", "Ás": "As"}
    return " ".join(cambios.get(p, p) for p in palabras)


def transcribir(voz, texto):
    r = subprocess.run(["espeak-ng", "-q", "--ipa", "-b", "1", "-v", voz],
                       input=para_la_voz(texto).encode(), capture_output=True, check=True)
    return r.stdout.decode().strip()


def nombres_gallegos():
    nombres = []
    for linea in TABLA.read_text(encoding="utf-8").splitlines():
        if linea and not linea.startswith("#"):
            nombres.append(linea.split("\t")[3])
    return nombres


def main():
    analizador = argparse.ArgumentParser(
        description="Mide qué voz de espeak-ng dice mejor el gallego.")
    analizador.add_argument("--voces", default=",".join(VOCES),
                            help="voces de espeak-ng separadas por comas")
    analizador.add_argument("--detalle", action="store_true",
                            help="muestra cada texto como lo dice cada voz")
    args = analizador.parse_args()
    if shutil.which("espeak-ng") is None:
        print("medir-voz-gallega: falta espeak-ng (sudo apt-get install espeak-ng)",
              file=sys.stderr)
        return 2
    sin_referencia = [n for n in nombres_gallegos() if n not in REFERENCIAS]
    if sin_referencia:
        print("medir-voz-gallega: sin transcripción de referencia: " + ", ".join(sin_referencia),
              file=sys.stderr)
        return 2

    productos = set(nombres_gallegos())
    referencias = {t: fonemas(ipa) for t, ipa in REFERENCIAS.items()}
    total = sum(len(f) for f in referencias.values())
    filas = []
    for voz in args.voces.split(","):
        ponderada = 0.0
        simple = {True: 0.0, False: 0.0}  # in the product names, in the fixed texts
        detalle = []
        for texto, ref in referencias.items():
            ipa = transcribir(voz, texto)
            hip = fonemas(ipa)
            d = distancia(ref, hip, False)
            simple[texto in productos] += d
            ponderada += distancia(ref, hip, True)
            detalle.append((texto, ipa, d))
        filas.append((ponderada, simple[True] + simple[False], voz, simple, detalle))
    filas.sort(key=lambda f: f[:3])

    version = subprocess.run(["espeak-ng", "--version"], capture_output=True,
                             text=True).stdout.split("Data")[0].strip()
    print(f"{len(referencias)} textos ({len(productos)} productos), {total} fonemas de "
          f"referencia; {version}\n")
    print("| voz | distancia ponderada | distancia simple | en los productos | en los textos "
          "fijos | fonemas errados por 100 |")
    print("|---|---|---|---|---|---|")
    for ponderada, simple, voz, partes, _ in filas:
        print(f"| {voz} | {ponderada:g} | {simple:g} | {partes[True]:g} | {partes[False]:g} | "
              f"{100 * simple / total:.1f} |")
    if args.detalle:
        for _, _, voz, _, detalle in filas:
            print(f"\n{voz}:")
            for texto, ipa, d in detalle:
                una = [t.replace("\n", " / ") for t in (texto, REFERENCIAS[texto], ipa)]
                print(f"  {d:g}\t" + "\t".join(una))
    return 0


if __name__ == "__main__":
    sys.exit(main())
