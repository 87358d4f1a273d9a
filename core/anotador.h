// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_CORE_ANOTADOR_H
#define TIENDAL_CORE_ANOTADOR_H

#include <QString>

#include "core/practica.h"

namespace tiendal {

// One verdict of "Corregir", with every figure as the window showed it.
struct Respuesta {
  TipoDeEjercicio tipo = TipoDeEjercicio::Ninguno;
  QString productos;  // the products on the list, "name price" each, joined by "; "
  QString dinero;     // the banknote (type 2) or the money (type 5); empty for the other types
  QString unidades;   // the number of units (type 4); empty for the other types
  QString esperado;   // the expected figure (type 5: the number of products)
  QString tecleado;   // the result box exactly as typed
  bool correcta = false;
  int comprobacion = 0;  // this exercise's checks so far, this one included
};

// Where the practice tells what the pupil did, for a record kept outside the core. A window
// without a record has none.
class Anotador {
 public:
  virtual ~Anotador() = default;
  // A new exercise is on the screen.
  virtual void EjercicioNuevo() = 0;
  // "Corregir" gave a verdict; the refusals of an incomplete list are not told.
  virtual void Anotar(const Respuesta& respuesta) = 0;
};

}  // namespace tiendal

#endif
