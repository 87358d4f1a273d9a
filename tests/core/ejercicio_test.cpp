// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <tuple>

#include "core/numeros.h"
#include "vista_falsa.h"

namespace tiendal {
namespace {

// The type, its rows, the rows in use, and the first row's label and box.
using Disposicion = std::tuple<int, int, int, const char16_t*, const char16_t*>;

class NuevoEjercicioTest : public ::testing::TestWithParam<Disposicion> {};

TEST_P(NuevoEjercicioTest, ColocaLasFilasDelTipo) {
  const auto& [tipo, filas, numFilas, fila0, precio0] = GetParam();
  Banco b;
  b.Estante({3, 4, 5, 1, 2, 6});  // shelf total 21
  b.Guion(tipo, {1, 2, 3, 4, 5, 6}, {0.0});
  b.sesion.NuevoEjercicio();
  EXPECT_EQ(b.vista.ContarFilas(), filas);
  EXPECT_EQ(b.vista.filasMostradas, filas);
  EXPECT_EQ(b.p().MaxFilas, filas);
  EXPECT_EQ(b.p().NumFilas, numFilas);
  EXPECT_EQ(b.vista.filas[0].nombre, QString::fromUtf16(fila0));
  EXPECT_EQ(b.vista.filas[0].precio, QString::fromUtf16(precio0));
  EXPECT_EQ(b.vista.eventos.first(), QStringLiteral("sonido tipo%1.wav").arg(tipo));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tipos, NuevoEjercicioTest, ::testing::Values(
    Disposicion{1, 3, 0, u"", u"0"},
    Disposicion{2, 2, 1, u"Billete entregado:", u"0"},
    Disposicion{3, 2, 0, u"", u"0"},
    Disposicion{4, 2, 0, u"", u"0"},
    Disposicion{5, 6, 1, u"Dinero disponible=", u"5,25"}));
// clang-format on

TEST(NuevoEjercicio, ElDineroDelTipo5) {
  using Caso = std::tuple<std::array<float, 6>, double, bool, const char*>;  // its draw, enteros
                                                                             // clang-format off
  for (const auto& [precios, r, enteros, texto] : {Caso{{3, 4, 5, 1, 2, 6}, 0.0, true, "6"},
                       Caso{{3, 4, 5, 1, 2, 6}, 0.9999, false, "15,75"},
                       Caso{{0.5f, 0.5f, 0.5f, 0.5f, 0.25f, 0.25f}, 0.0, false, "0,62"},   // 62.5 hundredths
                       Caso{{0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.04f}, 0.0, false, "0,64"}}) { // 63.5 hundredths
    // clang-format on
    Banco b;
    b.Estante(precios);
    b.p().Opciones.ValoresEnteros = enteros;
    b.Ejercicio(5, {r});
    EXPECT_EQ(b.vista.filas[0].precio.toStdString(), texto);
    EXPECT_EQ(FormatoPrecio(b.p().DineroDisponible).toStdString(), texto);
  }
}

// Repeats are drawn again, as often as they come; a draw of almost 1 stays in the catalogue.
TEST(ElegirProductos, SeisDistintosDelCatalogo) {
  Banco b;
  b.Estante({1, 2, 3, 4, 5, 6});
  b.Guion(1, {6, 6, 6, 5, 4, 3}, {0.2, 0.1});
  b.sesion.NuevoEjercicio();
  EXPECT_EQ(b.p().ProductoHueco, (std::array<int, 6>{6, 5, 4, 3, 2, 1}));
  EXPECT_EQ(b.vista.textosHueco[0], QStringLiteral("f  6"));
  EXPECT_EQ(b.vista.imagenes[0], QStringLiteral("/nonexistent/imágenes/f.jpg"));
  b.p().Precios[0] = 0.85f;
  b.Guion(1, {1, 2, 3, 4, 5, 6});
  b.sesion.NuevoEjercicio();
  EXPECT_EQ(b.vista.textosHueco[0], QStringLiteral("a  0,85"));
  for (double r : {0.9999999999999999, 0.9999999999999999, 0.0, 0.2, 0.4, 0.6, 0.7, 0.1})
    b.azar.Poner(r);  // type 5 at most, then product 6 at most
  b.sesion.NuevoEjercicio();
  EXPECT_EQ(b.p().TipoEjercicio, TipoDeEjercicio::MasProductos);
  EXPECT_EQ(b.p().ProductoHueco[0], 6);
}

}  // namespace
}  // namespace tiendal
