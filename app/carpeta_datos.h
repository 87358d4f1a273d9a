// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_APP_CARPETA_DATOS_H
#define TIENDAL_APP_CARPETA_DATOS_H

#include <QString>
#include <variant>

#include "core/idioma.h"
#include "core/rutas.h"

namespace tiendal {

// Where the program takes its products from, first found wins:
//   1. `pedida`, the folder given with --datos, when not empty;
//   2. the program's own folder when it holds imágenes/ (the portable copy);
//   3. the installed data, ../share/tiendal from the program's folder, whatever the prefix:
//      the Spanish set there, each other language's set in a folder named by its code
//      (share/tiendal/ca); a language whose set is missing gets the Spanish one and one line
//      on standard error.
// Tiendal.ini stays in the data folder of 1 and 2 when that folder can be written, or holds a
// Tiendal.ini that can; otherwise, and always for the installed data, it goes to
// `configuracion`, the user's own configuration folder, which need not exist yet.
// When none is found, a message that names every place looked at.
std::variant<Rutas, QString> BuscarCarpetaDatos(const QString& carpetaPrograma,
                                                const QString& pedida, const QString& configuracion,
                                                const QString& idioma = kEspanol);

}  // namespace tiendal

#endif
