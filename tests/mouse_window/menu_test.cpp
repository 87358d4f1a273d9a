#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSignalSpy>

#include "tests/mouse_window/entorno.h"

namespace tiendal {
namespace {

class MenuTest : public ::testing::Test {
 protected:
  void Abrir(int tipo = 1) { prueba_ = AbrirForm1(carpeta_.Ruta(), tipo); }
  QAction* Item(const char* nombre) {
    auto* item = prueba_.ventana->findChild<QAction*>(QLatin1String(nombre));
    EXPECT_NE(item, nullptr) << nombre;
    return item;
  }
  const Practica& P() { return prueba_.ventana->sesion().practica(); }

  CarpetaPrograma carpeta_;
  VentanaDePrueba prueba_;
};

TEST_F(MenuTest, OptionsMenuHasItsFiveItemsInOrder) {
  Abrir();
  auto* menu = prueba_.ventana->findChild<QMenu*>(QStringLiteral("MnuOpc"));
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->title(), QStringLiteral("&Opciones"));
  QStringList items;
  for (QAction* item : menu->actions()) items.append(item->objectName() + u'=' + item->text());
  EXPECT_EQ(items, (QStringList{QStringLiteral("MnuOpcVal=&Valores enteros"),
                                QStringLiteral("MnuOpcMos=&Mostrar resultado correcto"),
                                QStringLiteral("MnuOpcVer=&Versión para sólo teclado"),
                                QStringLiteral("MnuOpcAyu=&Ayuda"),
                                QStringLiteral("MnuOpcSal=&Salir Alt-F4")}));
  EXPECT_EQ(Item("MnuOpcAyu")->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(MenuTest, WithoutSettingsFileOnlyShowCorrectResultIsChecked) {
  Abrir();
  EXPECT_FALSE(Item("MnuOpcVal")->isChecked());
  EXPECT_TRUE(Item("MnuOpcMos")->isChecked());
  EXPECT_FALSE(carpeta_.HayIni());
}

TEST_F(MenuTest, SettingsFileSetsTheCheckMarksAtLoad) {
  carpeta_.EscribirIni("1\r\n0\r\n");
  Abrir();
  EXPECT_TRUE(Item("MnuOpcVal")->isChecked());
  EXPECT_FALSE(Item("MnuOpcMos")->isChecked());
  EXPECT_TRUE(P().ValoresEnteros);
}

TEST_F(MenuTest, WholeValuesToggleSavesAndStartsANewExercise) {
  Abrir();
  prueba_.azar->Ejercicio(2);
  Item("MnuOpcVal")->trigger();
  EXPECT_TRUE(Item("MnuOpcVal")->isChecked());
  EXPECT_TRUE(P().ValoresEnteros);
  EXPECT_EQ(carpeta_.LeerIni(), QByteArray(" 1 \r\n 1 \r\n"));
  EXPECT_EQ(P().TipoEjercicio, 2);
  EXPECT_EQ(prueba_.reproductor->abiertos.last(), QStringLiteral("tipo2.wav"));
}

TEST_F(MenuTest, ShowResultToggledTwiceEndsCheckedAndRewritesTheFile) {
  Abrir();
  Item("MnuOpcMos")->trigger();
  EXPECT_FALSE(Item("MnuOpcMos")->isChecked());
  EXPECT_EQ(carpeta_.LeerIni(), QByteArray(" 0 \r\n 0 \r\n"));
  Item("MnuOpcMos")->trigger();
  EXPECT_TRUE(Item("MnuOpcMos")->isChecked());
  EXPECT_EQ(carpeta_.LeerIni(), QByteArray(" 0 \r\n 1 \r\n"));
  EXPECT_EQ(prueba_.reproductor->abiertos.size(), 3);
}

TEST_F(MenuTest, HelpShowsFiveParagraphsJoinedByCrLf) {
  Abrir();
  Contestador contestador;
  Item("MnuOpcAyu")->trigger();
  ASSERT_EQ(contestador.cajas.size(), 1u);
  EXPECT_EQ(contestador.cajas[0].texto,
            QStringLiteral(
                "Use el ratón para ir agregando los productos necesarios a la lista. \r\n"
                "A continuación realice las operaciones matemáticas necesarias e introduzca el "
                "resultado.\r\n"
                "Pulse el botón corregir para comprobar si el resultado es correcto, y el botón "
                "Nuevo ejercicio para comenzar otra actividad.\r\n"
                "Pulsando f2 puede escuchar las cifras de la columna seleccionada en el cuadro del "
                "resultado, y pulsando F3 escuchará los productos disponibles.\r\n"
                "Si desea utilizar sólo el teclado, elija la opción correspondiente en el menú de "
                "opciones."));
  EXPECT_EQ(contestador.cajas[0].titulo, QStringLiteral("Tiendal"));
  EXPECT_EQ(contestador.cajas[0].icono, QMessageBox::NoIcon);
  EXPECT_EQ(contestador.cajas[0].formato, Qt::PlainText);
  EXPECT_EQ(contestador.cajas[0].botones, 1);
}

TEST_F(MenuTest, VersionSwitchWaitsForTheProgramAndAsksForIt) {
  Abrir();
  EXPECT_FALSE(Item("MnuOpcVer")->isEnabled());
  prueba_.ventana->PermitirCambioDeVersion(true);
  QSignalSpy pedidos(prueba_.ventana.get(), &VentanaPractica::cambioDeVersionPedido);
  Item("MnuOpcVer")->trigger();
  EXPECT_EQ(pedidos.count(), 1);
}

TEST_F(MenuTest, ExitClosesTheWindowStopsItsSoundAndDeletesIt) {
  Abrir();
  QPointer<Form1> ventana = prueba_.ventana.release();
  QSignalSpy cerradas(ventana.data(), &VentanaPractica::cerrada);
  ventana->findChild<QAction*>(QStringLiteral("MnuOpcSal"))->trigger();
  EXPECT_EQ(cerradas.count(), 1);
  EXPECT_FALSE(ventana->isVisible());
  EXPECT_TRUE(ventana->sonido().Cerrado());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(ventana.isNull());
}

TEST_F(MenuTest, CloseBoxDoesWhatExitDoes) {
  Abrir();
  QPointer<Form1> ventana = prueba_.ventana.release();
  QSignalSpy cerradas(ventana.data(), &VentanaPractica::cerrada);
  ventana->close();
  EXPECT_EQ(cerradas.count(), 1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(ventana.isNull());
  EXPECT_FALSE(carpeta_.HayIni());
}

}  // namespace
}  // namespace tiendal
