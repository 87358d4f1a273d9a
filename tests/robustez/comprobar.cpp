#include "comprobar.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include "core/numeros.h"
#include "mouse_window/form1.h"

namespace tiendal::robustez {

void ComprobarVentanaEntera(VentanaPractica& ventana) {
  ASSERT_TRUE(ventana.isVisible());
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&ventana));
  const Practica& p = ventana.sesion().practica();
  ASSERT_GE(p.TipoEjercicio, 1);
  ASSERT_LE(p.TipoEjercicio, 5);

  const auto* text2 = ventana.findChild<QTextEdit*>(QStringLiteral("Text2"));
  ASSERT_NE(text2, nullptr);
  EXPECT_FALSE(text2->toPlainText().isEmpty());
  EXPECT_EQ(ventana.ContarFilas(), p.MaxFilas);
  for (int fila = 0; fila < p.MaxFilas; ++fila) {
    const auto* nombre = ventana.findChild<QLabel*>(QStringLiteral("LBNombre%1").arg(fila));
    const auto* precio = ventana.findChild<QLineEdit*>(QStringLiteral("TBPrecio%1").arg(fila));
    ASSERT_NE(nombre, nullptr) << fila;
    ASSERT_NE(precio, nullptr) << fila;
    EXPECT_TRUE(nombre->isVisible() && precio->isVisible()) << fila;
    EXPECT_FALSE(precio->text().isEmpty()) << fila;
  }
  if (qobject_cast<Form1*>(&ventana) != nullptr) {
    for (int hueco = 0; hueco < kHuecos; ++hueco) {
      const auto* texto = ventana.findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(hueco));
      ASSERT_NE(texto, nullptr) << hueco;
      EXPECT_TRUE(texto->isVisible()) << hueco;
      EXPECT_EQ(texto->text(), p.NombreDeHueco(hueco) + QStringLiteral("  ") +
                                   FormatoPrecio(p.PrecioDeHueco(hueco)));
    }
  }
  EXPECT_FALSE(ventana.grab().isNull());
}

void ComprobarParadaOrdenada(const Arranque& arranque, const QString& nombrado) {
  EXPECT_FALSE(arranque.iniciado);
  EXPECT_EQ(arranque.Ventana(), nullptr);
  EXPECT_EQ(VentanasVisibles(), 0);
  ASSERT_EQ(arranque.cajas.size(), 1u);
  const Contestador::Caja& caja = arranque.cajas.front();
  EXPECT_EQ(caja.titulo, QStringLiteral("Tiendal"));
  EXPECT_EQ(caja.icono, QMessageBox::NoIcon);
  EXPECT_EQ(caja.botones, 1);
  EXPECT_TRUE(caja.texto.contains(nombrado)) << caja.texto.toStdString();
}

int IndiceProducto(const Practica& practica, const QString& nombre) {
  return static_cast<int>(practica.Productos.indexOf(nombre));
}

int HuecoDe(const Practica& practica, const QString& nombre) {
  const int k = IndiceProducto(practica, nombre) + 1;
  for (int hueco = 0; hueco < kHuecos; ++hueco) {
    if (practica.ProductoHueco[hueco] == k) return hueco;
  }
  return -1;
}

}  // namespace tiendal::robustez
