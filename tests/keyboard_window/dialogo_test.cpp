#include "keyboard_window/dialogo.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <ostream>

#include "accesible.h"
#include "keyboard_window/elegidor.h"
#include "modal.h"

namespace tiendal {
namespace {

using prueba::AlAbrirse;
using prueba::Tecla;

void DobleClicEnLinea(QWidget& ventana, int linea) {
  auto* lista = ventana.findChild<QListWidget*>(QStringLiteral("List1"));
  ASSERT_NE(lista, nullptr);
  lista->scrollToItem(lista->item(linea));
  const QPoint centro = lista->visualItemRect(lista->item(linea)).center();
  QTest::mouseDClick(lista->viewport(), Qt::LeftButton, Qt::NoModifier, centro);
}

void Boton(QWidget& ventana, const char* nombre) {
  auto* boton = ventana.findChild<QPushButton*>(QString::fromLatin1(nombre));
  ASSERT_NE(boton, nullptr);
  QTest::mouseClick(boton, Qt::LeftButton);
}

struct Caso {
  const char* nombre;
  int lineas;
  int seleccionada;  // -1: the caller selects none
  std::function<void(QWidget&)> pupilo;
  int esperado;
  int pitidos;
};

void PrintTo(const Caso& caso, std::ostream* os) { *os << caso.nombre; }

class ElegidorPrueba : public ::testing::Test {
 protected:
  void SetUp() override {
    dueno_.resize(792, 520);
    dueno_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dueno_));
    elegidor_.PonerDueno(&dueno_);
  }

  // What the keyboard window does before each showing.
  void Llenar(int lineas, int seleccionada) {
    elegidor_.VaciarLista();
    elegidor_.PonerSeleccionado(-1);
    for (int i = 0; i < lineas; ++i)
      elegidor_.AgregarLinea(QStringLiteral("producto %1: 1,5").arg(i));
    if (seleccionada >= 0) elegidor_.SeleccionarLinea(seleccionada);
  }

  int Usar(int lineas, int seleccionada, std::function<void(QWidget&)> pupilo) {
    Llenar(lineas, seleccionada);
    AlAbrirse(std::move(pupilo));
    elegidor_.MostrarModal();
    return elegidor_.Seleccionado();
  }

  int pitidos_ = 0;
  QMainWindow dueno_;
  Elegidor elegidor_{[this] { ++pitidos_; }};
};

class Resultados : public ElegidorPrueba, public ::testing::WithParamInterface<Caso> {};

TEST_P(Resultados, LoQueHaceElPupiloDecideLaLineaDevuelta) {
  const Caso& caso = GetParam();
  EXPECT_EQ(Usar(caso.lineas, caso.seleccionada, caso.pupilo), caso.esperado);
  EXPECT_EQ(pitidos_, caso.pitidos);
}

const auto kEscape = [](QWidget& v) { Tecla(v, Qt::Key_Escape); };

// clang-format off
INSTANTIATE_TEST_SUITE_P(Dialog, Resultados, ::testing::Values(
  Caso{"Intro", 6, 0, [](QWidget& v) { Tecla(v, Qt::Key_Return); }, 0, 0},
  Caso{"IntroDelTecladoNumerico", 6, 0, [](QWidget& v) { Tecla(v, Qt::Key_Enter); }, 0, 0},
  Caso{"AltA", 6, 0, [](QWidget& v) { Tecla(v, Qt::Key_A, Qt::AltModifier); }, 0, 0},
  Caso{"ClicEnAceptar", 6, 0, [](QWidget& v) { Boton(v, "OKButton"); }, 0, 0},
  Caso{"AbajoAbajoIntro", 3, 0, [](QWidget& v) {
    Tecla(v, Qt::Key_Down); Tecla(v, Qt::Key_Down); Tecla(v, Qt::Key_Return); }, 2, 0},
  Caso{"ArribaVuelve", 6, 2, [](QWidget& v) { Tecla(v, Qt::Key_Up); Tecla(v, Qt::Key_Return); }, 1, 0},
  Caso{"DobleClicEnLaCuartaLinea", 6, 0, [](QWidget& v) { DobleClicEnLinea(v, 3); }, 3, 0},
  Caso{"Escape", 6, 0, kEscape, -1, 0},
  Caso{"AltC", 6, 0, [](QWidget& v) { Tecla(v, Qt::Key_C, Qt::AltModifier); }, -1, 0},
  Caso{"ClicEnCancelar", 6, 0, [](QWidget& v) { Boton(v, "CancelButton"); }, -1, 0},
  Caso{"CajaDeCierre", 6, 0, [](QWidget& v) { v.close(); }, -1, 0},
  Caso{"AltPLlevaALaListaDesdeUnBoton", 6, 0, [](QWidget& v) {
    Tecla(v, Qt::Key_Tab); Tecla(v, Qt::Key_Tab);
    Tecla(v, Qt::Key_P, Qt::AltModifier); Tecla(v, Qt::Key_Down); Tecla(v, Qt::Key_Return); }, 1, 0},
  Caso{"ListaVaciaIntroPitaYSigueAbierta", 0, -1, [](QWidget& v) {
    Tecla(v, Qt::Key_Return);
    EXPECT_TRUE(v.isVisible());
    Boton(v, "OKButton");
    EXPECT_TRUE(v.isVisible());
    Tecla(v, Qt::Key_Escape); }, -1, 2},
  Caso{"SinLineaElegidaAltAPita", 3, -1, [](QWidget& v) {
    Tecla(v, Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(v.isVisible());
    Tecla(v, Qt::Key_Escape); }, -1, 1}),
  [](const auto& caso) { return std::string(caso.param.nombre); });
// clang-format on

TEST_F(ElegidorPrueba, LaCajaDeCierreDejaElMenosUnoDelLlamadorTrasUnUsoAnterior) {
  EXPECT_EQ(Usar(6, 0,
                 [](QWidget& v) {
                   Tecla(v, Qt::Key_Down);
                   Tecla(v, Qt::Key_Down);
                   Tecla(v, Qt::Key_Return);
                 }),
            2);
  EXPECT_EQ(Usar(6, 0, [](QWidget& v) { v.close(); }), -1);
}

TEST_F(ElegidorPrueba, AceptarOCancelarSoloLoEsconden) {
  Usar(4, 0, kEscape);
  Dialog* primero = elegidor_.Existente();
  ASSERT_NE(primero, nullptr);
  EXPECT_FALSE(primero->isVisible());
  EXPECT_EQ(primero->ContarLineas(), 4);
  Usar(4, 0, [](QWidget& v) { Tecla(v, Qt::Key_Return); });
  EXPECT_EQ(elegidor_.Existente(), primero);
}

TEST_F(ElegidorPrueba, CerradoConSuCajaSeHaceDeNuevoConLaListaVacia) {
  Usar(4, 0, [](QWidget& v) { v.close(); });
  EXPECT_EQ(elegidor_.Existente(), nullptr);
  EXPECT_EQ(elegidor_.Seleccionado(), -1);
  EXPECT_EQ(elegidor_.ContarLineas(), 0);
  ASSERT_NE(elegidor_.Existente(), nullptr);
  EXPECT_EQ(elegidor_.Existente()->Seleccionado(), 0);
}

TEST_F(ElegidorPrueba, AbreConElFocoEnLaListaAunqueLaVezAnteriorAcabaraEnUnBoton) {
  Usar(4, 0, [](QWidget& v) {
    Tecla(v, Qt::Key_Tab);
    Tecla(v, Qt::Key_Tab);
    Tecla(v, Qt::Key_Space);
  });
  Usar(4, 0, [](QWidget& v) {
    EXPECT_EQ(v.focusWidget()->objectName(), QStringLiteral("List1"));
    Tecla(v, Qt::Key_Escape);
  });
}

TEST_F(ElegidorPrueba, AspectoYCentradoSobreSuDueno) {
  Usar(2, 0, [this](QWidget& v) {
    EXPECT_EQ(v.windowTitle(), QStringLiteral("Elige un producto"));
    EXPECT_EQ(v.size(), QSize(402, 268));
    EXPECT_EQ(v.minimumSize(), v.maximumSize());
    EXPECT_FALSE(v.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(v.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(v.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(v.parentWidget(), &dueno_);
    EXPECT_TRUE(v.isModal());
    EXPECT_EQ(v.font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(v.font().pointSizeF(), 12.0);
    // Without a window manager the toolkit can only guess the size of the title bars.
    EXPECT_LE((v.frameGeometry().center() - dueno_.frameGeometry().center()).manhattanLength(), 64);
    auto* etiqueta = v.findChild<QLabel*>(QStringLiteral("Label1"));
    ASSERT_NE(etiqueta, nullptr);
    EXPECT_EQ(etiqueta->text(), QStringLiteral("&Productos "));
    auto* aceptar = v.findChild<QPushButton*>(QStringLiteral("OKButton"));
    ASSERT_NE(aceptar, nullptr);
    EXPECT_TRUE(aceptar->isDefault());
    EXPECT_EQ(aceptar->text(), QStringLiteral("&Aceptar"));
    EXPECT_EQ(v.findChild<QPushButton*>(QStringLiteral("CancelButton"))->text(),
              QStringLiteral("&Cancelar"));
    // One line high: the selected line shows whole, the next does not.
    auto* lista = v.findChild<QListWidget*>(QStringLiteral("List1"));
    const QRect linea = lista->visualItemRect(lista->item(0));
    EXPECT_TRUE(lista->viewport()->rect().contains(linea));
    EXPECT_LT(lista->viewport()->height(), 2 * linea.height());
    Tecla(v, Qt::Key_Escape);
  });
}

TEST_F(ElegidorPrueba, CadaControlQueTomaElFocoTieneNombreParaElLectorDePantalla) {
  Usar(3, 0, [](QWidget& v) {
    int enfocables = 0;
    EXPECT_EQ(prueba::SinNombreAccesible(v, &enfocables), QStringList());
    EXPECT_EQ(enfocables, 3);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(&v)->text(QAccessible::Name).isEmpty());
    Tecla(v, Qt::Key_Escape);
  });
}

TEST_F(ElegidorPrueba, NoSostieneElProgramaCuandoSeCierraLaUltimaVentana) {
  Usar(3, 0, [](QWidget& v) { Tecla(v, Qt::Key_Return); });
  ASSERT_TRUE(QApplication::quitOnLastWindowClosed());
  QSignalSpy ultima(qApp, &QGuiApplication::lastWindowClosed);
  QTimer::singleShot(0, &dueno_, [this] { dueno_.close(); });
  // Should the program hang on, this ends the loop with a failure instead of hanging the test.
  QTimer salvaguarda;
  salvaguarda.callOnTimeout([] { QApplication::exit(1); });
  salvaguarda.start(30000);
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_EQ(ultima.count(), 1);
}

}  // namespace
}  // namespace tiendal
