#ifndef TIENDAL_ROBUSTEZ_COMPROBAR_H
#define TIENDAL_ROBUSTEZ_COMPROBAR_H

#include <gtest/gtest.h>

#include <QString>
#include <string>

#include "arranque.h"

namespace tiendal::robustez {

// The window is up and whole: shown, every control of the exercise filled in (the shelf's six
// text lines in Form1, the instructions, the rows of the list), and it paints.
void ComprobarVentanaEntera(VentanaPractica& ventana);

// The start stopped in order: exactly one message box titled "Tiendal", with one OK button and
// no icon, whose text holds `nombrado` (the file or folder at fault); no window is left open.
void ComprobarParadaOrdenada(const Arranque& arranque, const QString& nombrado);

// Index of a product in the catalogue of a practice, -1 when it is not there.
int IndiceProducto(const Practica& practica, const QString& nombre);

// The shelf slot that shows the product of that name, -1 when it is not on the shelf.
int HuecoDe(const Practica& practica, const QString& nombre);

// The name of a table row of a parameterised test: its field `nombre`.
template <typename Caso>
std::string NombreDelCaso(const ::testing::TestParamInfo<Caso>& caso) {
  return caso.param.nombre;
}

}  // namespace tiendal::robustez

#endif
