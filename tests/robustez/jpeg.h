#ifndef TIENDAL_ROBUSTEZ_JPEG_H
#define TIENDAL_ROBUSTEZ_JPEG_H

#include <QByteArray>
#include <QColor>
#include <QSize>
#include <vector>

namespace tiendal::robustez {

// How Qt's own writer is to write a picture.
struct ComoEscribir {
  bool progresivo = false;
  bool gris = false;
};

// A JPEG written by Qt: the left half in `color`, the right half white, so that a picture turned
// the wrong way can be told.
QByteArray JpegQt(QSize tamano, QColor color, ComoEscribir como = {});

// A baseline JPEG of one flat colour, written byte by byte: 1 component (grey), 3 (YCbCr) or
// 4 (CMYK, marked with an Adobe segment as Photoshop writes it). Qt 6.4 can read CMYK JPEGs
// but has no way to write one.
QByteArray JpegUniforme(QSize tamano, const std::vector<int>& componentes);

// The same JPEG with an APP1 Exif segment right after its start marker that carries only the
// orientation tag (1 upright, 6 turned a quarter clockwise, 8 a quarter anticlockwise...).
QByteArray ConOrientacionExif(const QByteArray& jpeg, int orientacion);

// A JPEG written by Qt of a busy pattern, whose pixel data is long enough to be cut short.
QByteArray JpegRuido(QSize tamano);

// The same JPEG with the size in its frame header replaced: the data then falls short of it.
QByteArray ConTamanoDeCabecera(const QByteArray& jpeg, QSize tamano);

// A PNG of the given size (to be saved under a .jpg name).
QByteArray Png(QSize tamano, QColor color);

}  // namespace tiendal::robustez

#endif
