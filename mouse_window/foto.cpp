// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mouse_window/foto.h"

#include <libexif/exif-data.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <memory>

#include "core/aviso_unico.h"

namespace tiendal {
namespace {

// The EXIF block lies in the first 64 KiB of a JPEG file, in an APP1 segment.
constexpr qint64 kCabeceraMaxima = 65536 + 4096;
// The widest a widget can be.
constexpr double kAnchoMaximo = (1 << 24) - 1;

QImage Enderezar(QImage imagen, QImageIOHandler::Transformations giro) {
  if (giro == QImageIOHandler::TransformationNone) return imagen;
  if (giro == QImageIOHandler::TransformationRotate270) {
    return imagen.transformed(QTransform().rotate(270));
  }
  imagen = imagen.mirrored(giro & QImageIOHandler::TransformationMirror,
                           giro & QImageIOHandler::TransformationFlip);
  if (giro & QImageIOHandler::TransformationRotate90) {
    imagen = imagen.transformed(QTransform().rotate(90));
  }
  return imagen;
}

// The thumbnail, when it holds enough pixels for `tamano` and the picture's own proportions
// (some cameras pad a wide picture's thumbnail with black bands).
QImage LeerMiniatura(QIODevice& archivo, QSize propio, QSize destino) {
  if (!archivo.seek(0)) return {};
  QByteArray miniatura = MiniaturaExif(archivo.read(kCabeceraMaxima));
  if (miniatura.isEmpty()) return {};
  QBuffer buffer(&miniatura);
  QImageReader lector(&buffer, "jpeg");
  lector.setAutoTransform(false);
  const QSize tamano = lector.size();
  if (tamano.width() < destino.width() || tamano.height() < destino.height()) return {};
  const double proporcion = static_cast<double>(propio.width()) / propio.height();
  const double suya = static_cast<double>(tamano.width()) / tamano.height();
  if (std::abs(suya / proporcion - 1) > 0.02) return {};
  lector.setScaledSize(destino);
  return lector.read();
}

// Each picture is told once per run, however often it comes back to the shelf.
void AvisarIlegible(const QString& ruta) {
  AvisarUnaVez(QStringLiteral("imagen ") + ruta,
               QCoreApplication::translate("Estante", "Tiendal: no se puede leer la imagen «%1».")
                   .arg(ruta));
}

}  // namespace

QByteArray MiniaturaExif(const QByteArray& inicio) {
  if (!inicio.startsWith("\xFF\xD8")) return {};
  const std::unique_ptr<ExifData, void (*)(ExifData*)> exif(exif_data_new(), exif_data_unref);
  if (!exif) return {};
  // Read as written: nothing is added or put right.
  exif_data_unset_option(exif.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
  exif_data_load_data(exif.get(), reinterpret_cast<const unsigned char*>(inicio.constData()),
                      static_cast<unsigned int>(inicio.size()));
  if (exif->data == nullptr || exif->size == 0) return {};
  return QByteArray(reinterpret_cast<const char*>(exif->data), static_cast<qsizetype>(exif->size));
}

int AnchoProporcional(QSize derecha, int alto) {
  if (derecha.isEmpty() || alto <= 0) return 1;
  const double ancho = std::round(static_cast<double>(derecha.width()) / derecha.height() * alto);
  return static_cast<int>(std::clamp(ancho, 1.0, kAnchoMaximo));
}

CabeceraFoto LeerCabeceraFoto(QIODevice& archivo) {
  if (!archivo.seek(0)) return {QSize(0, 0)};
  QImageReader lector(&archivo);
  CabeceraFoto cabecera;
  QSize tamano = lector.size();
  if (!tamano.isValid() || tamano.isEmpty()) return {QSize(0, 0)};
  cabecera.giro = lector.transformation();
  if (cabecera.giro & QImageIOHandler::TransformationRotate90) tamano.transpose();
  cabecera.derecha = tamano;
  return cabecera;
}

QImage LeerFotoReducida(QIODevice& archivo, const CabeceraFoto& cabecera, QSize tamano) {
  if (cabecera.derecha.isEmpty() || tamano.isEmpty()) return {};
  // Files hold the picture as stored; it is scaled first and turned upright afterwards.
  QSize propio = cabecera.derecha;
  QSize destino = tamano;
  if (cabecera.giro & QImageIOHandler::TransformationRotate90) {
    propio.transpose();
    destino.transpose();
  }
  QImage imagen = LeerMiniatura(archivo, propio, destino);
  if (imagen.isNull() && archivo.seek(0)) {
    QImageReader lector(&archivo);
    lector.setAutoTransform(false);
    lector.setScaledSize(destino);
    imagen = lector.read();
  }
  if (imagen.isNull()) return {};
  return Enderezar(std::move(imagen), cabecera.giro);
}

CabeceraFoto LeerCabeceraFoto(const QString& ruta) {
  QFile archivo(ruta);
  CabeceraFoto cabecera{QSize(0, 0)};
  if (archivo.open(QIODevice::ReadOnly)) cabecera = LeerCabeceraFoto(archivo);
  if (cabecera.derecha.isEmpty()) AvisarIlegible(ruta);
  return cabecera;
}

QImage LeerFotoReducida(const QString& ruta, const CabeceraFoto& cabecera, QSize tamano) {
  if (cabecera.derecha.isEmpty() || tamano.isEmpty()) return {};
  QFile archivo(ruta);
  QImage imagen;
  if (archivo.open(QIODevice::ReadOnly)) imagen = LeerFotoReducida(archivo, cabecera, tamano);
  if (imagen.isNull()) AvisarIlegible(ruta);
  return imagen;
}

}  // namespace tiendal
