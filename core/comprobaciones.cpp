// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/comprobaciones.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cerrno>

#include "core/practica.h"

namespace tiendal {

std::optional<QString> FalloDelCatalogo(const QString& carpetaImagenes, qsizetype imagenes) {
  const QString carpeta = QDir::toNativeSeparators(carpetaImagenes);
  // A folder this account may not open (or one on the way to it) is there all the same: saying
  // it is missing, or empty, would send the teacher looking for the wrong fault.
  const QByteArray ruta = QFile::encodeName(carpetaImagenes);
  struct stat datos = {};
  const bool vista = stat(ruta.constData(), &datos) == 0;
  if ((!vista && errno == EACCES) ||
      (vista && S_ISDIR(datos.st_mode) && access(ruta.constData(), R_OK | X_OK) != 0)) {
    return QCoreApplication::translate("Comprobaciones",
                                       "No se puede leer la carpeta de imágenes «%1».")
        .arg(carpeta);
  }
  if (!vista || !S_ISDIR(datos.st_mode)) {
    return QCoreApplication::translate("Comprobaciones",
                                       "No se encuentra la carpeta de imágenes «%1».")
        .arg(carpeta);
  }
  if (imagenes == 0) {
    return QCoreApplication::translate("Comprobaciones",
                                       "La carpeta de imágenes «%1» no tiene ninguna imagen .jpg.")
        .arg(carpeta);
  }
  if (imagenes < kHuecos) {
    return QCoreApplication::translate(
               "Comprobaciones",
               "La carpeta de imágenes «%1» tiene %2 imágenes .jpg y hacen falta al "
               "menos seis.")
        .arg(carpeta, QString::number(imagenes));
  }
  if (imagenes > kMaxProductos) {
    return QCoreApplication::translate(
               "Comprobaciones",
               "La carpeta de imágenes «%1» tiene %2 imágenes .jpg y el programa admite "
               "como mucho %3.")
        .arg(carpeta, QString::number(imagenes), QString::number(kMaxProductos));
  }
  return std::nullopt;
}

QString FalloDePrecios(const QString& rutaPrecios) {
  return QCoreApplication::translate("Comprobaciones",
                                     "No se puede leer el archivo de precios «%1».")
      .arg(QDir::toNativeSeparators(rutaPrecios));
}

}  // namespace tiendal
