// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_CORE_RUTAS_H
#define TIENDAL_CORE_RUTAS_H

#include <QString>
#include <utility>

#include "core/entradas.h"

namespace tiendal {

// Where the program's files lie: the data (pictures, prices, sounds) under one folder, and the
// settings file under another, which is the same folder unless the program chose the user's
// own configuration folder (installed data, or a data folder that cannot be written). A name
// spelt in another Unicode form on disk is found all the same.
struct Rutas {
  // A folder alone is a portable copy: everything, settings file included, in that folder.
  Rutas(QString datos) : Datos(datos), CarpetaOpciones(std::move(datos)) {}
  Rutas(QString datos, QString carpetaOpciones)
      : Datos(std::move(datos)), CarpetaOpciones(std::move(carpetaOpciones)) {}

  QString Datos;            // the data folder
  QString CarpetaOpciones;  // the folder of Tiendal.ini

  QString Imagenes() const { return EntradaDe(Datos, QStringLiteral("imágenes")); }
  QString Precios() const { return EntradaDe(Datos, QStringLiteral("precios.txt")); }
  QString Sonidos() const { return EntradaDe(Datos, QStringLiteral("Sonidos")); }
  QString Ini() const { return CarpetaOpciones + QStringLiteral("/Tiendal.ini"); }
};

}  // namespace tiendal

#endif
