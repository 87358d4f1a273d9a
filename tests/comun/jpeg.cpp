// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "jpeg.h"

#include <QBuffer>
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

QImage DosMitades(QSize tamano, QColor color) {
  QImage imagen(tamano, QImage::Format_RGB32);
  imagen.fill(Qt::white);
  QPainter(&imagen).fillRect(0, 0, (tamano.width() + 1) / 2, tamano.height(), color);
  return imagen;
}

QByteArray JpegQt(QSize tamano, QColor color) { return Escribir(DosMitades(tamano, color), "jpeg"); }

QByteArray Png(QSize tamano, QColor color) { return Escribir(DosMitades(tamano, color), "png"); }

QByteArray JpegConExif(const QImage& imagen, int orientacion, const QImage& miniatura,
                       int calidad) {
  const auto u16 = [](QByteArray& b, int v) {
    b.append(static_cast<char>(v & 0xFF));
    b.append(static_cast<char>((v >> 8) & 0xFF));
  };
  const auto u32 = [&](QByteArray& b, qint64 v) {
    u16(b, static_cast<int>(v & 0xFFFF));
    u16(b, static_cast<int>((v >> 16) & 0xFFFF));
  };
  const auto entrada = [&](QByteArray& b, int etiqueta, int tipo, qint64 valor) {
    u16(b, etiqueta);
    u16(b, tipo);
    u32(b, 1);
    u32(b, valor);
  };

  const QByteArray pequena = miniatura.isNull() ? QByteArray() : Escribir(miniatura, "jpeg", 80);
  QByteArray tiff("II*\0\x08\0\0\0", 8);
  u16(tiff, 1);
  entrada(tiff, 0x0112, 3, orientacion);
  u32(tiff, pequena.isEmpty() ? 0 : 26);
  if (!pequena.isEmpty()) {
    u16(tiff, 2);
    entrada(tiff, 0x0201, 4, 56);
    entrada(tiff, 0x0202, 4, pequena.size());
    u32(tiff, 0);
    tiff += pequena;
  }
  const QByteArray carga = QByteArray("Exif\0\0", 6) + tiff;
  QByteArray app1("\xFF\xE1", 2);
  app1.append(static_cast<char>((carga.size() + 2) >> 8));
  app1.append(static_cast<char>((carga.size() + 2) & 0xFF));
  QByteArray bytes = Escribir(imagen, "jpeg", calidad);
  bytes.insert(2, app1 + carga);
  return bytes;
}

void EscribirJpeg(const QString& ruta, int ancho, int alto, int orientacion) {
  QImage imagen(ancho, alto, QImage::Format_RGB32);
  imagen.fill(Qt::blue);
  QPainter(&imagen).fillRect(0, 0, ancho / 2, alto, Qt::red);
  QFile archivo(ruta);
  archivo.open(QIODevice::WriteOnly);
  archivo.write(JpegConExif(imagen, orientacion));
}

}  // namespace tiendal
