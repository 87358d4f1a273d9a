// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "jpeg.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

namespace tiendal::robustez {
namespace {

QByteArray Escribir(const QImage& imagen, const char* formato) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter escritor(&buffer, formato);
  escritor.setQuality(85);
  if (!escritor.write(imagen)) qFatal("no se pudo escribir la imagen de prueba");
  return bytes;
}

QByteArray Dos(int valor) {
  return QByteArray(1, static_cast<char>((valor >> 8) & 0xFF)) + static_cast<char>(valor & 0xFF);
}

}  // namespace

QImage DosMitades(QSize tamano, QColor color) {
  QImage imagen(tamano, QImage::Format_RGB32);
  imagen.fill(Qt::white);
  QPainter(&imagen).fillRect(0, 0, (tamano.width() + 1) / 2, tamano.height(), color);
  return imagen;
}

QByteArray JpegQt(QSize tamano, QColor color) { return Escribir(DosMitades(tamano, color), "jpeg"); }

QByteArray Png(QSize tamano, QColor color) { return Escribir(DosMitades(tamano, color), "png"); }

QByteArray ConTamanoDeCabecera(const QByteArray& jpeg, QSize tamano) {
  const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
  if (sof < 0) qFatal("JPEG de prueba sin cabecera de cuadro");
  return QByteArray(jpeg).replace(sof + 5, 4, Dos(tamano.height()) + Dos(tamano.width()));
}

}  // namespace tiendal::robustez
