// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/comprobaciones.h"

#include <QDir>

#include "core/practica.h"

namespace tiendal {

std::optional<QString> FalloDelCatalogo(const QString& carpetaImagenes, qsizetype imagenes) {
  const QString carpeta = QDir::toNativeSeparators(carpetaImagenes);
  if (!QDir(carpetaImagenes).exists()) {
    return QStringLiteral("No se encuentra la carpeta de imágenes «%1».").arg(carpeta);
  }
  if (imagenes == 0) {
    return QStringLiteral("La carpeta de imágenes «%1» no tiene ninguna imagen .jpg.").arg(carpeta);
  }
  if (imagenes < kHuecos) {
    return QStringLiteral(
               "La carpeta de imágenes «%1» tiene %2 imágenes .jpg y hacen falta al "
               "menos seis.")
        .arg(carpeta, QString::number(imagenes));
  }
  if (imagenes > kMaxProductos) {
    return QStringLiteral(
               "La carpeta de imágenes «%1» tiene %2 imágenes .jpg y el programa admite "
               "como mucho %3.")
        .arg(carpeta, QString::number(imagenes), QString::number(kMaxProductos));
  }
  return std::nullopt;
}

QString FalloDePrecios(const QString& rutaPrecios) {
  return QStringLiteral("No se puede leer el archivo de precios «%1».")
      .arg(QDir::toNativeSeparators(rutaPrecios));
}

}  // namespace tiendal
