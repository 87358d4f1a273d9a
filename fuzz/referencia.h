// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_FUZZ_REFERENCIA_H
#define TIENDAL_FUZZ_REFERENCIA_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include "core/opciones.h"

// A difference from the plain reading is a crash, so that libFuzzer keeps the input.
#define FALLO_SI(condicion)                                                \
  do {                                                                     \
    if (condicion) {                                                       \
      std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #condicion); \
      std::abort();                                                        \
    }                                                                      \
  } while (false)

// The readings written the plain way, one rule after another, with no speed-ups, to compare
// the program's own against.
namespace tiendal::referencia {

// Blanks skipped anywhere; sign; digits with at most one point; exponent E or D; the C
// library converts what was gathered.
double LeerNumero(const QString& texto);

// For each name: its first occurrence by indexOf, the first "|" after the start of it (from the
// start of the text when the name does not occur), the number after that "|" (the whole text
// when there is none), held in single precision; with whole values, the floor and 1 for 0.
std::vector<float> PreciosDe(const QStringList& nombres, const QString& texto, bool enteros);

// The first two lines (ended by CR LF, LF or CR); a missing one keeps its value; a line is on
// exactly when its number is 1.
void AplicarTextoOpciones(const QByteArray& contenido, Opciones& opciones);

}  // namespace tiendal::referencia

#endif
