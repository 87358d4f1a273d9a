// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mouse_window/ventana_raton.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "record/lectura_registro.h"
#include "tests/comun/ventana_prueba.h"
#include "window_base/twips.h"

namespace tiendal {
namespace {

using VentanaRatonPrueba = PruebaVentana;

// What both windows do alike, run on each: the parameter is "the keyboard window".
class Ventanas : public PruebaVentana, public ::testing::WithParamInterface<bool> {};

INSTANTIATE_TEST_SUITE_P(LasDos, Ventanas, ::testing::Bool(), [](const auto& caso) {
  return caso.param ? "VentanaTeclado" : "VentanaRaton";
});

// The frame (beside its picture) and the text line add a product and light its frame; the
// picture itself, the right button and a press let go elsewhere do nothing; a name label takes its
// product back off. The shelf's pictures hold the window's picture store: it is still there while
// they go.
TEST_F(VentanaRatonPrueba, ClicksOnShelfAndRowsAndThePictureStoreOutlivingTheShelf) {
  Abrir(false);
  QTest::mouseClick(Control("marcoHueco2"), Qt::LeftButton, {}, QPoint(4, 20));
  QTest::mouseClick(Control("textoHueco4"), Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), Control("precioFila1"));
  QTest::mouseClick(Control("imagenHueco1"), Qt::LeftButton);
  // Neither a right click nor a press let go off the control is a click.
  for (const char* nombre : {"marcoHueco3", "textoHueco5", "nombreFila0"}) {
    if (nombre[0] != 't') QTest::mouseClick(Control(nombre), Qt::RightButton);
    QTest::mousePress(Control(nombre), Qt::LeftButton);
    QTest::mouseRelease(Control(nombre), Qt::LeftButton, {}, QPoint(-1, -1));
  }
  EXPECT_EQ(Nombres(*ventana_), (QStringList{"huevos:", "queso:"}));
  ventana_->hide();  // as when minimised and brought back
  ventana_->show();
  EXPECT_EQ(Incoherencias(*ventana_), QStringList());  // the highlights among the rest
  QTest::mouseClick(Control("nombreFila0"), Qt::LeftButton);
  EXPECT_EQ(Nombres(*ventana_), QStringList{"queso:"});
  EXPECT_EQ(Incoherencias(*ventana_), QStringList());

  AlmacenFotos& fotos = static_cast<VentanaRaton&>(*ventana_).fotos();
  const QString ruta = carpeta_.Ruta(QStringLiteral("imágenes/pan.jpg"));
  bool tomada = false;
  QObject::connect(Control("imagenHueco0"), &QObject::destroyed, [&] {
    const CabeceraFoto cabecera = LeerCabeceraFoto(ruta);
    fotos.Encargar(ruta, cabecera, QSize(9, 6));
    tomada = !fotos.Tomar(ruta, cabecera, QSize(9, 6)).isNull();
  });
  ventana_.reset();
  EXPECT_TRUE(tomada);
}

// A right answer typed and corrected is applauded. A new exercise, of more rows, as many, fewer
// or another type, then shows its own rows, empty, with the result box just below the last.
TEST_P(Ventanas, CorrectAnswerAndNewExercisesOfOtherTypes) {
  Abrir(GetParam());
  for (int hueco : {0, 1, 2}) ventana_->sesion().AgregarDelEstante(hueco);
  QTest::keyClicks(Control("resultado"), "4,35");
  QTest::mouseClick(Control("corregir"), Qt::LeftButton);
  ASSERT_EQ(contestador_.cajas.size(), 1u);
  EXPECT_TRUE(contestador_.cajas[0].startsWith(
      QCoreApplication::translate("Sesion", "Respuesta correcta: %1").arg(QString())));
  EXPECT_EQ(reproductor_->abiertos.last(), QStringLiteral("Aplauso.wav"));
  registroCsv_->Esperar();
  const auto anotadas = LeerRegistros({registro_.path()}).anotaciones;
  ASSERT_EQ(anotadas.size(), 1u);
  EXPECT_EQ(QStringList({anotadas[0].ventana, anotadas[0].productos, anotadas[0].tecleado}),
            QStringList({GetParam() ? kTeclado : kRaton,
                         QStringLiteral("pan 0,85; leche 1,5; huevos 2"), "4,35"}));

  const int paso = Control("precioFila1")->y() - Control("precioFila0")->y();
  EXPECT_EQ(Control("precioFila0")->size(), Control("resultado")->size());  // laid out as designed
  for (int tipo : {5, 5, 3, 1, 2, 4}) {
    Guion(tipo);
    QTest::mouseClick(Control("nuevoEjercicio"), Qt::LeftButton);
    EXPECT_EQ(ventana_->Resultado(), QString());
    EXPECT_EQ(Incoherencias(*ventana_), QStringList());  // exactly its rows, as the type says
    const int ultima = Control(Nombrado("precioFila", ventana_->ContarFilas() - 1))->y();
    EXPECT_NEAR(Control("resultado")->y(), ultima + paso, 1);  // give or take a pixel
    // Rows that do not exist read empty.
    EXPECT_EQ(ventana_->Nombre(-1) + ventana_->Precio(ventana_->ContarFilas()), QString());
  }
}

// F2 reads the result column (where the selection starts, when there is one) and types nothing; F3
// reads the shelf and Ctrl stops the sound, once per press, whatever control has the focus; F1 and
// the menu give the window's own help (told by its opening words).
TEST_P(Ventanas, KeysActOnceWhereverTheFocusIs) {
  Abrir(GetParam());
  QWidget* resultado = Enfocar("resultado");
  QTest::keyClicks(resultado, "12,5");
  QTest::keyClick(resultado, Qt::Key_F2);
  EXPECT_EQ(ventana_->Resultado(), QStringLiteral("12,5"));
  EXPECT_EQ(reproductor_->abiertos.mid(1),
            (QStringList{"0.wav", "0.wav", "0.wav", "igual.wav", "5.wav"}));
  static_cast<QLineEdit*>(resultado)->setSelection(1, 2);  // "2,": read where it starts
  QTest::keyClick(resultado, Qt::Key_F2);
  EXPECT_EQ(reproductor_->abiertos.last(), QStringLiteral("1.wav"));
  EXPECT_EQ(ventana_->Resultado(), QStringLiteral("12,5"));
  QStringList estante{QStringLiteral("lista.wav")};
  for (const QString& producto : kEstante) estante << producto + QStringLiteral(".wav");
  int detenciones = reproductor_->detenciones;
  for (const char* nombre : {"resultado", "precioFila0", "instrucciones", "nuevoEjercicio",
                             "textoHueco3", "marcoHueco0"}) {
    if (ventana_->findChild<QWidget*>(nombre) == nullptr) continue;
    QWidget* control = Enfocar(nombre);
    reproductor_->abiertos.clear();
    QTest::keyClick(control, Qt::Key_F3);
    EXPECT_EQ(reproductor_->abiertos, estante) << nombre;
    QTest::keyClick(control, Qt::Key_Control);
    EXPECT_EQ(reproductor_->detenciones, ++detenciones) << nombre;
  }

  // The keyboard window's instructions box has no caret, yet shows when it has the focus.
  if (GetParam()) {
    const QImage sinFoco = Control("instrucciones")->grab().toImage();
    EXPECT_NE(Enfocar("instrucciones")->grab().toImage(), sinFoco);
  }

  QTest::keyClick(Enfocar("resultado"), Qt::Key_F1);
  ventana_->findChild<QAction*>("ayuda")->trigger();
  ASSERT_EQ(contestador_.cajas.size(), 2u);
  for (const auto& caja : contestador_.cajas)
    EXPECT_TRUE(caja.startsWith(QCoreApplication::translate(
        "Ayuda", GetParam()
                     ? "Pulse la tecla aplicaciones para ir agregando los productos "
                       "necesarios a la lista. "
                     : "Use el ratón para ir agregando los productos necesarios a la lista. ")));
}

// The window closed while a reading waits for its sound: the reading ends, and the window goes
// only once the key handler that started it has returned.
TEST_P(Ventanas, ClosingDuringAReadingDeletesTheWindowAfterwards) {
  Abrir(GetParam());
  QWidget* resultado = Enfocar("resultado");
  reproductor_->sinFin = "*";
  QPointer<VentanaPractica> ventana = ventana_.release();
  bool vivaTrasCerrar = false;
  QTimer::singleShot(0, [&] {
    ventana->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    vivaTrasCerrar = !ventana.isNull();
  });
  QTest::keyClick(resultado, Qt::Key_F3);
  EXPECT_TRUE(vivaTrasCerrar);
  EXPECT_EQ(reproductor_->abiertos, (QStringList{"tipo1.wav", "lista.wav"}));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(ventana.isNull());
}

}  // namespace
}  // namespace tiendal

using namespace Qt::Literals::StringLiterals;

namespace tiendal {
namespace {

QPushButton* TeclaDelPad(QWidget& ventana, QChar c) {
  const QString texto = c == u'<'   ? QStringLiteral("⌫")
                        : c == u'!' ? QCoreApplication::translate("Ventana", "Borrar todo")
                                    : QString(c);
  for (auto* boton : ventana.findChild<QWidget*>("tecladoNumerico")->findChildren<QPushButton*>())
    if (boton->text() == texto) return boton;
  return nullptr;
}

// F11: the whole content alike, scaled to the screen beside the number pad (the offscreen screen
// is smaller, so it shrinks) and centred. Each pad string gives the result box what the same keys
// give it ('<' erase, '!' clear, as Ctrl+A and erase), at the caret, and the pad never takes
// the focus. Escape brings the window back as designed.
TEST_P(Ventanas, PantallaCompletaYTecladoNumerico) {
  Abrir(GetParam());
  const double antes = Escala();
  const QSize boton = Control("corregir")->size();
  PulsarTecla(*ventana_, Qt::Key_F11);
  ASSERT_TRUE(ventana_->EnPantallaCompleta());
  const double escala = Escala() / antes;
  EXPECT_LT(escala, 1.0);
  EXPECT_NEAR(Control("corregir")->width(), boton.width() * escala, 1.0);
  EXPECT_NEAR(Control("lienzo")->font().pointSizeF(), 9.75 * Escala(), 0.01);
  const QRect lienzo = Control("lienzo")->geometry(), pad = Control("tecladoNumerico")->geometry();
  EXPECT_NEAR(lienzo.left(), ventana_->centralWidget()->width() - pad.right() - 1, 1);

  auto* caja = static_cast<QLineEdit*>(Control("resultado"));
  for (const auto& [inicial, caret, teclas] :
       {std::tuple{"", 0, "12,5"}, {"7,35", 2, "9<<0"}, {"7,35", 4, "<<<<<3"}, {"123", 1, "!4,"}}) {
    QStringList finales;
    for (const bool conPad : {true, false}) {
      caja->setText(QString::fromUtf8(inicial));
      caja->setCursorPosition(caret);
      caja->setFocus();
      for (const QChar c : QString::fromUtf8(teclas)) {
        if (conPad) {
          QTest::mouseClick(TeclaDelPad(*ventana_, c), Qt::LeftButton);
        } else if (c == u'!') {
          PulsarTecla(*ventana_, Qt::Key_A, Qt::ControlModifier);
          PulsarTecla(*ventana_, Qt::Key_Backspace);
        } else {
          QTest::keyClicks(caja, c == u'<' ? QStringLiteral("\b") : QString(c));
        }
      }
      finales << caja->text() + u'|' + QString::number(caja->cursorPosition());
      EXPECT_EQ(QApplication::focusWidget(), caja);
    }
    EXPECT_EQ(finales[0], finales[1]) << teclas;
  }
  // Asked for, Tab reaches the pad, whose keys then type into the box last focused.
  ventana_->findChild<QAction*>("tecladoConTab")->trigger();
  QPushButton* siete = TeclaDelPad(*ventana_, u'7');
  EXPECT_EQ(siete->focusPolicy(), Qt::TabFocus);
  caja->clear();
  siete->setFocus();
  QTest::mouseClick(siete, Qt::LeftButton);
  EXPECT_EQ(caja->text(), u"7"_s);
  // A tap is a click.
  const QPoint centro = siete->mapTo(ventana_.get(), siete->rect().center());
  static QPointingDevice* const dedo = QTest::createTouchDevice();
  QTest::touchEvent(ventana_.get(), dedo).press(0, centro);
  QTest::touchEvent(ventana_.get(), dedo).release(0, centro);
  EXPECT_EQ(caja->text(), u"77"_s);
  PulsarTecla(*ventana_, Qt::Key_Escape);
  EXPECT_FALSE(ventana_->EnPantallaCompleta());
  EXPECT_EQ(Control("corregir")->size(), boton);
  EXPECT_FALSE(Control("tecladoNumerico")->isVisible());
}

// On a whiteboard every type is solved with clicks alone: on the shelf's frames, on the pad for
// the figure that the first check shows, and on "Corregir".
TEST_F(VentanaRatonPrueba, CadaTipoSeResuelveConClicsEnLaPizarra) {
  for (int tipo = 1; tipo <= 5; ++tipo) {
    Abrir(false, tipo);
    ventana_->PonerPantallaCompleta(true);
    const Practica& p = ventana_->sesion().practica();
    std::vector<int> baratos = {0, 1, 2, 3, 4, 5};
    std::sort(baratos.begin(), baratos.end(),
              [&p](int a, int b) { return p.PrecioDeHueco(a) < p.PrecioDeHueco(b); });
    const std::vector<int> huecos = tipo == 1   ? std::vector{0, 1, 2}
                                    : tipo == 3 ? std::vector{baratos.back(), baratos.front()}
                                                : std::vector{baratos.front()};
    const auto clic = [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); };
    for (int h : huecos) clic(Control(Nombrado("marcoHueco", h)));
    clic(Control("corregir"));
    // The first verdict's only figure: the number of products, or what the sum should give.
    const QString primera = contestador_.cajas.value(0);
    const QString cifra = QRegularExpression(u"-?[0-9]+(,[0-9]+)?"_s).match(primera).captured();
    if (tipo == 5) {
      const int n = cifra.toInt();
      for (int i = 1; i < n; ++i) clic(Control(Nombrado("marcoHueco", baratos[i])));
    } else {
      for (const QChar c : cifra) clic(TeclaDelPad(*ventana_, c));
    }
    clic(Control("corregir"));
    const auto texto = [](const char* fuente) {
      return QCoreApplication::translate("Sesion", fuente);
    };
    EXPECT_TRUE(contestador_.cajas.value(1).startsWith(
        tipo == 5 ? texto("el número de productos añadidos a la lista es correcto. ") + u"\r\n"_s +
                        texto("Ha elegido correctamente los productos, tiene suficiente dinero "
                              "para comprarlos. ")
                  : texto("Respuesta correcta: %1").arg(QString())))
        << tipo << " " << contestador_.cajas.join(u'/').toStdString();
    ventana_->PonerPantallaCompleta(false);
    ventana_.reset();
    contestador_.cajas.clear();
  }
}

}  // namespace
}  // namespace tiendal
