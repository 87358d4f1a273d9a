#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest/QTest>

#include "app/programa.h"
#include "core/opciones.h"
#include "entorno.h"
#include "keyboard_window/form2.h"
#include "modal.h"
#include "mouse_window/form1.h"

namespace tiendal::prueba {
namespace {

// The program with both windows on a test folder, each with a silent player and scripted
// random numbers, the keyboard window with the test's own chooser.
class CambioPrueba : public ::testing::Test {
 protected:
  CambioPrueba() {
    FabricaVentanas fabrica;
    fabrica.ratonYTeclado = [this] {
      return std::make_unique<Form1>(carpeta_.Ruta(), Piezas{std::make_unique<ReproductorFalso>(),
                                                             std::make_unique<AleatorioGuion>()});
    };
    fabrica.soloTeclado = [this]() -> std::unique_ptr<VentanaPractica> {
      auto reproductor = std::make_unique<ReproductorFalso>();
      auto azar = std::make_unique<AleatorioGuion>();
      carpeta_.Ejercicio(*azar, 1, {"pan", "leche", "huevos", "Plátanos", "queso", "aceite"});
      return std::make_unique<Form2>(carpeta_.Ruta(),
                                     Piezas{std::move(reproductor), std::move(azar)}, elegidor_);
    };
    programa_ = std::make_unique<Programa>(std::move(fabrica));
  }

  ~CambioPrueba() override {
    programa_.reset();
    BorrarPendientes();
  }

  static void BorrarPendientes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  VentanaPractica& Ventana() const { return *programa_->Ventana(); }

  bool Marca(const char* item) const {
    return Ventana().findChild<QAction*>(QLatin1String(item))->isChecked();
  }

  void Menu(const char* item) {
    Ventana().findChild<QAction*>(QLatin1String(item))->trigger();
    BorrarPendientes();
  }

  CarpetaPrograma carpeta_;
  Elegidor elegidor_{[] {}};
  Contestador contestador_;
  std::unique_ptr<Programa> programa_;
};

TEST_F(CambioPrueba, LasMarcasDeLasOpcionesPasanDeUnaVentanaALaOtraEnLosDosSentidos) {
  ASSERT_TRUE(programa_->Iniciar());
  EXPECT_EQ(Ventana().objectName(), QStringLiteral("Form1"));
  Menu("MnuOpcVal");

  Menu("MnuOpcVer");
  ASSERT_EQ(Ventana().objectName(), QStringLiteral("Form2"));
  EXPECT_TRUE(Marca("MnuOpcVal"));
  EXPECT_TRUE(Marca("MnuOpcMos"));
  Menu("MnuOpcMos");

  Menu("MnuOpcVer");
  ASSERT_EQ(Ventana().objectName(), QStringLiteral("Form1"));
  EXPECT_TRUE(Marca("MnuOpcVal"));
  EXPECT_FALSE(Marca("MnuOpcMos"));
  Menu("MnuOpcVal");

  Menu("MnuOpcVer");
  ASSERT_EQ(Ventana().objectName(), QStringLiteral("Form2"));
  EXPECT_FALSE(Marca("MnuOpcVal"));
  EXPECT_FALSE(Marca("MnuOpcMos"));
  EXPECT_EQ(carpeta_.LeerIni(), TextoOpciones({false, false}));
}

TEST_F(CambioPrueba, CambiarMuchasVecesNoDejaVentanasAtras) {
  ASSERT_TRUE(programa_->Iniciar());
  Menu("MnuOpcVer");
  const qsizetype ventanas = QApplication::topLevelWidgets().size();
  for (int i = 0; i < 6; ++i) {
    // Each time through the chooser, so that it is made and lost with its window.
    if (Ventana().objectName() == QStringLiteral("Form2")) {
      Ventana().show();
      Elegir(Ventana(), contestador_, Linea(1));
      EXPECT_EQ(Ventana().Nombre(0), QStringLiteral("leche:"));
    }
    Menu("MnuOpcVer");
  }
  EXPECT_EQ(Ventana().objectName(), QStringLiteral("Form2"));
  EXPECT_EQ(QApplication::topLevelWidgets().size(), ventanas);
  EXPECT_EQ(contestador_.lineas.size(), 3u);
}

TEST_F(CambioPrueba, ElCambioSeHaceConElTecladoDesdeElMenu) {
  ASSERT_TRUE(programa_->Iniciar());
  Menu("MnuOpcVer");
  Form2* ventana = qobject_cast<Form2*>(&Ventana());
  ASSERT_NE(ventana, nullptr);
  Pulsar(*ventana, Qt::Key_O, Qt::AltModifier);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  // "&Valores enteros" and "&Versión ..." share their access key: V goes from one to the other.
  QTest::keyClick(menu, Qt::Key_V);
  if (menu->activeAction()->objectName() != QStringLiteral("MnuOpcVer")) {
    QTest::keyClick(menu, Qt::Key_V);
  }
  EXPECT_EQ(menu->activeAction()->objectName(), QStringLiteral("MnuOpcVer"));
  QTest::keyClick(menu, Qt::Key_Return);
  BorrarPendientes();
  EXPECT_EQ(Ventana().objectName(), QStringLiteral("Form1"));
  EXPECT_EQ(elegidor_.Existente(), nullptr);
}

TEST_F(CambioPrueba, ElProgramaAcabaAlSalirDeLaVentanaDeTecladoTrasUsarElElegidor) {
  ASSERT_TRUE(programa_->Iniciar());
  Menu("MnuOpcVer");
  Elegir(Ventana(), contestador_, Linea(0));
  Elegir(Ventana(), contestador_, [](QWidget& v) { v.close(); });
  Elegir(Ventana(), contestador_, [](QWidget& v) { Tecla(v, Qt::Key_Escape); });
  ASSERT_NE(elegidor_.Existente(), nullptr);

  // As the program's main does.
  QObject::connect(programa_.get(), &Programa::terminado, qApp,
                   [](int estado) { QCoreApplication::exit(estado); });
  QTimer::singleShot(0, &Ventana(),
                     [this] { Ventana().findChild<QAction*>("MnuOpcSal")->trigger(); });
  // Should the program hang on, this ends the loop with a failure instead of hanging the test.
  QTimer salvaguarda;
  salvaguarda.callOnTimeout([] { QCoreApplication::exit(2); });
  salvaguarda.start(30000);
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_EQ(programa_->Ventana(), nullptr);
  BorrarPendientes();
  EXPECT_EQ(elegidor_.Existente(), nullptr);
  for (QWidget* ventana : QApplication::topLevelWidgets()) EXPECT_FALSE(ventana->isVisible());
}

TEST_F(CambioPrueba, CerrarLaVentanaDeTecladoConSuCajaTambienAcabaElPrograma) {
  ASSERT_TRUE(programa_->Iniciar());
  Menu("MnuOpcVer");
  Elegir(Ventana(), contestador_, Linea(0));
  QSignalSpy terminado(programa_.get(), &Programa::terminado);
  Ventana().close();
  ASSERT_EQ(terminado.count(), 1);
  EXPECT_EQ(terminado.at(0).at(0).toInt(), 0);
}

}  // namespace
}  // namespace tiendal::prueba
