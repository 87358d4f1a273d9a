// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "vista_falsa.h"

using namespace Qt::Literals::StringLiterals;

namespace tiendal {
namespace {

// One check: a shelf, the slots added, the figure typed, and what the pupil sees and hears.
struct Correccion {
  int tipo;
  std::array<float, 6> precios;
  std::vector<int> huecos;
  const char16_t* tecleado;
  QStringList eventos;
  bool mostrar = true;
  bool enteros = false;
};

class CorregirTest : public ::testing::TestWithParam<Correccion> {};

TEST_P(CorregirTest, DaElVeredictoConSuSonido) {
  const auto& c = GetParam();
  Banco b;
  b.Estante(c.precios);
  b.p().Opciones.MostrarResultado = c.mostrar;
  b.p().Opciones.ValoresEnteros = c.enteros;
  b.Ejercicio(c.tipo);                  // type 5 money: a quarter of the shelf
  if (c.tipo == 4) b.azar.Poner(0.25);  // 3 units
  for (int h : c.huecos) b.sesion.AgregarDelEstante(h);
  b.vista.eventos.clear();
  b.vista.resultado = QString::fromUtf16(c.tecleado);
  b.sesion.Corregir();
  EXPECT_EQ(b.vista.eventos, c.eventos);
  EXPECT_EQ(b.vista.resultado, QString::fromUtf16(c.tecleado));  // nothing is cleared
}

const QString kError = QStringLiteral("sonido error.wav");
const QString kAplauso = QStringLiteral("sonido Aplauso.wav");
QString M(const char16_t* texto) { return QStringLiteral("mensaje ") + QString::fromUtf16(texto); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tipos1a4, CorregirTest, ::testing::Values(
    Correccion{1, {1, 2, 3.5f, 0, 0, 0}, {0, 1}, u"", {kError, M(u"Debe elegir tres productos")}},
    Correccion{2, {1, 2, 3, 4, 5, 6}, {}, u"", {kError, M(u"Debe elegir algún producto")}},
    Correccion{3, {1, 2, 3, 4, 5, 6}, {5}, u"", {kError, M(u"Debe agregar los dos productos según se indica en las instrucciones")}},
    Correccion{4, {1, 2, 3, 4, 5, 6}, {}, u"", {kError, M(u"no ha seleccionado ningún producto.")}},
    Correccion{5, {1, 2, 3, 4, 5, 6}, {}, u"", {kError, M(u"Al menos debe elegir un producto")}},
    // Comma or point, spaces around, digits past the hundredth rounded first.
    Correccion{1, {0.4f, 7.95f, 0.69f, 0, 0, 0}, {0, 1, 2}, u" 9,04 ", {kAplauso, M(u"Respuesta correcta: 9,04")}},
    Correccion{1, {2.35f, 4, 1, 0, 0, 0}, {0, 1, 2}, u"7.349", {kAplauso, M(u"Respuesta correcta: 7,35")}},
    Correccion{1, {2.35f, 4, 1, 0, 0, 0}, {0, 1, 2}, u"7,3449", {kError, M(u"respuesta incorrecta.  La operación debe dar 7,35")}},
    Correccion{1, {2.35f, 4, 1, 0, 0, 0}, {0, 1, 2}, u"7", {kError, M(u"respuesta incorrecta. ")}, false},
    Correccion{1, {6114.16f, 9938.44f, 649.67f, 0, 0, 0}, {0, 1, 2}, u"16702,27", {kAplauso, M(u"Respuesta correcta: 16702,27")}},
    Correccion{1, {1, 2, 3, 0, 0, 0}, {0, 1, 2}, u"1e39", {kError, M(u"respuesta incorrecta.  La operación debe dar 6")}},
    Correccion{1, {3e38f, 3e38f, 3e38f, 0, 0, 0}, {0, 1, 2}, u"1e39", {kError, M(u"respuesta incorrecta. ")}},
    // The banknote is the smallest that covers the price, 100 at most: the change tells which.
    Correccion{2, {19.99f, 1, 1, 1, 1, 1}, {0}, u"0,01", {kAplauso, M(u"Respuesta correcta: 0,01")}},
    Correccion{2, {5, 1, 1, 1, 1, 1}, {0}, u"", {kAplauso, M(u"Respuesta correcta: 0")}},
    Correccion{2, {5.01f, 1, 1, 1, 1, 1}, {0}, u"4,99", {kAplauso, M(u"Respuesta correcta: 4,99")}},
    Correccion{2, {50, 1, 1, 1, 1, 1}, {0}, u"0", {kAplauso, M(u"Respuesta correcta: 0")}},
    Correccion{2, {50.5f, 1, 1, 1, 1, 1}, {0}, u"49,5", {kAplauso, M(u"Respuesta correcta: 49,5")}},
    Correccion{2, {120, 1, 1, 1, 1, 1}, {0}, u"-20", {kAplauso, M(u"Respuesta correcta: -20")}},
    Correccion{3, {1, 8.5f, 3, 0.25f, 2, 2}, {1, 3}, u"8.25", {kAplauso, M(u"Respuesta correcta: 8,25")}},
    Correccion{4, {1.5f, 2, 3, 4, 5, 6}, {0}, u"4,5", {kAplauso, M(u"Respuesta correcta: 4,5")}}));

// Type 5: money a quarter of the shelf. Prices 1..6 total 21, so the money is 5,25: N = 2.
INSTANTIATE_TEST_SUITE_P(Tipo5, CorregirTest, ::testing::Values(
    Correccion{5, {1, 2, 3, 4, 5, 6}, {0, 1}, u"", {M(u"el número de productos añadidos a la lista es correcto. \r\nHa elegido correctamente los productos, tiene suficiente dinero para comprarlos. \r\n")}},
    Correccion{5, {1, 2, 3, 4, 5, 6}, {0, 1, 2}, u"", {M(u"el número de productos añadidos a la lista  no es correcto.  Debería haber elegido 2 productos.\r\nHa elegido mal los productos, valen más del dinero disponible.\r\n"), kError}},
    Correccion{5, {1, 2, 3, 4, 5, 6}, {4, 5}, u"", {M(u"el número de productos añadidos a la lista es correcto. \r\nHa elegido mal los productos, valen más del dinero disponible.\r\n"), kError}},
    // Cheapest first whatever the shelf's order: 1 + 2 stay below 5,25, a third does not.
    Correccion{5, {6, 5, 4, 3, 2, 1}, {5, 4}, u"", {M(u"el número de productos añadidos a la lista es correcto. \r\nHa elegido correctamente los productos, tiene suficiente dinero para comprarlos. \r\n")}},
    Correccion{5, {2, 6, 1, 5, 3, 4}, {0}, u"", {M(u"el número de productos añadidos a la lista  no es correcto.  Debería haber elegido 2 productos.\r\nHa elegido correctamente los productos, tiene suficiente dinero para comprarlos. \r\n"), kError}},
    Correccion{5, {2, 6, 1, 5, 3, 4}, {1, 4}, u"", {M(u"el número de productos añadidos a la lista es correcto. \r\nHa elegido mal los productos, valen más del dinero disponible.\r\n"), kError}},
    // Prices 1, 2, 3 and 18 total 24 for money exactly 6: N is 2, and three make exactly 6.
    Correccion{5, {1, 2, 3, 6, 6, 6}, {0, 1, 2}, u"", {M(u"el número de productos añadidos a la lista  no es correcto.  Debería haber elegido 2 productos.\r\nHa elegido correctamente los productos, tiene suficiente dinero para comprarlos. \r\n"), kError}},
    // Nothing to spend: never "-1 productos".
    Correccion{5, {0, 0, 0, 0, 0, 0}, {0}, u"", {M(u"el número de productos añadidos a la lista  no es correcto.  Debería haber elegido 0 productos.\r\nHa elegido correctamente los productos, tiene suficiente dinero para comprarlos. \r\n"), kError}},
    // Whole values: money floor(0) + 1 = 1 buys every product at 0, and the list is full.
    Correccion{5, {0, 0, 0, 0, 0, 0}, {0, 1, 2, 3, 4}, u"", {M(u"el número de productos añadidos a la lista es correcto. \r\nHa elegido correctamente los productos, tiene suficiente dinero para comprarlos. \r\n")}, true, true}));
// clang-format on

// What the record is told of each check: nothing for a refused list; the figures as shown, and
// the count of checks since the exercise began, for a verdict.
using Anotadas = std::tuple<int, std::vector<int>, const char16_t*, QStringList>;
class AnotarTest : public ::testing::TestWithParam<Anotadas> {};

TEST_P(AnotarTest, CuentaCadaVeredictoDelEjercicio) {
  const auto& [tipo, huecos, tecleado, anotado] = GetParam();
  Banco b;
  b.Estante({1.5f, 2, 3, 4, 5, 6});
  for (int vez = 0; vez < 2; ++vez) {  // the next exercise counts its checks from 1 again
    b.Ejercicio(tipo);
    if (tipo == 4) b.azar.Poner(0.25);  // 3 units
    for (int h : huecos) b.sesion.AgregarDelEstante(h);
    b.vista.resultado = QString::fromUtf16(tecleado);
    b.sesion.Corregir();
    b.sesion.Corregir();
  }
  EXPECT_EQ(b.vista.anotado, anotado + anotado);
  EXPECT_EQ(b.vista.ejerciciosNuevos, 2);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tipos, AnotarTest, ::testing::Values(
    Anotadas{1, {0, 1}, u"3,5", {}},
    Anotadas{1, {0, 1, 2}, u" 6,5 ", {u"1|a 1,5; b 2; c 3|||6,5| 6,5 |bien|1"_s, u"1|a 1,5; b 2; c 3|||6,5| 6,5 |bien|2"_s}},
    Anotadas{2, {2}, u"", {u"2|c 3|5,00||2||mal|1"_s, u"2|c 3|5,00||2||mal|2"_s}},
    Anotadas{3, {5, 0}, u"4,5", {u"3|f 6; a 1,5|||4,5|4,5|bien|1"_s, u"3|f 6; a 1,5|||4,5|4,5|bien|2"_s}},
    Anotadas{4, {1}, u"6", {u"4|b 2||3|6|6|bien|1"_s, u"4|b 2||3|6|6|bien|2"_s}},
    Anotadas{5, {0, 1, 2}, u"7", {u"5|a 1,5; b 2; c 3|5,38||2|7|mal|1"_s, u"5|a 1,5; b 2; c 3|5,38||2|7|mal|2"_s}}));
// clang-format on

}  // namespace
}  // namespace tiendal
