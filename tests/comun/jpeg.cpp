// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "jpeg.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QImageWriter>
#include <QPainter>

namespace tiendal {
namespace {

QByteArray Escribir(const QImage& imagen, const char* formato, int calidad = 85) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter escritor(&buffer, formato);
  escritor.setQuality(calidad);
  if (!escritor.write(imagen)) qFatal("no se pudo escribir la imagen de prueba");
  return bytes;
}

}  // namespace

QImage Cuarto(QSize tamano, QColor color) {
  QImage imagen(tamano, QImage::Format_RGB32);
  imagen.fill(Qt::blue);
  QPainter(&imagen).fillRect(0, 0, (tamano.width() + 1) / 2, (tamano.height() + 1) / 2, color);
  return imagen;
}

QByteArray JpegQt(QSize tamano, QColor color) { return Escribir(Cuarto(tamano, color), "jpeg"); }

QByteArray JpegConExif(const QImage& imagen, int orientacion, const QImage& miniatura, int calidad,
                       int finMiniatura) {
  // TIFF, little-endian: IFD0 with the orientation, then IFD1 pointing at the thumbnail.
  QByteArray pequena = miniatura.isNull() ? QByteArray() : Escribir(miniatura, "jpeg", 80);
  // The largest EXIF block, after an APP15 segment filling the rest: 68 bytes come before the
  // thumbnail.
  QByteArray relleno;
  if (finMiniatura > 0) {
    pequena.resize(0xFFFF - 64, '\0');
    QDataStream(&relleno, QIODevice::WriteOnly)
        << quint16(0xFFEF) << quint16(finMiniatura - 70 - pequena.size());
    relleno.resize(finMiniatura - 68 - pequena.size(), '\0');
  }
  QByteArray tiff;
  QDataStream d(&tiff, QIODevice::WriteOnly);
  d.setByteOrder(QDataStream::LittleEndian);
  d.writeRawData("II*\0", 4);
  d << quint32(8) << quint16(1) << quint16(0x0112) << quint16(3) << quint32(1)
    << quint32(orientacion) << quint32(pequena.isEmpty() ? 0 : 26);
  if (!pequena.isEmpty()) {
    d << quint16(2) << quint16(0x0201) << quint16(4) << quint32(1) << quint32(56) << quint16(0x0202)
      << quint16(4) << quint32(1) << quint32(pequena.size()) << quint32(0);
    d.writeRawData(pequena.constData(), static_cast<int>(pequena.size()));
  }
  // The APP1 segment, its length big-endian, right after the start of image.
  QByteArray app1;
  QDataStream(&app1, QIODevice::WriteOnly) << quint16(0xFFE1) << quint16(tiff.size() + 8);
  QByteArray bytes = Escribir(imagen, "jpeg", calidad);
  bytes.insert(2, relleno + app1 + QByteArray("Exif\0\0", 6) + tiff);
  return bytes;
}

void EscribirJpeg(const QString& ruta, int ancho, int alto, int orientacion) {
  QFile archivo(ruta);
  if (!archivo.open(QIODevice::WriteOnly)) qFatal("no se pudo escribir %s", qPrintable(ruta));
  archivo.write(JpegConExif(Cuarto({ancho, alto}, Qt::red), orientacion));
}

}  // namespace tiendal
