// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_APP_VENTANAS_H
#define TIENDAL_APP_VENTANAS_H

#include <QString>

#include "app/programa.h"
#include "core/rutas.h"

namespace tiendal {

// The program's own window makers: each window gets an SDL sound player, random numbers seeded
// from the clock when it is made and, unless `carpetaRegistro` is empty, a record of the user's
// answers in that folder. A folder alone is a portable copy.
FabricaVentanas FabricaDelPrograma(const Rutas& rutas, const QString& carpetaRegistro = {});

}  // namespace tiendal

#endif
