// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_CORE_AVISO_UNICO_H
#define TIENDAL_CORE_AVISO_UNICO_H

#include <QString>

namespace tiendal {

// Writes `texto` on standard error the first time `clave` is seen in this run, from any thread:
// a fault met again (the same sound asked for, the same picture back on the shelf) is told once.
void AvisarUnaVez(const QString& clave, const QString& texto);

}  // namespace tiendal

#endif
