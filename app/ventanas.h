// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_APP_VENTANAS_H
#define TIENDAL_APP_VENTANAS_H

#include "app/programa.h"
#include "core/rutas.h"

namespace tiendal {

// The program's own window makers: each window gets an SDL sound player and random numbers
// seeded from the clock when it is made. A folder alone is a portable copy.
FabricaVentanas FabricaDelPrograma(const Rutas& rutas);

}  // namespace tiendal

#endif
