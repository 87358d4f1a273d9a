#ifndef TIENDAL_MOUSE_WINDOW_FOTO_H
#define TIENDAL_MOUSE_WINDOW_FOTO_H

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

CabeceraFoto LeerCabeceraFoto(const QString& ruta);

// The picture upright at `tamano` pixels, decoding no more than that needs: the file's EXIF
// thumbnail when it is large enough and has the picture's proportions (as cameras and phones
// write it), otherwise the picture itself scaled while it is decoded. Null when it cannot be
// decoded.
QImage LeerFotoReducida(const QString& ruta, const CabeceraFoto& cabecera, QSize tamano);

}  // namespace tiendal

#endif
