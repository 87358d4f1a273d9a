// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard_window/form2.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <vector>

#include "app/programa.h"
#include "core/catalogo.h"
#include "mouse_window/form1.h"
#include "tests/comun/arranque.h"
#include "tests/comun/azar_guion.h"
#include "tests/comun/carpeta.h"
#include "tests/comun/imprimir.h"
#include "tests/comun/reproductor_falso.h"

namespace tiendal::prueba {
namespace {

using Accion = std::function<void(QWidget&)>;

void Escape(QWidget& dialogo) { Tecla(dialogo, Qt::Key_Escape); }

// In the chooser: down to line `linea` by the arrow keys, then Enter.
Accion Linea(int linea) {
  return [linea](QWidget& dialogo) {
    for (int i = 0; i < linea; ++i) Tecla(dialogo, Qt::Key_Down);
    Tecla(dialogo, Qt::Key_Return);
  };
}

const QStringList kEstante = {"pan", "leche", "huevos", "plátanos", "queso", "aceite"};

// A program folder holding the six products of kEstante, Form2 windows on it with fakes, a
// chooser of the test's own with its beeps counted, and an answerer that gives each message box
// OK and keeps its text.
class Form2Prueba : public ::testing::Test {
 protected:
  Form2Prueba() { carpeta_.Llenar(PrimerosProductos(6)); }

  // Fakes whose first exercise is of type `tipo` with kEstante in slots 0 to 5.
  Piezas Falsas(int tipo) {
    // The catalogue is numbered in the order the pictures folder lists them.
    const QStringList catalogo = ListarImagenes(carpeta_.Ruta(QStringLiteral("imágenes")));
    auto azar = std::make_unique<AleatorioGuion>();
    // Past the script, a spread sequence that never gives one value twice running.
    azar->despues = [n = 0]() mutable { return std::fmod(0.6180339887 * ++n, 1.0); };
    azar->Poner((tipo - 0.5) / 5);
    for (const QString& s : kEstante)
      azar->Poner((static_cast<double>(catalogo.indexOf(s + QStringLiteral(".jpg"))) + 0.5) / 6);
    return {std::make_unique<ReproductorFalso>(), std::move(azar)};
  }

  std::unique_ptr<Form2> Abrir(int tipo = 1) {
    auto ventana = std::make_unique<Form2>(carpeta_.Ruta(), Falsas(tipo), elegidor_);
    EXPECT_EQ(ventana->Cargar(), std::nullopt);
    ventana->show();
    return ventana;
  }

  // The Applications key, then `accion` in the chooser once it shows. An access key or a double
  // click acts a moment later; a chooser still open after that is a failure, and is hidden.
  void Elegir(QWidget& ventana, Accion accion) {
    QTimer::singleShot(0, &ventana, [accion] {
      QWidget* dialogo = QApplication::activeModalWidget();
      ASSERT_NE(dialogo, nullptr);
      accion(*dialogo);
      EXPECT_TRUE(QTest::qWaitFor([dialogo] { return !dialogo->isVisible(); }));
      dialogo->hide();
    });
    Tecla(ventana, Qt::Key_Menu);
  }

  Carpeta carpeta_;
  int pitidos_ = 0;
  Elegidor elegidor_{[this] { ++pitidos_; }};
  Contestador contestador_;
};

void DobleClic(QWidget& dialogo, int linea) {
  auto* lista = dialogo.findChild<QListWidget*>(QStringLiteral("List1"));
  lista->scrollToItem(lista->item(linea));
  const QPoint centro = lista->visualItemRect(lista->item(linea)).center();
  QTest::mouseDClick(lista->viewport(), Qt::LeftButton, Qt::NoModifier, centro);
}

// One opening of the chooser per action, on a fresh exercise whose slots hold kEstante in
// order; each opening offers the products not yet in the list, line 0 selected.
struct Caso {
  const char* nombre;
  int tipo;
  std::vector<Accion> pupilo;
  int seleccionado;    // the chooser's answer to the last action
  const char* ultima;  // the last list row's name afterwards, "" for an empty list
  const char* mensaje;
  int pitidos = 0;
};

void PrintTo(const Caso& caso, std::ostream* os) { *os << caso.nombre; }

class Elecciones : public Form2Prueba, public ::testing::WithParamInterface<Caso> {};

TEST_P(Elecciones, LoQueHaceElPupiloDecideElProductoAnadido) {
  const Caso& caso = GetParam();
  auto ventana = Abrir(caso.tipo);
  for (const Accion& accion : caso.pupilo) Elegir(*ventana, accion);
  EXPECT_EQ(elegidor_.Seleccionado(), caso.seleccionado);
  const int filas = ventana->sesion().practica().NumFilas;
  EXPECT_EQ(ventana->Nombre(qMax(filas - 1, 0)), QString::fromUtf8(caso.ultima));
  EXPECT_EQ(contestador_.Textos().join(u'\n'), QString::fromUtf8(caso.mensaje));
  EXPECT_EQ(pitidos_, caso.pitidos);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Dialog, Elecciones, ::testing::Values(
  Caso{"Intro", 1, {Linea(0)}, 0, "pan:", ""},
  // An access key clicks its button a moment after the key, when the chooser may be open by then.
  Caso{"ClicRetrasadoBajoElElegidor", 1, {[](QWidget& v) {
    for (const char* boton : {"CBNuevo", "CBCorregir"})
      v.parentWidget()->findChild<QAbstractButton*>(QLatin1String(boton))->click();
    Linea(0)(v);
  }}, 0, "pan:", ""},
  Caso{"DobleClicEnLaCuartaLinea", 1, {[](QWidget& v) { DobleClic(v, 3); }}, 3, "plátanos:", ""},
  Caso{"Escape", 1, {Escape}, -1, "", ""},
  Caso{"CajaDeCierreTrasUnaEleccion", 1, {Linea(2), [](QWidget& v) { v.close(); }}, -1, "huevos:", ""},
  Caso{"SinLineaElegidaIntroPita", 1, {[](QWidget& v) {
    Tecla(v, Qt::Key_Space, Qt::ControlModifier);  // takes the selection off line 0
    Tecla(v, Qt::Key_Return);
    EXPECT_TRUE(v.isVisible());
    Escape(v);
  }}, -1, "", "", 1},
  Caso{"Tipo3PrimeroElMasCaro", 3, {Linea(1), Linea(4)}, 4, "queso:",
       "Ese no es el producto más caro"},
  Caso{"Tipo2UnSoloProducto", 2, {Linea(4), Linea(1)}, 1, "queso:",
       "No puede añadir más productos a la lista. Quite antes otro producto para poder añadir ese."}),
  [](const auto& caso) { return std::string(caso.param.nombre); });
// clang-format on

TEST_F(Form2Prueba, UnProductoQuitadoSeVuelveAOfrecerEnElSitioDeSuHueco) {
  auto ventana = Abrir();
  for (int i = 0; i < 3; ++i) Elegir(*ventana, Linea(0));
  EXPECT_EQ(ventana->focusWidget()->objectName(), QStringLiteral("TBPrecio2"));
  // Under X the Applications key also brings the focused box a request for its context menu.
  QContextMenuEvent menu(QContextMenuEvent::Keyboard, {}, {});
  QApplication::sendEvent(ventana->focusWidget(), &menu);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  QTest::mouseClick(ventana->findChild<QWidget*>(QStringLiteral("LBNombre1")), Qt::LeftButton);
  Elegir(*ventana, Linea(1));
  auto* lista = elegidor_.Existente()->findChild<QListWidget*>(QStringLiteral("List1"));
  QStringList lineas;
  for (int i = 0; i < lista->count(); ++i) lineas << lista->item(i)->text();
  EXPECT_EQ(lineas, QStringList({"leche: 1,5", "plátanos: 3,2", "queso: 7,45", "aceite: 5"}));
  EXPECT_EQ(ventana->Nombre(2), QStringLiteral("plátanos:"));
}

QStringList Filas(const Form2& ventana) {
  QStringList filas;
  for (int r = 0; r < ventana.ContarFilas(); ++r) filas << ventana.Nombre(r) + ventana.Precio(r);
  return filas;
}

TEST_F(Form2Prueba, SuprEnElPrecioDeUnaFilaHaceLoMismoQueUnClicEnSuNombre) {
  auto tecla = Abrir();
  auto clic = Abrir();
  for (Form2* ventana : {tecla.get(), clic.get()})
    for (int hueco = 0; hueco < 3; ++hueco) ventana->sesion().AgregarDelEstante(hueco);
  QSignalSpy pitidosTecla(tecla.get(), &VentanaPractica::pitido);
  QSignalSpy pitidosClic(clic.get(), &VentanaPractica::pitido);
  // The middle row, then a row left empty (a beep), then the first.
  for (const QString& fila : {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("0")}) {
    tecla->findChild<QWidget*>(QStringLiteral("TBPrecio") + fila)->setFocus();
    Tecla(*tecla, Qt::Key_Delete);
    QTest::mouseClick(clic->findChild<QWidget*>(QStringLiteral("LBNombre") + fila), Qt::LeftButton);
    EXPECT_EQ(Filas(*tecla), Filas(*clic)) << fila.toStdString();
    EXPECT_EQ(pitidosTecla.count(), pitidosClic.count()) << fila.toStdString();
  }
  EXPECT_EQ(tecla->sesion().practica().NumFilas, 1);
  EXPECT_EQ(pitidosTecla.count(), 1);
}

// What a screen reader calls each control of a window that Tab reaches.
QStringList NombresAccesibles(const QWidget& ventana) {
  QStringList nombres;
  for (QWidget* control : ventana.findChildren<QWidget*>()) {
    if (!control->isVisible() || !(control->focusPolicy() & Qt::TabFocus)) continue;
    nombres << QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).trimmed();
  }
  return nombres;
}

TEST_F(Form2Prueba, CadaControlQueTomaElFocoTieneNombreParaElLectorDePantalla) {
  auto ventana = Abrir(5);
  QStringList nombres;
  Elegir(*ventana, [&nombres](QWidget& dialogo) {
    nombres = NombresAccesibles(dialogo);
    Escape(dialogo);
  });
  nombres += NombresAccesibles(*ventana);
  // List1, OKButton and CancelButton; Text2, six price boxes, TBResultado and two buttons.
  EXPECT_EQ(nombres.size(), 13);
  EXPECT_FALSE(nombres.contains(QString()));

  // The instructions box has no caret, yet shows when it has the focus.
  auto* instrucciones = ventana->findChild<QWidget*>("Text2");
  QApplication::setActiveWindow(ventana.get());
  ventana->findChild<QWidget*>("TBResultado")->setFocus();
  const QImage sinFoco = instrucciones->grab().toImage();
  instrucciones->setFocus();
  ASSERT_TRUE(instrucciones->hasFocus());
  EXPECT_NE(instrucciones->grab().toImage(), sinFoco);
}

// The program on the test folder, both windows with fakes, Form2 with the test's chooser.
class CambioPrueba : public Form2Prueba {
 protected:
  // The window now open, then the marks of "&Valores enteros" and "&Mostrar resultado correcto".
  QString Estado() const {
    QString estado = programa_.Ventana()->objectName();
    for (const char* item : {"MnuOpcVal", "MnuOpcMos"})
      estado +=
          programa_.Ventana()->findChild<QAction*>(QLatin1String(item))->isChecked() ? " 1" : " 0";
    return estado;
  }

  // The window a switch leaves is deleted once the switch's handler has returned.
  void Menu(const char* item) {
    programa_.Ventana()->findChild<QAction*>(QLatin1String(item))->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  Programa programa_{FabricaVentanas{
      [this] { return std::make_unique<Form1>(carpeta_.Ruta(), Falsas(1)); },
      [this] { return std::make_unique<Form2>(carpeta_.Ruta(), Falsas(1), elegidor_); }}};
};

TEST_F(CambioPrueba, LasMarcasDeLasOpcionesPasanDeUnaVentanaALaOtraEnLosDosSentidos) {
  // One option switched, then the window.
  const std::pair<const char*, const char*> pasos[] = {
      {"MnuOpcVal", "Form2 1 1"}, {"MnuOpcMos", "Form1 1 0"}, {"MnuOpcVal", "Form2 0 0"}};
  ASSERT_TRUE(programa_.Iniciar());
  for (const auto& [opcion, estado] : pasos) {
    Menu(opcion);
    Menu("MnuOpcVer");
    EXPECT_EQ(Estado(), QLatin1String(estado));
  }
}

TEST_F(CambioPrueba, ElProgramaAcabaAlSalirDeLaVentanaDeTecladoTrasUsarElElegidor) {
  ASSERT_TRUE(programa_.Iniciar());
  Menu("MnuOpcVer");
  Elegir(*programa_.Ventana(), Linea(0));
  ASSERT_NE(elegidor_.Existente(), nullptr);
  QSignalSpy terminado(&programa_, &Programa::terminado);
  QPointer<VentanaPractica> ventana = programa_.Ventana();
  ventana->findChild<QAction*>(QStringLiteral("MnuOpcSal"))->trigger();
  EXPECT_TRUE(ventana->sonido().Cerrado());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(ventana.isNull());
  EXPECT_EQ(terminado, QList<QList<QVariant>>({{0}}));
  EXPECT_EQ(elegidor_.Existente(), nullptr);  // gone with its window
}

}  // namespace
}  // namespace tiendal::prueba
