// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_CORE_COMPROBACIONES_H
#define TIENDAL_CORE_COMPROBACIONES_H

#include <QString>
#include <optional>

namespace tiendal {

// The start-up checks of a data folder, in the words the program shows when it cannot start;
// the data checker reports the same words.

// Whether a window can start on the pictures folder `carpetaImagenes` holding `imagenes` *.jpg
// files: nothing when it can, else the message that names the folder and what is wrong.
std::optional<QString> FalloDelCatalogo(const QString& carpetaImagenes, qsizetype imagenes);

// The message when the prices file `rutaPrecios` cannot be read.
QString FalloDePrecios(const QString& rutaPrecios);

}  // namespace tiendal

#endif
