// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard_window/ventana_teclado.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QPointer>
#include <QSignalSpy>
#include <QTextEdit>
#include <QTimer>
#include <functional>
#include <vector>

#include "app/programa.h"
#include "tests/comun/ventana_prueba.h"

namespace tiendal::prueba {
namespace {

using Accion = std::function<void(QWidget&)>;

// In the chooser: down to line `linea` by the arrow keys, then Enter.
Accion Linea(int linea) {
  return [linea](QWidget& dialogo) {
    for (int i = 0; i < linea; ++i) PulsarTecla(dialogo, Qt::Key_Down);
    PulsarTecla(dialogo, Qt::Key_Return);
  };
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
  PulsarTecla(ventana, Qt::Key_Menu);
}

QListWidget* Lista(QWidget& dialogo) { return dialogo.findChild<QListWidget*>("listaProductos"); }

// One opening of the chooser per action, on a type 1 exercise whose slots hold kEstante in
// order; each opening offers the products not yet in the list, line 0 selected.
struct Caso {
  const char* nombre;
  std::vector<Accion> pupilo;
  int seleccionado;   // the chooser's answer to the last action
  const char* lista;  // the list's names afterwards
  int pitidos = 0;
};

class Elecciones : public PruebaVentana, public ::testing::WithParamInterface<Caso> {};

TEST_P(Elecciones, LoQueHaceElPupiloDecideElProductoAnadido) {
  Abrir(true);
  for (const Accion& accion : GetParam().pupilo) Elegir(*ventana_, accion);
  // After its close box the chooser is gone, with nothing chosen.
  const Elegidor* elegidor = ElegidorDe(*ventana_);
  EXPECT_EQ(elegidor ? elegidor->Seleccionado() : -1, GetParam().seleccionado);
  EXPECT_EQ(Nombres(*ventana_).join(u' '), QString::fromUtf8(GetParam().lista));
  EXPECT_EQ(pitidos_, GetParam().pitidos);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Elegidor, Elecciones, ::testing::Values(
  Caso{"Intro", {Linea(0)}, 0, "pan:"},
  // An access key clicks its button a moment after the key, when the chooser may be open by then.
  Caso{"ClicRetrasadoBajoElElegidor", {[](QWidget& v) {
    for (const char* boton : {"nuevoEjercicio", "corregir"})
      v.parentWidget()->findChild<QAbstractButton*>(boton)->click();
    Linea(0)(v);
  }}, 0, "pan:"},
  Caso{"DobleClicEnLaCuartaLinea", {[](QWidget& v) {
    Lista(v)->scrollToItem(Lista(v)->item(3));
    const QPoint centro = Lista(v)->visualItemRect(Lista(v)->item(3)).center();
    QTest::mouseDClick(Lista(v)->viewport(), Qt::LeftButton, Qt::NoModifier, centro);
  }}, 3, "plátanos:"},
  Caso{"Escape", {[](QWidget& v) { PulsarTecla(v, Qt::Key_Escape); }}, -1, ""},
  Caso{"CajaDeCierreTrasUnaEleccion", {Linea(2), [](QWidget& v) { v.close(); }}, -1, "huevos:"},
  Caso{"SinLineaElegidaIntroPita", {[](QWidget& v) {
    PulsarTecla(v, Qt::Key_Space, Qt::ControlModifier);  // takes the selection off line 0
    PulsarTecla(v, Qt::Key_Return);
    EXPECT_TRUE(v.isVisible());
    PulsarTecla(v, Qt::Key_Escape);
  }}, -1, "", 1}),
  NombreDelCaso<Caso>);
// clang-format on

using VentanaTecladoPrueba = PruebaVentana;

// Two windows with the same three products listed, by the chooser in one and by the core in the
// other: Delete on a row's price box in the first does what a click on its name does in the
// second, for the middle row, a row left empty (a beep) and the first. The chooser then offers
// the products taken off again, each in its slot's place.
TEST_F(VentanaTecladoPrueba, SuprEnElPrecioEsUnClicEnElNombreYLoQuitadoSeVuelveAOfrecer) {
  Abrir(true);
  const std::unique_ptr<VentanaPractica> clic = std::move(ventana_);
  for (int hueco = 0; hueco < 3; ++hueco) clic->sesion().AgregarDelEstante(hueco);
  Abrir(true);
  for (int i = 0; i < 3; ++i) Elegir(*ventana_, Linea(0));
  EXPECT_EQ(Control("precioFila2")->accessibleDescription(),
            QCoreApplication::translate("VentanaTeclado",
                                        "Supr quita de la lista el producto de esta fila"));
  // Under X the Applications key also brings the focused box a request for its context menu; a
  // right click on the instructions box brings none either. A window alone cannot switch to the
  // other one.
  QContextMenuEvent tecla(QContextMenuEvent::Keyboard, {}, {}),
      raton(QContextMenuEvent::Mouse, {}, {});
  QApplication::sendEvent(ventana_->focusWidget(), &tecla);
  QApplication::sendEvent(static_cast<QTextEdit*>(Control("instrucciones"))->viewport(), &raton);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_FALSE(ventana_->findChild<QAction*>("otraVersion")->isEnabled());
  QSignalSpy pitidos(ventana_.get(), &VentanaPractica::pitido);
  for (const int fila : {1, 2, 0}) {
    Control(Nombrado("precioFila", fila))->setFocus();
    PulsarTecla(*ventana_, Qt::Key_Delete);
    QTest::mouseClick(clic->findChild<QWidget*>(Nombrado("nombreFila", fila)), Qt::LeftButton);
    EXPECT_EQ(Nombres(*ventana_), Nombres(*clic)) << fila;
  }
  EXPECT_EQ(pitidos.count(), 1);  // for the empty row
  Elegir(*ventana_, Linea(1));
  QStringList lineas;
  for (int i = 0; i < Lista(*ElegidorDe(*ventana_))->count(); ++i)
    lineas << Lista(*ElegidorDe(*ventana_))->item(i)->text();
  EXPECT_EQ(lineas,
            QStringList({"pan: 0,85", "leche: 1,5", "plátanos: 3,2", "queso: 7,45", "aceite: 5"}));
  EXPECT_EQ(Nombres(*ventana_), QStringList({"huevos:", "leche:"}));
}

// The program on both windows with fakes. The option marks cross
// each switch of window, both ways; leaving the keyboard window after using the chooser ends the
// program, chooser and all.
TEST_F(VentanaTecladoPrueba, LasMarcasPasanDeUnaVentanaALaOtraYElProgramaAcabaAlSalir) {
  Programa programa{FabricaVentanas{
      [this] { return std::make_unique<VentanaRaton>(carpeta_.Ruta(), Falsas(1)); },
      [this] { return std::make_unique<VentanaTeclado>(carpeta_.Ruta(), Falsas(1)); }}};
  // The window a switch leaves is deleted once the switch's handler has returned.
  const auto menu = [&programa](const char* item) {
    programa.Ventana()->findChild<QAction*>(item)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  };
  ASSERT_TRUE(programa.Iniciar());
  // One option switched, then the window: the window now open, then the marks of "&Valores
  // enteros" and "&Mostrar resultado correcto".
  for (const auto& [opcion, estado] : {std::pair{"valoresEnteros", "ventanaTeclado 1 1"},
                                       {"mostrarResultado", "ventanaRaton 1 0"},
                                       {"valoresEnteros", "ventanaTeclado 0 0"}}) {
    menu(opcion);
    menu("otraVersion");
    QString ahora = programa.Ventana()->objectName();
    for (const char* item : {"valoresEnteros", "mostrarResultado"})
      ahora += programa.Ventana()->findChild<QAction*>(item)->isChecked() ? " 1" : " 0";
    EXPECT_EQ(ahora, QLatin1String(estado));
  }

  Elegir(*programa.Ventana(), Linea(0));
  QPointer<Elegidor> elegidor = ElegidorDe(*programa.Ventana());
  ASSERT_NE(elegidor, nullptr);
  QSignalSpy terminado(&programa, &Programa::terminado);
  QPointer<VentanaPractica> ventana = programa.Ventana();
  ventana->findChild<QAction*>("salir")->trigger();
  EXPECT_TRUE(ventana->sonido().Cerrado());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(ventana.isNull());
  EXPECT_EQ(terminado, QList<QList<QVariant>>({{0}}));
  EXPECT_EQ(elegidor, nullptr);  // gone with its window
}

}  // namespace
}  // namespace tiendal::prueba
