// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_WINDOW_BASE_ENCAJE_H
#define TIENDAL_WINDOW_BASE_ENCAJE_H

#include <QRect>
#include <QSize>

namespace tiendal {

// Where a shelf picture of the given own size (logical pixels, upright) lies in its frame, in
// logical pixels of the frame: kAltoImagen high, as wide as its proportions say, centred across
// the frame, so that a wide one is cut by the frame's edges. A picture that could not be read
// (no size) gets an empty rectangle at the frame's middle.
QRect EncajarImagen(QSize propio);

}  // namespace tiendal

#endif
