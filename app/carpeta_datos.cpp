// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/carpeta_datos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "core/aviso_unico.h"
#include "core/idioma.h"

namespace tiendal {
namespace {

// A folder whose settings can be saved where they are: new files can be made in it, or its
// Tiendal.ini can be rewritten in place.
bool GuardaSusOpciones(const QString& carpeta) {
  if (QFileInfo(carpeta).isWritable()) return true;
  const QFileInfo ini(Rutas(carpeta).Ini());
  return ini.isFile() && ini.isWritable();
}

Rutas Propia(const QString& carpeta, const QString& configuracion) {
  return {carpeta, GuardaSusOpciones(carpeta) ? carpeta : configuracion};
}

}  // namespace

std::variant<Rutas, QString> BuscarCarpetaDatos(const QString& carpetaPrograma,
                                                const QString& pedida, const QString& configuracion,
                                                const QString& idioma) {
  if (!pedida.isEmpty()) return Propia(pedida, configuracion);
  const Rutas portatil(carpetaPrograma);
  if (QFileInfo(portatil.Imagenes()).isDir()) return Propia(carpetaPrograma, configuracion);
  const QString instalada = QDir::cleanPath(carpetaPrograma + QStringLiteral("/../share/tiendal"));
  if (QFileInfo(instalada).isDir()) {
    if (idioma == kEspanol) return Rutas(instalada, configuracion);
    // Each language's products are named in it; the Spanish ones stand in for a missing set.
    const QString suya = instalada + u'/' + idioma;
    if (QFileInfo(Rutas(suya).Imagenes()).isDir()) return Rutas(suya, configuracion);
    AvisarUnaVez(suya,
                 QCoreApplication::translate(
                     "CarpetaDatos",
                     "Tiendal: no están instalados los productos en este idioma («%1»); "
                     "se usan los de «%2».")
                     .arg(QDir::toNativeSeparators(suya), QDir::toNativeSeparators(instalada)));
    return Rutas(instalada, configuracion);
  }
  return QCoreApplication::translate(
             "CarpetaDatos",
             "No se encuentran los datos del programa. Se ha buscado la carpeta de imágenes "
             "«%1» junto al programa y la carpeta de datos instalada «%2».")
      .arg(QDir::toNativeSeparators(portatil.Imagenes()), QDir::toNativeSeparators(instalada));
}

}  // namespace tiendal
