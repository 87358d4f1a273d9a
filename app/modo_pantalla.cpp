// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/modo_pantalla.h"

#include <QSettings>

namespace tiendal {
namespace {

const QString kClave = QStringLiteral("pantalla_completa");

QString Archivo(const QString& carpeta) { return carpeta + QStringLiteral("/pantalla.ini"); }

}  // namespace

bool LeerPantallaCompleta(const QString& carpetaConfiguracion) {
  return QSettings(Archivo(carpetaConfiguracion), QSettings::IniFormat).value(kClave).toBool();
}

// A folder that cannot be written keeps the mode for this run only.
void GuardarPantallaCompleta(const QString& carpetaConfiguracion, bool completa) {
  QSettings(Archivo(carpetaConfiguracion), QSettings::IniFormat).setValue(kClave, completa);
}

}  // namespace tiendal
