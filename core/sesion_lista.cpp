// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <algorithm>

#include "core/aleatorio.h"
#include "core/numeros.h"
#include "core/sesion.h"
#include "core/vista.h"

namespace tiendal {
namespace {

// The banknote that pays for a product of price p: the smallest that covers it, up to 100.
QString Billete(float precio) {
  if (precio <= 5.0f) return QStringLiteral("5,00");
  if (precio <= 10.0f) return QStringLiteral("10,00");
  if (precio <= 20.0f) return QStringLiteral("20,00");
  if (precio <= 50.0f) return QStringLiteral("50,00");
  return QStringLiteral("100,00");
}

}  // namespace

void Sesion::AgregarDelEstante(int hueco) {
  if (hueco < 0 || hueco >= kHuecos || p_.TipoEjercicio == TipoDeEjercicio::Ninguno) return;
  const float precio = p_.PrecioDeHueco(hueco);

  if (p_.TipoEjercicio == TipoDeEjercicio::Diferencia) {
    // Ties keep the lower slot. Both scans start from slot 0's own price, so that no price
    // range is ruled out by a starting value.
    float masCaro = p_.PrecioDeHueco(0);
    float masBarato = p_.PrecioDeHueco(0);
    for (int i = 1; i < kHuecos; ++i) {
      masCaro = std::max(masCaro, p_.PrecioDeHueco(i));
      masBarato = std::min(masBarato, p_.PrecioDeHueco(i));
    }
    if (p_.NumFilas == 0 && precio < masCaro) {
      vista_.Mensaje(QCoreApplication::translate("Sesion", "Ese no es el producto más caro"));
      return;
    }
    if (p_.NumFilas == 1 && precio > masBarato) {
      vista_.Mensaje(QCoreApplication::translate("Sesion", "Ese no es el producto más barato"));
      return;
    }
  }
  if (p_.EnLista[hueco]) {
    vista_.Mensaje(QCoreApplication::translate(
        "Sesion", "Sólo se puede añadir una unidad de cada producto a la lista"));
    return;
  }
  if (p_.NumFilas >= p_.MaxFilas) {
    vista_.Mensaje(
        QCoreApplication::translate("Sesion",
                                    "No puede añadir más productos a la lista. Quite antes otro "
                                    "producto para poder añadir ese."));
    return;
  }

  const int fila = p_.NumFilas;
  p_.HuecoFila[fila] = hueco;
  vista_.PonerNombre(fila, p_.NombreDeHueco(hueco) + u':');
  vista_.PonerPrecio(fila, FormatoPrecio(precio));
  vista_.EnfocarPrecio(fila);
  p_.NumFilas = fila + 1;
  p_.EnLista[hueco] = true;
  if (estante_) estante_->ResaltarHueco(hueco, true);

  if (p_.TipoEjercicio == TipoDeEjercicio::Cambio) vista_.PonerPrecio(0, Billete(precio));
  if (p_.TipoEjercicio == TipoDeEjercicio::Unidades && p_.NumFilas == 1) {
    vista_.PonerNombre(1, QCoreApplication::translate("Sesion", "Número de unidades:"));
    vista_.PonerPrecio(1, QString::number(Sortear(4, 2)));
    p_.NumFilas = 2;
  }
}

void Sesion::QuitarFila(int fila) {
  if (fila < 0 || fila >= p_.MaxFilas) return;
  if (p_.TipoEjercicio == TipoDeEjercicio::Cambio && fila == 0) {
    vista_.Pitido();
    return;
  }
  if (p_.TipoEjercicio == TipoDeEjercicio::Unidades) {
    // The units go with the product of row 0, whichever row was clicked.
    vista_.PonerNombre(1, QCoreApplication::translate("Sesion", "Nombre:"));
    vista_.PonerPrecio(1, QStringLiteral("0"));
    if (p_.NumFilas > 1) p_.NumFilas = 1;
    fila = 0;
  }
  const int hueco = p_.HuecoFila[fila];
  if (hueco == kVacio) {
    vista_.Pitido();
    return;
  }
  if (estante_) estante_->ResaltarHueco(hueco, false);
  p_.EnLista[hueco] = false;
  --p_.NumFilas;
  p_.HuecoFila[fila] = kVacio;

  // Close the gap: the products below move up one row, keeping their order.
  const int primera = p_.PrimeraFilaProducto();
  for (bool movido = true; movido;) {
    movido = false;
    for (int i = primera; i < kFilasRegistro - 1; ++i) {
      if (p_.HuecoFila[i] == kVacio && p_.HuecoFila[i + 1] != kVacio) {
        p_.HuecoFila[i] = p_.HuecoFila[i + 1];
        p_.HuecoFila[i + 1] = kVacio;
        movido = true;
      }
    }
  }
  MostrarFilasDesde(primera);
}

void Sesion::MostrarFilasDesde(int primera) {
  for (int fila = primera; fila < p_.MaxFilas; ++fila) {
    const int hueco = p_.HuecoFila[fila];
    if (hueco == kVacio) {
      vista_.PonerNombre(fila, QString());
      vista_.PonerPrecio(fila, QStringLiteral("0"));
    } else {
      vista_.PonerNombre(fila, p_.NombreDeHueco(hueco) + u':');
      vista_.PonerPrecio(fila, FormatoPrecio(p_.PrecioDeHueco(hueco)));
    }
  }
}

}  // namespace tiendal
