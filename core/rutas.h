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
  Rutas(QString datos) : programa(datos), opciones(std::move(datos)) {}
  Rutas(QString datos, QString carpetaOpciones)
      : programa(std::move(datos)), opciones(std::move(carpetaOpciones)) {}

  QString programa;  // the data folder
  QString opciones;  // the folder of Tiendal.ini

  QString Imagenes() const { return EntradaDe(programa, QStringLiteral("imágenes")); }
  QString Precios() const { return EntradaDe(programa, QStringLiteral("precios.txt")); }
  QString Sonidos() const { return EntradaDe(programa, QStringLiteral("Sonidos")); }
  QString Ini() const { return opciones + QStringLiteral("/Tiendal.ini"); }
};

}  // namespace tiendal

#endif
