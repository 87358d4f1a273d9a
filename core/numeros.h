// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_CORE_NUMEROS_H
#define TIENDAL_CORE_NUMEROS_H

#include <QString>
#include <QStringView>

namespace tiendal {

// The leading number of a text: spaces, tabs and line feeds are skipped wherever they stand,
// then an optional sign, digits with at most one ".", and an optional exponent (E or D).
// A text without a leading number reads as 0. Never depends on the process locale.
double LeerNumero(QStringView texto);

// Whether the text starts with a number LeerNumero reads; without one it reads 0.
bool EmpiezaPorNumero(QStringView texto);

// A read value held in single precision; one that does not fit counts as 0.
float ASimple(double valor);

// A figure typed by the pupil (or the banknote): spaces trimmed, "," taken as ".", then read.
// Kept in single precision; a figure too large for it stays infinite and matches nothing.
float LeerCifra(QStringView texto);

// x * 100 in single precision, to the nearest whole number (ties to even), divided by 100.
float RedondearCentesimas(float valor);

// The price format: at most seven significant digits, decimal comma, no trailing zeros,
// no exponent and no thousands separator ("1,5", "2", "0,85", "3,45" for 3.4499998).
QString FormatoPrecio(float valor);

}  // namespace tiendal

#endif
