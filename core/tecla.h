// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_CORE_TECLA_H
#define TIENDAL_CORE_TECLA_H

namespace tiendal {

// The keys the program acts on, whichever control has the focus, by their virtual key codes.
// A window turns its toolkit's key into one of these once, as the press arrives.
enum class Tecla {
  Ninguna = 0,        // any other key
  Control = 17,       // silences a reading
  Escape = 27,        // leaves full screen
  Suprimir = 46,      // takes a product off the list, in the window for the keyboard alone
  Aplicaciones = 93,  // opens the product chooser, in the window for the keyboard alone
  F2 = 113,           // reads a column of the sum
  F3 = 114,           // reads the products on the shelf
  F11 = 122,          // full screen, scaled to fit, and back
};

}  // namespace tiendal

#endif
