// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_ROBUSTEZ_JPEG_H
#define TIENDAL_ROBUSTEZ_JPEG_H

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>

namespace tiendal::robustez {

// The left half in `color`, the right half white, so that a picture turned the wrong way can be
// told.
QImage DosMitades(QSize tamano, QColor color);

// That picture as a JPEG written by Qt, or as a PNG (to be saved under a .jpg name).
QByteArray JpegQt(QSize tamano, QColor color);
QByteArray Png(QSize tamano, QColor color);

// The same JPEG with the size in its frame header replaced: the data then falls short of it.
QByteArray ConTamanoDeCabecera(const QByteArray& jpeg, QSize tamano);

}  // namespace tiendal::robustez

#endif
