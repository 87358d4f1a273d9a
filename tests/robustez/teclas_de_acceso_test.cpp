// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Found by the storm: an access key clicks its button 100 ms after it is pressed (Qt animates
// the press), so Alt+N followed at once by the Applications key started a new exercise under
// the open chooser, whose lines then named the products of the old shelf; Enter added whatever
// the new shelf held in that slot. The window takes no input while a modal step is open.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "arranque.h"
#include "carpeta.h"
#include "keyboard_window/form2.h"

namespace tiendal::robustez {
namespace {

TEST(TeclasDeAcceso, UnClicRetrasadoNoCambiaElEjercicioBajoElElegidor) {
  Carpeta carpeta;
  std::vector<Producto> productos = ProductosDeEjemplo();
  productos.push_back({QStringLiteral("piña"), "2.5"});
  productos.push_back({QStringLiteral("miel"), "6.1"});
  carpeta.Llenar(productos);
  const auto arranque = Arrancar(carpeta.Ruta());
  ASSERT_TRUE(arranque->iniciado);
  arranque->Ventana()->findChild<QAction*>(QStringLiteral("MnuOpcVer"))->trigger();
  Vaciar();
  auto* form2 = qobject_cast<Form2*>(arranque->Ventana());
  ASSERT_NE(form2, nullptr);
  const Practica& p = form2->sesion().practica();

  for (int vez = 0; vez < 5; ++vez) {
    SCOPED_TRACE(vez);
    form2->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form2));
    QWidget* foco = QApplication::focusWidget() ? QApplication::focusWidget() : form2;
    QStringList lineas;
    std::array<int, kHuecos> estanteAlAbrir{};
    std::array<int, kHuecos> estanteAlAceptar{};
    QStringList mensajes;  // a type 3 exercise may refuse the product
    bool abierto = false;
    QTimer vigia;
    vigia.setInterval(1);
    QObject::connect(&vigia, &QTimer::timeout, [&] {
      QWidget* elegidor = QApplication::activeModalWidget();
      if (elegidor == nullptr || !elegidor->isVisible()) return;
      if (auto* caja = qobject_cast<QMessageBox*>(elegidor)) {
        mensajes << caja->text();
        caja->buttons().first()->click();
        return;
      }
      if (abierto) return;
      abierto = true;
      auto* lista = elegidor->findChild<QListWidget*>(QStringLiteral("List1"));
      estanteAlAbrir = p.ProductoHueco;
      QTest::qWait(250);  // the pupil reads the lines; the access key's click comes due
      estanteAlAceptar = p.ProductoHueco;
      for (int i = 0; lista != nullptr && i < lista->count(); ++i) lineas << lista->item(i)->text();
      QTest::keyClick(lista != nullptr ? static_cast<QWidget*>(lista) : elegidor, Qt::Key_Return);
      if (elegidor->isVisible()) elegidor->hide();
    });
    vigia.start();
    QTest::keyClick(foco, Qt::Key_N, Qt::AltModifier);
    QTest::keyClick(foco, Qt::Key_Menu);
    ASSERT_TRUE(QTest::qWaitFor([&] { return abierto; }, 2000)) << "the chooser did not open";
    QTest::qWait(250);
    vigia.stop();

    EXPECT_EQ(estanteAlAceptar, estanteAlAbrir);
    ASSERT_FALSE(lineas.isEmpty());
    const int fila = p.PrimeraFilaProducto();
    if (mensajes.isEmpty()) {
      ASSERT_NE(p.HuecoFila[fila], kVacio) << "nothing was added";
      EXPECT_EQ(p.NombreDeHueco(p.HuecoFila[fila]) + QStringLiteral(": "),
                lineas.front().section(QStringLiteral(": "), 0, 0) + QStringLiteral(": "));
    } else {
      EXPECT_EQ(p.HuecoFila[fila], kVacio) << mensajes.join(u'|').toStdString();
    }
    QTest::mouseClick(form2->findChild<QWidget*>(QStringLiteral("CBNuevo")), Qt::LeftButton);
  }
}

}  // namespace
}  // namespace tiendal::robustez
