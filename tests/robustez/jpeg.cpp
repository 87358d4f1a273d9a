// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "jpeg.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <array>
#include <cstdlib>

namespace tiendal::robustez {
namespace {

QByteArray Escribir(const QImage& imagen, const char* formato, bool progresivo = false) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter escritor(&buffer, formato);
  escritor.setQuality(85);
  escritor.setProgressiveScanWrite(progresivo);
  if (!escritor.write(imagen)) qFatal("no se pudo escribir la imagen de prueba");
  return bytes;
}

QByteArray Dos(int valor) {
  return QByteArray(1, static_cast<char>((valor >> 8) & 0xFF)) + static_cast<char>(valor & 0xFF);
}

QByteArray Segmento(int marcador, const QByteArray& carga) {
  return QByteArray(1, '\xFF') + static_cast<char>(marcador) +
         Dos(static_cast<int>(carga.size()) + 2) + carga;
}

}  // namespace

QImage DosMitades(QSize tamano, QColor color) {
  QImage imagen(tamano, QImage::Format_RGB32);
  imagen.fill(Qt::white);
  QPainter(&imagen).fillRect(0, 0, (tamano.width() + 1) / 2, tamano.height(), color);
  return imagen;
}

QByteArray JpegQt(QSize tamano, QColor color, bool progresivo, bool gris) {
  QImage imagen = DosMitades(tamano, color);
  if (gris) imagen = imagen.convertToFormat(QImage::Format_Grayscale8);
  return Escribir(imagen, "jpeg", progresivo);
}

QByteArray Png(QSize tamano, QColor color) { return Escribir(DosMitades(tamano, color), "png"); }

QByteArray JpegRuido(QSize tamano) {
  QImage imagen(tamano, QImage::Format_RGB32);
  for (int y = 0; y < tamano.height(); ++y) {
    for (int x = 0; x < tamano.width(); ++x) {
      imagen.setPixel(x, y, qRgb((x * y * 37) % 256, (x * 91 + y) % 256, (x ^ y) % 256));
    }
  }
  return Escribir(imagen, "jpeg");
}

QByteArray JpegCmyk(QSize tamano, const std::array<int, 4>& tinta) {
  // Adobe segment: version 100, no flags, no colour transform: plain CMYK. Every quantiser 1,
  // so that a block's DC coefficient is 8 × (sample − 128).
  QByteArray b = QByteArray("\xFF\xD8", 2) +
                 Segmento(0xEE, "Adobe" + Dos(100) + Dos(0) + Dos(0) + '\0') +
                 Segmento(0xDB, QByteArray(1, '\0') + QByteArray(64, '\1'));
  QByteArray sof = '\x08' + Dos(tamano.height()) + Dos(tamano.width()) + '\x04';
  QByteArray sos(1, '\x04');
  for (char c = 1; c <= 4; ++c) {
    sof += c + QByteArray("\x11\x00", 2);
    sos += c + QByteArray(1, '\0');
  }
  // DC: the twelve categories, each coded by its own number in four bits. AC: one code, "0",
  // end of block: every block is flat.
  QByteArray dc = QByteArray("\x00\x00\x00\x00\x0C", 5) + QByteArray(12, '\0');
  for (char categoria = 0; categoria < 12; ++categoria) dc += categoria;
  b += Segmento(0xC0, sof) + Segmento(0xC4, dc) +
       Segmento(0xC4, QByteArray("\x10\x01", 2) + QByteArray(16, '\0')) +
       Segmento(0xDA, sos + QByteArray("\x00\x3F\x00", 3));

  // Entropy-coded bits, most significant first, with a 0 stuffed after each 0xFF.
  int acumulado = 0, cuantos = 0;
  const auto poner = [&](int codigo, int largo) {
    for (int i = largo - 1; i >= 0; --i) {
      acumulado = (acumulado << 1) | ((codigo >> i) & 1);
      if (++cuantos < 8) continue;
      b += static_cast<char>(acumulado);
      if (acumulado == 0xFF) b += '\0';
      acumulado = cuantos = 0;
    }
  };
  const int bloques = ((tamano.width() + 7) / 8) * ((tamano.height() + 7) / 8);
  for (int bloque = 0; bloque < bloques; ++bloque) {
    for (const int valor : tinta) {
      // Blocks after the first repeat the DC value: a difference of 0.
      const int diferencia = bloque == 0 ? 8 * (valor - 128) : 0;
      int categoria = 0;
      for (int v = std::abs(diferencia); v != 0; v >>= 1) ++categoria;
      poner(categoria, 4);
      poner(diferencia < 0 ? diferencia + (1 << categoria) - 1 : diferencia, categoria);
      poner(0, 1);  // end of block
    }
  }
  while (cuantos != 0) poner(1, 1);
  return b + QByteArray("\xFF\xD9", 2);
}

QByteArray ConTamanoDeCabecera(const QByteArray& jpeg, QSize tamano) {
  const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
  if (sof < 0) qFatal("JPEG de prueba sin cabecera de cuadro");
  return QByteArray(jpeg).replace(sof + 5, 4, Dos(tamano.height()) + Dos(tamano.width()));
}

}  // namespace tiendal::robustez
