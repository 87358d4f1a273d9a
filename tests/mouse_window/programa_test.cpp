#include "app/programa.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QPointer>
#include <QSignalSpy>
#include <functional>

#include "tests/mouse_window/entorno.h"

namespace tiendal {
namespace {

QAction* Item(VentanaPractica* ventana, const char* nombre) {
  return ventana->findChild<QAction*>(QLatin1String(nombre));
}

// Both versions are a Form1 with fakes: the switch does not care which window it opens.
class ProgramaTest : public ::testing::Test {
 protected:
  FabricaVentanas Fabrica() {
    const auto crear = [this] {
      return std::unique_ptr<VentanaPractica>(CrearForm1(carpeta_.Ruta(), 1).ventana.release());
    };
    return FabricaVentanas{crear, crear};
  }

  CarpetaPrograma carpeta_;
};

struct FaltaDatos {
  std::function<void(const CarpetaPrograma&)> estropear;
  const char* nombrado;  // what the message must name
};

class ProgramaArranqueTest : public ProgramaTest,
                             public ::testing::WithParamInterface<FaltaDatos> {};

TEST_P(ProgramaArranqueTest, StartFailureShowsOneMessageAndWritesNothing) {
  GetParam().estropear(carpeta_);
  const QStringList antes = carpeta_.Archivos();
  Programa programa(Fabrica());
  Contestador contestador;
  EXPECT_FALSE(programa.Iniciar());
  ASSERT_EQ(contestador.cajas.size(), 1);
  EXPECT_TRUE(contestador.cajas[0].startsWith(QStringLiteral("Tiendal|")));
  EXPECT_TRUE(contestador.cajas[0].contains(QString::fromUtf8(GetParam().nombrado)));
  EXPECT_EQ(programa.Ventana(), nullptr);
  EXPECT_EQ(carpeta_.Archivos(), antes);
}

INSTANTIATE_TEST_SUITE_P(
    Datos, ProgramaArranqueTest,
    ::testing::Values(
        FaltaDatos{[](auto& c) { QDir(c.Imagenes()).removeRecursively(); }, "imágenes"},
        FaltaDatos{[](auto& c) {
                     QDir imagenes(c.Imagenes());
                     for (const QString& archivo : imagenes.entryList(QDir::Files).mid(5))
                       imagenes.remove(archivo);
                   },
                   "imágenes"},
        FaltaDatos{[](auto& c) { QFile::remove(c.Ruta() + QStringLiteral("/precios.txt")); },
                   "precios.txt"}));

// The switch carries the saved options over; the Exit item stops the sound and ends the
// program with 0.
TEST_F(ProgramaTest, SwitchOpensTheOtherVersionAndTheLastWindowEndsTheProgram) {
  Programa programa(Fabrica());
  QSignalSpy terminado(&programa, &Programa::terminado);
  ASSERT_TRUE(programa.Iniciar());
  QPointer<VentanaPractica> primera = programa.Ventana();
  Item(primera, "MnuOpcVal")->trigger();
  Item(primera, "MnuOpcVer")->trigger();
  EXPECT_EQ(programa.VersionAbierta(), Version::SoloTeclado);
  EXPECT_TRUE(Item(programa.Ventana(), "MnuOpcVal")->isChecked());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(primera.isNull());

  VentanaPractica* segunda = programa.Ventana();
  Item(segunda, "MnuOpcSal")->trigger();
  EXPECT_TRUE(segunda->sonido().Cerrado());
  ASSERT_EQ(terminado.count(), 1);
  EXPECT_EQ(terminado.at(0).at(0).toInt(), 0);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace tiendal
