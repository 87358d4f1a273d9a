// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/opciones.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "vista_falsa.h"

namespace tiendal {
namespace {

struct CasoIni {
  const char* contenido;
  bool valoresEnteros, mostrarResultado;
};

class LeerOpcionesTest : public ::testing::TestWithParam<CasoIni> {};

TEST_P(LeerOpcionesTest, UnaLineaEstaActivadaSoloSiVale1) {
  Opciones o;  // defaults: whole values off, correct result shown
  AplicarTextoOpciones(GetParam().contenido, o);
  EXPECT_EQ(o.valoresEnteros, GetParam().valoresEnteros) << GetParam().contenido;
  EXPECT_EQ(o.mostrarResultado, GetParam().mostrarResultado) << GetParam().contenido;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tabla, LeerOpcionesTest, ::testing::Values(
    CasoIni{" 1 \r\n 1 \r\n", true, true},   CasoIni{"1\r\n0\r\n", true, false},
    CasoIni{"-1\r\npalabra\r\n", false, false}, CasoIni{" 2 \r\n 0 \r\n", false, false},
    CasoIni{"1\n0\n", true, false},          CasoIni{"1\r0\r", true, false},
    CasoIni{"\t1 .0 x\r\n1", true, true},    CasoIni{"", false, true},
    CasoIni{"1", true, true},                CasoIni{"\r\n0", false, false}));
// clang-format on

TEST(Opciones, ValoresEnterosReleeLosPreciosYEmpiezaOtroEjercicio) {
  QTemporaryDir dir;
  QFile precios(dir.filePath("precios.txt"));
  ASSERT_TRUE(precios.open(QIODevice::WriteOnly));
  precios.write("a|2.75\r\nb|0.40\r\nc|3\r\nd|1\r\ne|1\r\nf|1\r\n");
  precios.close();
  Banco b(dir.path());
  b.Estante({0, 0, 0, 0, 0, 0});
  b.Guion(1, {1, 2, 3, 4, 5, 6});
  b.vista.resultado = QStringLiteral("12");
  b.sesion.CambiarValoresEnteros();
  EXPECT_EQ(b.p().Precios, (std::vector<float>{2, 1, 3, 1, 1, 1}));
  EXPECT_EQ(b.vista.textosHueco[0], QStringLiteral("a  2"));
  EXPECT_TRUE(b.vista.resultado.isEmpty());
  EXPECT_TRUE(b.vista.marcas[Opcion::ValoresEnteros]);
  QFile ini(dir.filePath("Tiendal.ini"));
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  EXPECT_EQ(ini.readAll(), QByteArray(" 1 \r\n 1 \r\n"));
}

}  // namespace
}  // namespace tiendal
