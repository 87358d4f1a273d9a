#include <gtest/gtest.h>

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

// A sequence of clicks on shelf slots and the messages they draw, per exercise type.
struct Clics {
  int tipo;
  std::vector<int> huecos;
  QStringList mensajes;
  int numFilas;
};

class AgregarTest : public ::testing::TestWithParam<Clics> {};

TEST_P(AgregarTest, AplicaLasReglasEnOrden) {
  const auto& c = GetParam();
  Banco b;
  b.Estante({3, 7, 7, 1, 2, 1});  // dearest slots 1 and 2, cheapest 3 and 5
  b.Ejercicio(c.tipo);
  for (int h : c.huecos) {
    if (c.tipo == 4) b.azar.Poner(0.5);  // units, drawn when row 0 fills
    b.sesion.Picture1_Click(h);
  }
  EXPECT_EQ(b.vista.Mensajes(), c.mensajes);
  EXPECT_EQ(b.p().NumFilas, c.numFilas);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tipos, AgregarTest, ::testing::Values(
    Clics{1, {0, 0, 1, 2, 3}, {kUnaUnidad, kLlena}, 3},
    Clics{2, {4, 5}, {kLlena}, 2},
    Clics{3, {0, 2, 1, 3, 5}, {kMasCaro, kMasBarato, kLlena}, 2},
    Clics{3, {1, 1}, {kMasBarato}, 1},   // the order rule comes before the one-unit rule
    Clics{3, {2, 5, 5}, {kUnaUnidad}, 2},
    Clics{4, {3, 0}, {kLlena}, 2},
    Clics{5, {0, 1, 2, 3, 4, 5}, {kLlena}, 6}));
// clang-format on

TEST(Agregar, EscribeLaFilaResaltaYEnfoca) {
  Banco b;
  b.Estante({0.85f, 1.5f, 2, 3, 4, 5});
  b.Ejercicio(1);
  b.sesion.Text1_Click(1);
  EXPECT_EQ(b.vista.filas[0].nombre, QStringLiteral("b:"));
  EXPECT_EQ(b.vista.filas[0].precio, QStringLiteral("1,5"));
  EXPECT_EQ(b.vista.enfocada, 0);
  EXPECT_TRUE(b.vista.resaltado[1]);
  EXPECT_TRUE(b.p().EnLista[1]);
  EXPECT_EQ(b.p().HuecoFila[0], 1);
}

TEST(Agregar, ElBilleteDelTipo2CubreElPrecio) {
  struct Caso {
    float precio;
    const char* billete;
  };
  for (const Caso c : {Caso{5, "5,00"}, Caso{5.01f, "10,00"}, Caso{10, "10,00"}, Caso{20, "20,00"},
                       Caso{50, "50,00"}, Caso{50.5f, "100,00"}, Caso{120, "100,00"}}) {
    Banco b;
    b.Estante({c.precio, 1, 1, 1, 1, 1});
    b.Ejercicio(2);
    b.sesion.Picture1_Click(0);
    EXPECT_EQ(b.vista.filas[0].precio.toStdString(), c.billete);
    EXPECT_EQ(b.vista.filas[1].nombre, QStringLiteral("a:"));
  }
}

TEST(Agregar, LasUnidadesDelTipo4VanDe2A5) {
  for (const auto& [r, unidades] : {std::pair{0.0, "2"}, std::pair{0.99, "5"}}) {
    Banco b;
    b.Estante({1, 2, 3, 4, 5, 6});
    b.Ejercicio(4);
    b.azar.Poner(r);
    b.sesion.Picture1_Click(2);
    EXPECT_EQ(b.vista.filas[1].nombre, QStringLiteral("Número de unidades:"));
    EXPECT_EQ(b.vista.filas[1].precio.toStdString(), unidades);
  }
}

TEST(Quitar, CierraElHuecoYConservaElOrden) {
  Banco b;
  b.Estante({1, 2, 3, 4, 5, 6});
  b.Ejercicio(1);
  for (int h : {0, 1, 2}) b.sesion.Picture1_Click(h);
  b.sesion.LBNombre_Click(1);
  EXPECT_EQ(b.vista.filas[0].nombre, QStringLiteral("a:"));
  EXPECT_EQ(b.vista.filas[1].nombre, QStringLiteral("c:"));
  EXPECT_EQ(b.vista.filas[2].nombre, QString());
  EXPECT_EQ(b.vista.filas[2].precio, QStringLiteral("0"));
  EXPECT_FALSE(b.vista.resaltado[1]);
  EXPECT_FALSE(b.p().EnLista[1]);
  b.sesion.Picture1_Click(5);
  EXPECT_EQ(b.vista.filas[2].nombre, QStringLiteral("f:"));
  b.sesion.LBNombre_Click(0);  // slot 0 leaves like any other
  EXPECT_FALSE(b.p().EnLista[0]);
  EXPECT_EQ(b.p().HuecoFila[0], 2);
}

TEST(Quitar, FilasFijasYVaciasPitan) {
  {  // type 2: the banknote row beeps; the product row empties, the banknote stays
    Banco b;
    b.Estante({7, 1, 1, 1, 1, 1});
    b.Ejercicio(2);
    b.sesion.Picture1_Click(0);
    b.sesion.LBNombre_Click(0);
    EXPECT_EQ(b.vista.eventos.last(), QStringLiteral("pitido"));
    b.sesion.LBNombre_Click(1);
    EXPECT_EQ(b.p().NumFilas, 1);
    EXPECT_EQ(b.vista.filas[0].precio, QStringLiteral("10,00"));
    EXPECT_EQ(b.vista.filas[1].precio, QStringLiteral("0"));
  }
  {  // type 5: the money row beeps and stays; the products close up from row 1
    Banco b;
    b.Estante({1, 2, 3, 4, 5, 6});
    b.Ejercicio(5, {0.5});
    for (int h : {0, 1}) b.sesion.Picture1_Click(h);
    b.sesion.LBNombre_Click(0);
    EXPECT_EQ(b.vista.eventos.last(), QStringLiteral("pitido"));
    b.sesion.LBNombre_Click(1);
    EXPECT_EQ(b.vista.filas[0].nombre, QStringLiteral("Dinero disponible="));
    EXPECT_EQ(b.vista.filas[1].nombre, QStringLiteral("b:"));
  }
  {  // type 4, empty list: the units row is reset, then the beep
    Banco b;
    b.Estante({1, 2, 3, 4, 5, 6});
    b.Ejercicio(4);
    b.sesion.LBNombre_Click(1);
    EXPECT_EQ(b.vista.filas[1].nombre, QStringLiteral("Nombre:"));
    EXPECT_EQ(b.vista.eventos, QStringList{"pitido"});
  }
  {  // type 4 with its product: a click on the units row takes the product off
    Banco b;
    b.Estante({1, 2, 3, 4, 5, 6});
    b.Ejercicio(4);
    b.azar.Poner(0.3);
    b.sesion.Picture1_Click(3);
    b.sesion.LBNombre_Click(1);
    EXPECT_EQ(b.p().NumFilas, 0);
    EXPECT_EQ(b.vista.filas[1].nombre, QString());
    EXPECT_EQ(b.vista.filas[1].precio, QStringLiteral("0"));
  }
}

TEST(NuevoEjercicio, BorraLaListaYLosResaltados) {
  Banco b;
  b.Estante({1, 2, 3, 4, 5, 6});
  b.Ejercicio(1);
  for (int h : {0, 1}) b.sesion.Picture1_Click(h);
  b.vista.resultado = QStringLiteral("3");
  b.Ejercicio(2);
  EXPECT_EQ(b.vista.resaltado, (std::array<bool, 6>{}));
  EXPECT_EQ(b.p().EnLista, (std::array<bool, 6>{}));
  EXPECT_EQ(b.p().NumFilas, 1);
  EXPECT_TRUE(b.vista.resultado.isEmpty());
  EXPECT_EQ(b.p().HuecoFila, Practica::VaciarFilas());
}

}  // namespace
}  // namespace tiendal
