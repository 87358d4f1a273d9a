// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <tuple>

#include "vista_falsa.h"

namespace tiendal {
namespace {

const QString kMasCaro = QStringLiteral("mensaje Ese no es el producto más caro");
const QString kMasBarato = QStringLiteral("mensaje Ese no es el producto más barato");
const QString kUnaUnidad =
    QStringLiteral("mensaje Sólo se puede añadir una unidad de cada producto a la lista");
const QString kLlena = QStringLiteral(
    "mensaje No puede añadir más productos a la lista. Quite antes otro producto para poder "
    "añadir ese.");
const QString kPitido = QStringLiteral("pitido");

// Clicks on a shelf of a..f priced 3, 7, 7, 1, 2, 1 (dearest slots 1 and 2, cheapest 3 and 5):
// "+s" on slot s, "-r" on the name of row r. Then the rows as "name|price", and what the
// pupil was told.
using Clics = std::tuple<int, const char*, QStringList, QStringList>;

class ListaTest : public ::testing::TestWithParam<Clics> {};

TEST_P(ListaTest, AgregaYQuitaSegunElTipo) {
  const auto& [tipo, pasos, filasEsperadas, eventos] = GetParam();
  Banco b;
  b.Estante({3, 7, 7, 1, 2, 1});
  b.Ejercicio(tipo);
  for (int i = 0; i < 5; ++i) b.azar.Poner(0.5);  // units of type 4: 4
  for (const QString& paso : QString::fromLatin1(pasos).split(u' ', Qt::SkipEmptyParts)) {
    const int n = paso.mid(1).toInt();
    if (paso[0] == u'+') {
      b.sesion.AgregarDelEstante(n);
      if (b.p().NumFilas > 0 && b.p().HuecoFila[b.p().NumFilas - 1] == n) {
        EXPECT_EQ(b.vista.enfocada, b.p().NumFilas - (tipo == 4 ? 2 : 1));
      }
    } else {
      b.sesion.QuitarFila(n);
    }
  }
  QStringList filas;
  for (const auto& fila : b.vista.filas) filas << fila.nombre + u'|' + fila.precio;
  EXPECT_EQ(filas, filasEsperadas);
  EXPECT_EQ(b.vista.eventos, eventos);
  // The record agrees with itself and with the highlights.
  int ocupadas = 0;
  for (const int h : b.p().HuecoFila) {
    if (h == kVacio) continue;
    ++ocupadas;
    EXPECT_TRUE(b.p().EnLista[h]);
  }
  EXPECT_EQ(ocupadas, std::count(b.p().EnLista.begin(), b.p().EnLista.end(), true));
  for (int h = 0; h < kHuecos; ++h) EXPECT_EQ(b.vista.resaltado[h], b.p().EnLista[h]);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tabla, ListaTest, ::testing::Values(
    Clics{1, "+0 +0 +1 +2 +3", {"a:|3", "b:|7", "c:|7"}, {kUnaUnidad, kLlena}},
    Clics{2, "+4 +5", {"Billete entregado:|5,00", "e:|2"}, {kLlena}},
    Clics{3, "+0 +2 +1 +3 +5", {"c:|7", "d:|1"}, {kMasCaro, kMasBarato, kLlena}},
    Clics{3, "+1 +1", {"b:|7", "|0"}, {kMasBarato}},  // the order rule comes before the one-unit rule
    Clics{3, "+2 +5 +5", {"c:|7", "f:|1"}, {kUnaUnidad}},
    Clics{4, "+3 +0", {"d:|1", "Número de unidades:|4"}, {kLlena}},
    Clics{5, "+0 +1 +2 +3 +4 +5", {"Dinero disponible=|5,25", "a:|3", "b:|7", "c:|7", "d:|1", "e:|2"}, {kLlena}},
    // Removing closes the gap, keeps the order, and the next product goes to the end.
    Clics{1, "+0 +1 +2 -1 +5", {"a:|3", "c:|7", "f:|1"}, {}},
    Clics{1, "+0 +1 -0", {"b:|7", "|0", "|0"}, {}},
    // Places and rows that do not exist are passed over.
    Clics{1, "+-1 +6 +0 --1 -3", {"a:|3", "|0", "|0"}, {}},
    // Fixed rows beep; the banknote stays until the next product replaces it.
    Clics{2, "+1 -0 -1", {"Billete entregado:|10,00", "|0"}, {kPitido}},
    Clics{5, "+0 +1 -0 -1", {"Dinero disponible=|5,25", "b:|7", "|0", "|0", "|0", "|0"}, {kPitido}},
    // Type 4: the units row is reset first, whichever row is clicked; an empty list beeps.
    Clics{4, "-1", {"|0", "Nombre:|0"}, {kPitido}},
    Clics{4, "+3 -1", {"|0", "|0"}, {}}));
// clang-format on

}  // namespace
}  // namespace tiendal
