// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_MOUSE_WINDOW_FOTO_H
#define TIENDAL_MOUSE_WINDOW_FOTO_H

#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QImageIOHandler>
#include <QSize>
#include <QString>

namespace tiendal {

// What the header of a picture file tells: its size once upright, and the turn that makes it
// upright (EXIF orientation). An empty size when the file is no readable picture.
struct CabeceraFoto {
  QSize derecha;
  QImageIOHandler::Transformations giro = QImageIOHandler::TransformationNone;
};

// A picture that cannot be read or decoded is told once per file and run on standard error
// (`Tiendal: no se puede leer la imagen «…»: …`); its place stays empty.
CabeceraFoto LeerCabeceraFoto(const QString& ruta);

// The picture upright at `tamano` pixels, decoding no more than that needs: the file's EXIF
// thumbnail when it is large enough and has the picture's proportions (as cameras and phones
// write it), otherwise the picture itself scaled while it is decoded. Null when it cannot be
// decoded.
QImage LeerFotoReducida(const QString& ruta, const CabeceraFoto& cabecera, QSize tamano);

// The same readings from an open file or buffer, telling nothing.
CabeceraFoto LeerCabeceraFoto(QIODevice& archivo);
QImage LeerFotoReducida(QIODevice& archivo, const CabeceraFoto& cabecera, QSize tamano);

// The JPEG thumbnail that the EXIF block among the first bytes of a JPEG file holds, if any.
QByteArray MiniaturaExif(const QByteArray& inicio);

// The width of a picture of these proportions at `alto` pixels high: at least 1, and never
// more than a widget can be wide, however long and thin the picture.
int AnchoProporcional(QSize derecha, int alto);

}  // namespace tiendal

#endif
