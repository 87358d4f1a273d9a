// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_CORE_LECTURA_H
#define TIENDAL_CORE_LECTURA_H

#include "core/tecla.h"

namespace tiendal {

struct Practica;
class Sonido;
class Vista;

// How the product reading waits for each product's sound.
enum class EsperaProducto {
  HastaParar,   // until the player is stopped (the window for mouse and keyboard)
  PorPosicion,  // on the play position, first above zero, then back to zero (the keyboard-only
                // window); see Sonido::EsperarPosicion
};

// F2: the figures of one column of the written sum, chosen by the caret in the result box
// (`cursorResultado`: the characters before it, or the start of the selection). A row taken away
// during a wait, by a new exercise, reads as "0". Every reading ends at once, touching neither the
// practice nor the window again, once `sonido` has been closed.
void LeerColumna(const Practica& practica, const Vista& vista, int cursorResultado, Sonido& sonido);

// F3: "lista.wav", then the six shelf products in slot order; Ctrl ends it. A shelf place that
// holds no catalogue product is passed over in silence.
void LeerProductos(Practica& practica, Sonido& sonido,
                   EsperaProducto espera = EsperaProducto::HastaParar);

// F2, F3 and Ctrl; every other key does nothing. Returns whether the key was one of them.
bool AtenderTeclaDeLectura(Tecla tecla, Practica& practica, const Vista& vista, int cursorResultado,
                           Sonido& sonido, EsperaProducto espera = EsperaProducto::HastaParar);

}  // namespace tiendal

#endif
