// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_TESTS_COMUN_JPEG_H
#define TIENDAL_TESTS_COMUN_JPEG_H

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace tiendal {

// The top left quarter in `color`, the rest blue, so that a picture turned or mirrored the wrong
// way can be told.
QImage Cuarto(QSize tamano, QColor color);

// That picture as a JPEG written by Qt.
QByteArray JpegQt(QSize tamano, QColor color);

// JPEG bytes of `imagen`, with an EXIF block as cameras write it: the orientation in IFD0 and,
// when `miniatura` is not null, that picture as the JPEG thumbnail of IFD1. With `finMiniatura`,
// padding before the EXIF block and after the thumbnail's own end makes the thumbnail end that
// many bytes into the file.
QByteArray JpegConExif(const QImage& imagen, int orientacion, const QImage& miniatura = {},
                       int calidad = 90, int finMiniatura = 0);

// The red quarter on blue, stored at `ruta` with the given EXIF orientation.
void EscribirJpeg(const QString& ruta, int ancho, int alto, int orientacion = 1);

}  // namespace tiendal

#endif
