// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_base/ayuda.h"

#include <QCoreApplication>

namespace tiendal {

QString TextoAyuda(const QString& comoElegir, const QStringList& despues) {
  QStringList parrafos{
      comoElegir,
      QCoreApplication::translate("Ayuda",
                                  "A continuación realice las operaciones matemáticas necesarias e "
                                  "introduzca el resultado."),
      QCoreApplication::translate(
          "Ayuda",
          "Pulse el botón corregir para comprobar si el resultado es correcto, y el botón Nuevo "
          "ejercicio para comenzar otra actividad."),
      QCoreApplication::translate(
          "Ayuda",
          "Pulsando f2 puede escuchar las cifras de la columna seleccionada en el cuadro del "
          "resultado, y pulsando F3 escuchará los productos disponibles."),
  };
  parrafos += despues;
  return parrafos.join(QStringLiteral("\r\n"));
}

}  // namespace tiendal
