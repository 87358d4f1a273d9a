// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Settings files as they may be found: the start reads what it can, writes nothing, and the
// first switch of an option replaces the file with two valid lines. A file that cannot be
// written is passed over in silence.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QFileInfo>

#include "arranque.h"
#include "carpeta.h"
#include "core/opciones.h"

namespace tiendal::robustez {
namespace {

constexpr qsizetype k10MB = 10 * 1024 * 1024;

struct CasoAjustes {
  const char* nombre;
  QByteArray (*bytes)();  // null: no file at all
  bool valoresEnteros;
  bool mostrarResultado;
};

// clang-format off
const CasoAjustes kAjustes[] = {
    {"SinArchivo", nullptr, false, true},
    {"CeroBytes", [] { return QByteArray(); }, false, true},
    // A missing line keeps that option's default.
    {"UnaLinea", [] { return QByteArray(" 1 \r\n"); }, true, true},
    {"UnaLineaSinSalto", [] { return QByteArray("1"); }, true, true},
    {"CifrasSinEspacios", [] { return QByteArray("1\r\n0\r\n"); }, true, false},
    {"SoloCr", [] { return QByteArray("1\r0"); }, true, false},
    {"SoloLf", [] { return QByteArray("0\n1\n"); }, false, true},
    {"TresLineas", [] { return QByteArray(" 0 \r\n 1 \r\n 1 \r\n"); }, false, true},
    // "0 1" is 01 once its blanks are passed over.
    {"UnoEscritoDeOtraManera", [] { return QByteArray("1.0\r\n\t0 1 \r\n"); }, true, true},
    {"MenosUnoYUnaPalabra", [] { return QByteArray("-1\r\nsi\r\n"); }, false, false},
    {"Basura", [] { return QByteArray("\xFF\xFE\x00z\x01\r\n\x80\x81\x82", 11); }, false, false},
    {"ByteNuloTrasLaCifra", [] { return QByteArray("1\0\r\n1\0", 6); }, true, true},
    // Blanks are passed over wherever they stand, however many.
    {"LineasDe10MB", [] { return QByteArray(k10MB, ' ') + "1\r\n" + QByteArray(k10MB, 'x'); }, true, false},
    {"UnNumeroDe10MBDeCifras", [] { return QByteArray(k10MB, '1') + "\r\n1\r\n"; }, false, true},
};
// clang-format on

bool Marcada(const VentanaPractica& ventana, const char* item) {
  return ventana.findChild<QAction*>(QLatin1String(item))->isChecked();
}

class Ajustes : public ::testing::TestWithParam<CasoAjustes> {};

TEST_P(Ajustes, SeLeeLoQueSePuedeYElPrimerCambioDejaDosLineasValidas) {
  const CasoAjustes& caso = GetParam();
  const QString ini = QStringLiteral("Tiendal.ini");
  Carpeta carpeta;
  carpeta.Llenar(PrimerosProductos(6));
  if (caso.bytes != nullptr) carpeta.Escribir(ini, caso.bytes());
  const QStringList antes = carpeta.Contenido();
  const QByteArray bytesAntes = carpeta.Leer(ini);

  const auto arranque = Arrancar(carpeta.Ruta());

  ASSERT_NO_FATAL_FAILURE(ComprobarVentanaEntera(*arranque));
  VentanaPractica& ventana = *arranque->Ventana();
  const Practica& p = ventana.sesion().practica();
  EXPECT_EQ(p.ValoresEnteros, caso.valoresEnteros);
  EXPECT_EQ(p.MostrarResultado, caso.mostrarResultado);
  EXPECT_EQ(Marcada(ventana, "MnuOpcVal"), caso.valoresEnteros);
  EXPECT_EQ(Marcada(ventana, "MnuOpcMos"), caso.mostrarResultado);
  EXPECT_EQ(carpeta.Contenido(), antes);
  EXPECT_EQ(carpeta.Leer(ini), bytesAntes);

  Contestador contestador;
  ventana.findChild<QAction*>(QStringLiteral("MnuOpcMos"))->trigger();
  EXPECT_TRUE(contestador.cajas.empty());
  EXPECT_EQ(carpeta.Leer(ini), TextoOpciones({caso.valoresEnteros, !caso.mostrarResultado}));
  EXPECT_EQ(Marcada(ventana, "MnuOpcMos"), !caso.mostrarResultado);
}

INSTANTIATE_TEST_SUITE_P(Robustez, Ajustes, ::testing::ValuesIn(kAjustes),
                         NombreDelCaso<CasoAjustes>);

// Switches MnuOpcMos in the open window and then in the other version, which reads the file
// anew: the switch holds in the window; without a file written (`guardado` false) the other
// one starts from the options as they were.
void CambiarYAbrirLaOtraVersion(Carpeta& carpeta, bool mostrarGuardado, bool guardado = false) {
  const auto arranque = Arrancar(carpeta.Ruta());
  ASSERT_TRUE(arranque->iniciado);
  VentanaPractica& ventana = *arranque->Ventana();
  const bool antes = ventana.sesion().practica().MostrarResultado;
  ASSERT_EQ(antes, mostrarGuardado);
  Contestador contestador;

  ventana.findChild<QAction*>(QStringLiteral("MnuOpcMos"))->trigger();

  EXPECT_TRUE(contestador.cajas.empty());
  EXPECT_EQ(ventana.sesion().practica().MostrarResultado, !antes);
  EXPECT_EQ(Marcada(ventana, "MnuOpcMos"), !antes);
  ComprobarVentanaEntera(*arranque);

  ventana.findChild<QAction*>(QStringLiteral("MnuOpcVer"))->trigger();
  Vaciar();
  ASSERT_NE(arranque->Ventana(), nullptr);
  EXPECT_EQ(arranque->Ventana()->sesion().practica().MostrarResultado,
            guardado ? !mostrarGuardado : mostrarGuardado);
  EXPECT_TRUE(contestador.cajas.empty());
}

// The settings file's name is taken by a folder: it reads as no file, and cannot be replaced.
TEST(AjustesSinEscribir, ElArchivoEsUnaCarpeta) {
  Carpeta carpeta;
  carpeta.Llenar(PrimerosProductos(6));
  carpeta.CrearCarpeta(QStringLiteral("Tiendal.ini"));
  const QStringList antes = carpeta.Contenido();

  CambiarYAbrirLaOtraVersion(carpeta, true);

  EXPECT_TRUE(QFileInfo(carpeta.Ruta(QStringLiteral("Tiendal.ini"))).isDir());
  EXPECT_EQ(carpeta.Contenido(), antes);
}

// A folder without write permission whose settings file can be written: no copy can be made
// beside the file, so it is rewritten in place, and the other version starts from the switch.
// The superuser writes in the folder all the same, so the case is left to other users.
TEST(AjustesSinEscribir, CarpetaDeSoloLecturaConElArchivoEscribible) {
  if (geteuid() == 0) {
    GTEST_SKIP() << "running as root, where a folder without write permission is still written "
                    "to";
  }
  Carpeta carpeta;
  carpeta.Llenar(PrimerosProductos(6));
  carpeta.Escribir(QStringLiteral("Tiendal.ini"), " 0 \r\n 1 \r\n");
  const QStringList antes = carpeta.Contenido();
  const QByteArray ruta = QFile::encodeName(carpeta.Ruta());
  ASSERT_EQ(chmod(ruta.constData(), 0555), 0);

  CambiarYAbrirLaOtraVersion(carpeta, true, true);

  chmod(ruta.constData(), 0755);
  EXPECT_EQ(carpeta.Leer(QStringLiteral("Tiendal.ini")), QByteArray(" 0 \r\n 0 \r\n"));
  EXPECT_EQ(carpeta.Contenido(), antes);
}

}  // namespace
}  // namespace tiendal::robustez
