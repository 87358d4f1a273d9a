// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/opciones.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <tuple>

#include "tests/comun/carpeta.h"
#include "vista_falsa.h"

namespace tiendal {
namespace {

// The file's bytes, then whole values and the correct result as read.
using CasoIni = std::tuple<QByteArray, bool, bool>;

class LeerOpcionesTest : public ::testing::TestWithParam<CasoIni> {};

TEST_P(LeerOpcionesTest, UnaLineaEstaActivadaSoloSiVale1) {
  const auto& [contenido, valoresEnteros, mostrarResultado] = GetParam();
  Opciones o;  // defaults: whole values off, correct result shown
  AplicarTextoOpciones(contenido, o);
  EXPECT_EQ(o.ValoresEnteros, valoresEnteros) << contenido.left(20).toStdString();
  EXPECT_EQ(o.MostrarResultado, mostrarResultado) << contenido.left(20).toStdString();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tabla, LeerOpcionesTest, ::testing::Values(
    CasoIni{" 1 \r\n 1 \r\n", true, true},   CasoIni{"1\r\n0\r\n", true, false},
    CasoIni{"-1\r\npalabra\r\n", false, false}, CasoIni{" 2 \r\n 0 \r\n", false, false},
    CasoIni{"1\n0\n", true, false},          CasoIni{"1\r0\r", true, false},
    CasoIni{"\t1 .0 x\r\n1", true, true},    CasoIni{"", false, true},
    CasoIni{"1", true, true},                CasoIni{"\r\n0", false, false},
    CasoIni{" 0 \r\n 1 \r\n 1 \r\n", false, true}, CasoIni{{"1\0\r\n1\0", 6}, true, true},
    CasoIni{{"\xFF\xFE\0z\x01\r\n\x80", 8}, false, false},
    // Blanks are passed over wherever they stand, however many.
    CasoIni{QByteArray(10 << 20, ' ') + "1\r\n" + QByteArray(10 << 20, 'x'), true, false},
    CasoIni{QByteArray(10 << 20, '1') + "\r\n1\r\n", false, true}));
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
  const auto ini = [&dir] {
    QFile archivo(dir.filePath("Tiendal.ini"));
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
  };
  EXPECT_EQ(ini(), QByteArray(" 1 \r\n 1 \r\n"));
  b.Guion(1, {1, 2, 3, 4, 5, 6});
  b.sesion.CambiarMostrarResultado();
  EXPECT_EQ(ini(), QByteArray(" 1 \r\n 0 \r\n"));
}

// Settings are written where they can be: into a folder that takes new files, or in place into
// a file that can be written. Otherwise everything is left as it was: a folder of the file's
// name, a read-only folder without the file, a read-only file.
TEST(Opciones, SeEscribenDondeSePuedeYSiNoTodoQuedaComoEstaba) {
  if (geteuid() == 0) return ComoUsuarioSinPrivilegios();
  // The file as it was ("/": a folder; "": none), whether it and its folder can be written.
  const std::tuple<QByteArray, bool, bool, bool> casos[] = {{"/", true, true, false},
                                                            {"", false, true, false},
                                                            {"0\r\n", false, true, true},
                                                            {"0\r\n", true, false, false}};
  for (const auto& [antes, carpetaEscribible, iniEscribible, escrito] : casos) {
    QTemporaryDir dir;
    QFile ini(dir.filePath("Tiendal.ini"));
    if (antes == "/") QDir(dir.path()).mkdir("Tiendal.ini");
    if (antes != "/" && !antes.isEmpty() && ini.open(QIODevice::WriteOnly)) ini.write(antes);
    ini.close();
    if (!iniEscribible) ini.setPermissions(QFile::ReadOwner);
    if (!carpetaEscribible) QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(EscribirArchivoOpciones(ini.fileName(), {}), escrito) << antes.data();
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(QDir(dir.path()).count(), antes.isEmpty() ? 2u : 3u);  // nothing left over
    if (antes != "/" && ini.open(QIODevice::ReadOnly)) {
      EXPECT_EQ(ini.readAll(), escrito ? TextoOpciones({}) : antes);
    }
  }
}

}  // namespace
}  // namespace tiendal
