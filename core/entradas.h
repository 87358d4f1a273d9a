// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_CORE_ENTRADAS_H
#define TIENDAL_CORE_ENTRADAS_H

#include <QDir>
#include <QString>

namespace tiendal {

// The path of the entry `nombre` of `carpeta`: the exact name when it exists, else the first
// entry of those `tipos` (in name order) whose name is the same once both are in composed
// Unicode (NFC), and with Qt::CaseInsensitive whatever the letter case. A folder copied from a
// Mac spells "imágenes" decomposed (NFD), which looks the same on screen. The exact path when
// nothing matches.
QString EntradaDe(const QString& carpeta, const QString& nombre,
                  Qt::CaseSensitivity mayusculas = Qt::CaseSensitive,
                  QDir::Filters tipos = QDir::AllEntries);

}  // namespace tiendal

#endif
