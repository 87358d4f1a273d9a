// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_MOUSE_WINDOW_MEDIDAS_H
#define TIENDAL_MOUSE_WINDOW_MEDIDAS_H

#include <QFont>
#include <QString>

namespace tiendal {

// Figures of the windows that the data checker needs as well, to tell whether a shelf text
// fits its frame.

// Width of a shelf frame, and of the text line inside it, in twips.
inline constexpr int kAnchoMarco = 2000;

// The font of the main windows, which every control without its own takes.
inline QFont FuenteVentana() {
  QFont fuente;
  fuente.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  fuente.setStyleHint(QFont::SansSerif);
  fuente.setPointSizeF(9.75);
  return fuente;
}

}  // namespace tiendal

#endif
