// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_CORE_APARICIONES_H
#define TIENDAL_CORE_APARICIONES_H

#include <QString>
#include <QStringList>
#include <vector>

namespace tiendal {

// For each name, the 0-based index of its first occurrence in the text, or -1.
std::vector<qsizetype> PrimerasApariciones(const QStringList& nombres, const QString& texto);

}  // namespace tiendal

#endif
