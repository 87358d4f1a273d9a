// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_CORE_PRACTICA_H
#define TIENDAL_CORE_PRACTICA_H

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "core/opciones.h"

namespace tiendal {

inline constexpr int kHuecos = 6;          // shelf slots 0..5
inline constexpr int kFilasRegistro = 11;  // HuecoFila rows 0..10
inline constexpr int kVacio = -1;          // HuecoFila entry of a row without a product
inline constexpr int kMaxProductos = 32767;

// The five kinds of exercise, numbered as they are drawn; Ninguno before the first one.
enum class TipoDeEjercicio {
  Ninguno = 0,
  Total = 1,        // the total of three products
  Cambio = 2,       // the change due from a banknote for one product
  Diferencia = 3,   // the dearest product less the cheapest on the shelf
  Unidades = 4,     // the cost of a number of units of one product
  MasProductos = 5  // the most products the money buys, then their sum
};
inline constexpr int kTiposDeEjercicio = 5;

// The whole state of one main window's practice. Catalogue numbers run 1..N, as stored in
// ProductoHueco; the lists themselves are 0-based, so product k lives at index k - 1.
struct Practica {
  QStringList Imagenes;
  QStringList Productos;
  std::vector<float> Precios;
  int MaxFilas = 0;
  int NumFilas = 0;
  TipoDeEjercicio TipoEjercicio = TipoDeEjercicio::Ninguno;
  float DineroDisponible = 0.0f;
  std::array<bool, kHuecos> EnLista{};
  std::array<int, kFilasRegistro> HuecoFila = VaciarFilas();
  std::array<int, kHuecos> ProductoHueco{};
  bool DetenerLectura = false;
  tiendal::Opciones Opciones;  // the two options of the "Opciones" menu

  int NumeroProductos() const { return static_cast<int>(Productos.size()); }
  const QString& ImagenDeHueco(int hueco) const { return Imagenes[ProductoHueco[hueco] - 1]; }
  const QString& NombreDeHueco(int hueco) const { return Productos[ProductoHueco[hueco] - 1]; }
  float PrecioDeHueco(int hueco) const { return Precios[ProductoHueco[hueco] - 1]; }
  float PrecioDeFila(int fila) const { return PrecioDeHueco(HuecoFila[fila]); }
  // First list row that takes a product: row 0 holds the banknote (type 2) or the money (type 5).
  int PrimeraFilaProducto() const { return TieneDineroEnFila0() ? 1 : 0; }
  bool TieneDineroEnFila0() const {
    return TipoEjercicio == TipoDeEjercicio::Cambio ||
           TipoEjercicio == TipoDeEjercicio::MasProductos;
  }

  static std::array<int, kFilasRegistro> VaciarFilas() {
    std::array<int, kFilasRegistro> filas{};
    filas.fill(kVacio);
    return filas;
  }
};

}  // namespace tiendal

#endif
