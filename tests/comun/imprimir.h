// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_TESTS_COMUN_IMPRIMIR_H
#define TIENDAL_TESTS_COMUN_IMPRIMIR_H

#include <QString>
#include <ostream>

// GoogleTest shows a QString that differs as its text.
inline void PrintTo(const QString& texto, std::ostream* os) {
  *os << '"' << texto.toStdString() << '"';
}

#endif
