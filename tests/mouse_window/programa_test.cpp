#include "app/programa.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QPointer>
#include <QSignalSpy>

#include "tests/mouse_window/entorno.h"

namespace tiendal {
namespace {

// Each version is a Form1 with fakes: the switch does not care which window it opens.
class ProgramaTest : public ::testing::Test {
 protected:
  FabricaVentanas Fabrica(bool conOtraVersion) {
    FabricaVentanas fabrica;
    const auto crear = [this] {
      VentanaDePrueba prueba = CrearForm1(carpeta_.Ruta());
      prueba.azar->Ejercicio(1);
      ++creadas_;
      return std::unique_ptr<VentanaPractica>(prueba.ventana.release());
    };
    fabrica.ratonYTeclado = crear;
    if (conOtraVersion) fabrica.soloTeclado = crear;
    return fabrica;
  }
  static QAction* Item(VentanaPractica* ventana, const char* nombre) {
    return ventana->findChild<QAction*>(QLatin1String(nombre));
  }
  static void BorrarPendientes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  CarpetaPrograma carpeta_;
  int creadas_ = 0;
};

struct FaltaDatos {
  const char* caso;
  std::function<void(const CarpetaPrograma&)> estropear;
  const char* nombrado;  // what the message must name
};

class ProgramaArranqueTest : public ProgramaTest,
                             public ::testing::WithParamInterface<FaltaDatos> {};

TEST_P(ProgramaArranqueTest, StartFailureShowsOneMessageAndWritesNothing) {
  GetParam().estropear(carpeta_);
  const QStringList antes = carpeta_.Archivos();
  Programa programa(Fabrica(true));
  Contestador contestador;
  EXPECT_FALSE(programa.Iniciar());
  ASSERT_EQ(contestador.cajas.size(), 1u);
  EXPECT_EQ(contestador.cajas[0].titulo, QStringLiteral("Tiendal"));
  EXPECT_TRUE(contestador.cajas[0].texto.contains(QString::fromUtf8(GetParam().nombrado)))
      << contestador.cajas[0].texto.toStdString();
  EXPECT_EQ(programa.Ventana(), nullptr);
  EXPECT_EQ(carpeta_.Archivos(), antes);
}

const auto kBorrarImagenes = [](const CarpetaPrograma& c) {
  QDir(c.Imagenes()).removeRecursively();
};
const auto kDejarCinco = [](const CarpetaPrograma& c) {
  QDir imagenes(c.Imagenes());
  const QStringList archivos = imagenes.entryList(QDir::Files);
  for (qsizetype i = 5; i < archivos.size(); ++i) imagenes.remove(archivos[i]);
};
const auto kBorrarPrecios = [](const CarpetaPrograma& c) {
  QFile::remove(c.Ruta() + QStringLiteral("/precios.txt"));
};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Datos, ProgramaArranqueTest, ::testing::Values(
    FaltaDatos{"sin carpeta", kBorrarImagenes, "imágenes"},
    FaltaDatos{"cinco", kDejarCinco, "imágenes"},
    FaltaDatos{"sin precios", kBorrarPrecios, "precios.txt"}));
// clang-format on

TEST_F(ProgramaTest, StartOpensTheMouseWindowWithoutSwitchWhenThereIsNoOther) {
  Programa programa(Fabrica(false));
  ASSERT_TRUE(programa.Iniciar());
  ASSERT_NE(programa.Ventana(), nullptr);
  EXPECT_TRUE(programa.Ventana()->isVisible());
  EXPECT_EQ(programa.VersionAbierta(), Version::RatonYTeclado);
  EXPECT_FALSE(Item(programa.Ventana(), "MnuOpcVer")->isEnabled());
}

TEST_F(ProgramaTest, SwitchClosesOneWindowAndOpensTheOtherWithTheSavedOptions) {
  Programa programa(Fabrica(true));
  QSignalSpy terminado(&programa, &Programa::terminado);
  ASSERT_TRUE(programa.Iniciar());
  QPointer<VentanaPractica> primera = programa.Ventana();
  Item(primera, "MnuOpcVal")->trigger();
  ASSERT_TRUE(Item(primera, "MnuOpcVer")->isEnabled());
  Item(primera, "MnuOpcVer")->trigger();

  VentanaPractica* segunda = programa.Ventana();
  ASSERT_NE(segunda, nullptr);
  EXPECT_NE(segunda, primera.data());
  EXPECT_EQ(programa.VersionAbierta(), Version::SoloTeclado);
  EXPECT_TRUE(segunda->isVisible());
  EXPECT_TRUE(Item(segunda, "MnuOpcVal")->isChecked());
  EXPECT_EQ(creadas_, 2);
  EXPECT_EQ(terminado.count(), 0);
  BorrarPendientes();
  EXPECT_TRUE(primera.isNull());

  Item(segunda, "MnuOpcVer")->trigger();
  EXPECT_EQ(programa.VersionAbierta(), Version::RatonYTeclado);
  EXPECT_EQ(terminado.count(), 0);
}

TEST_F(ProgramaTest, ClosingTheLastWindowEndsTheProgram) {
  Programa programa(Fabrica(true));
  QSignalSpy terminado(&programa, &Programa::terminado);
  ASSERT_TRUE(programa.Iniciar());
  Item(programa.Ventana(), "MnuOpcSal")->trigger();
  ASSERT_EQ(terminado.count(), 1);
  EXPECT_EQ(terminado.at(0).at(0).toInt(), 0);
  EXPECT_EQ(programa.Ventana(), nullptr);
  BorrarPendientes();
}

TEST_F(ProgramaTest, SwitchToAWindowThatCannotLoadEndsWithAMessage) {
  Programa programa(Fabrica(true));
  QSignalSpy terminado(&programa, &Programa::terminado);
  ASSERT_TRUE(programa.Iniciar());
  QDir(carpeta_.Imagenes()).removeRecursively();
  Contestador contestador;
  Item(programa.Ventana(), "MnuOpcVer")->trigger();
  EXPECT_EQ(contestador.cajas.size(), 1u);
  ASSERT_EQ(terminado.count(), 1);
  EXPECT_EQ(terminado.at(0).at(0).toInt(), 1);
  BorrarPendientes();
}

}  // namespace
}  // namespace tiendal
