// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_base/encaje.h"

#include "window_base/medidas.h"
#include "window_base/twips.h"

namespace tiendal {

// Worked in twips, as the frame is designed: the width is set in whole pixels first, and the
// picture centred on that width.
QRect EncajarImagen(QSize propio) {
  constexpr double kAnchoMarco = medidas::kAnchoMarco;
  if (propio.width() <= 0 || propio.height() <= 0) {
    return {Pixeles(kAnchoMarco / 2), Pixeles(0.0), 0, 0};
  }
  const double proporcion = static_cast<double>(Twips(propio.width())) / Twips(propio.height());
  const int ancho = Pixeles(static_cast<float>(proporcion * medidas::kAltoImagen));
  const int alto = Pixeles(medidas::kAltoImagen);
  return {Pixeles((kAnchoMarco - Twips(ancho)) / 2), Pixeles(0.0), ancho, alto};
}

}  // namespace tiendal
