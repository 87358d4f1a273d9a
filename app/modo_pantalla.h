// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_APP_MODO_PANTALLA_H
#define TIENDAL_APP_MODO_PANTALLA_H

#include <QString>

namespace tiendal {

// Whether the user last left Tiendal in full screen, kept in pantalla.ini in the user's own
// configuration folder (never in Tiendal.ini, which holds the exercise options as designed).
bool LeerPantallaCompleta(const QString& carpetaConfiguracion);
void GuardarPantallaCompleta(const QString& carpetaConfiguracion, bool completa);

}  // namespace tiendal

#endif
