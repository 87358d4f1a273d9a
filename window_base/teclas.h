// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_WINDOW_BASE_TECLAS_H
#define TIENDAL_WINDOW_BASE_TECLAS_H

#include <QtCore/qnamespace.h>

#include "core/lectura.h"

namespace tiendal {

// The virtual key code of a Qt key, for the keys the main windows act on (F2, F3, Ctrl and the
// Applications key); 0 for every other key.
constexpr int CodigoTecla(int teclaQt) {
  switch (teclaQt) {
    case Qt::Key_F2:
      return kTeclaF2;
    case Qt::Key_F3:
      return kTeclaF3;
    case Qt::Key_Control:
      return kTeclaCtrl;
    case Qt::Key_Menu:
      return kTeclaAplicaciones;
    default:
      return 0;
  }
}

}  // namespace tiendal

#endif
