// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mouse_window/form1.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

#include "core/aleatorio.h"
#include "keyboard_window/form2.h"
#include "tests/comun/arranque.h"
#include "tests/comun/azar_guion.h"
#include "tests/comun/carpeta.h"
#include "tests/comun/imprimir.h"
#include "tests/comun/reproductor_falso.h"
#include "window_base/twips.h"

namespace tiendal {
namespace {

constexpr int kProductos = 8;

// A window on a folder, the keyboard one when `teclado`, with its fakes kept at hand.
struct VentanaDePrueba {
  std::unique_ptr<VentanaPractica> ventana;
  ReproductorFalso* reproductor = nullptr;
  AleatorioGuion* azar = nullptr;
};

VentanaDePrueba AbrirVentana(const QString& carpeta, int tipo, bool teclado = false) {
  auto reproductor = std::make_unique<ReproductorFalso>();
  auto azar = std::make_unique<AleatorioGuion>();
  // Past the script, the draws step through the eighths so that a shelf can be chosen.
  azar->despues = [n = 0]() mutable { return ((n++ % kProductos) + 0.5) / kProductos; };
  azar->Ejercicio(tipo, {0, 1, 2, 3, 4, 5}, kProductos);
  VentanaDePrueba prueba{nullptr, reproductor.get(), azar.get()};
  Piezas piezas{std::move(reproductor), std::move(azar)};
  if (teclado) {
    prueba.ventana = std::make_unique<Form2>(carpeta, std::move(piezas));
  } else {
    prueba.ventana = std::make_unique<Form1>(carpeta, std::move(piezas));
  }
  if (const auto fallo = prueba.ventana->Cargar()) qFatal("%s", qPrintable(*fallo));
  prueba.ventana->show();
  QApplication::setActiveWindow(prueba.ventana.get());
  if (!QTest::qWaitForWindowActive(prueba.ventana.get())) qFatal("la ventana no se activa");
  return prueba;
}

class Form1Test : public ::testing::Test {
 protected:
  Form1Test() { carpeta_.Llenar(); }
  void Abrir(int tipo) { prueba_ = AbrirVentana(carpeta_.Ruta(), tipo, teclado_); }
  VentanaPractica& Ventana() { return *prueba_.ventana; }
  const Practica& P() { return Ventana().sesion().practica(); }
  QWidget* Control(const QString& nombre) {
    auto* control = Ventana().findChild<QWidget*>(nombre);
    EXPECT_NE(control, nullptr) << nombre.toStdString();
    return control;
  }
  QWidget* Enfocar(const QString& nombre) {
    QWidget* control = Control(nombre);
    control->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), control);
    return control;
  }
  QAction* Item(const char* nombre) { return Ventana().findChild<QAction*>(nombre); }
  void Pulsar(const QString& nombre, QPoint punto = QPoint(4, 20)) {
    QTest::mouseClick(Control(nombre), Qt::LeftButton, {}, punto);
  }

  bool teclado_ = false;
  Carpeta carpeta_;
  VentanaDePrueba prueba_;
};

// What both windows do alike, run on each: the parameter is "the keyboard window".
class Ventanas : public Form1Test, public ::testing::WithParamInterface<bool> {
 protected:
  Ventanas() { teclado_ = GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(Form1YForm2, Ventanas, ::testing::Bool(),
                         [](const auto& caso) { return caso.param ? "Form2" : "Form1"; });

// The frame (beside its picture) and the text line add a product; the picture itself does
// nothing; a name label takes its product back off, an empty row only beeps, and a second
// unit is refused.
TEST_F(Form1Test, ClicksOnShelfAndRowsChangeTheListAndItsHighlights) {
  Abrir(1);
  QSignalSpy pitidos(&Ventana(), &VentanaPractica::pitido);
  Pulsar(QStringLiteral("Picture1_2"));
  Pulsar(QStringLiteral("Text1_4"), QPoint(3, 3));
  EXPECT_EQ(QApplication::focusWidget(), Control(QStringLiteral("TBPrecio1")));
  Pulsar(QStringLiteral("Image1_1"), Control(QStringLiteral("Image1_1"))->rect().center());
  ASSERT_EQ(P().NumFilas, 2);
  EXPECT_EQ(Ventana().Nombre(0), P().NombreDeHueco(2) + u':');
  EXPECT_EQ(Ventana().Nombre(1), P().NombreDeHueco(4) + u':');
  EXPECT_EQ(Incoherencias(Ventana()), QStringList());  // the highlights among the rest

  Pulsar(QStringLiteral("LBNombre0"), QPoint(3, 3));
  EXPECT_EQ(P().NumFilas, 1);
  EXPECT_EQ(Incoherencias(Ventana()), QStringList());
  Pulsar(QStringLiteral("LBNombre2"), QPoint(3, 3));
  EXPECT_EQ(pitidos.count(), 1);
  Contestador contestador;
  Pulsar(QStringLiteral("Text1_4"), QPoint(3, 3));
  EXPECT_EQ(contestador.Textos(),
            QStringList{"Sólo se puede añadir una unidad de cada producto a la lista"});
  EXPECT_EQ(P().NumFilas, 1);
}

// A right answer is applauded; a new exercise then clears the list, the result and the
// highlights.
TEST_P(Ventanas, TypedAnswerIsCorrectedAndNewExerciseClearsEverything) {
  Abrir(1);
  for (int hueco : {0, 1, 2}) Ventana().sesion().AgregarDelEstante(hueco);
  const float total = P().PrecioDeHueco(0) + P().PrecioDeHueco(1) + P().PrecioDeHueco(2);
  const QString texto = QString::number(total, 'f', 2).replace(u'.', u',');
  QTest::keyClicks(Control(QStringLiteral("TBResultado")), texto);
  {
    Contestador contestador;
    Pulsar(QStringLiteral("CBCorregir"));
    ASSERT_EQ(contestador.cajas.size(), 1u);
    EXPECT_TRUE(contestador.cajas[0].texto.startsWith(QStringLiteral("Respuesta correcta: ")));
  }
  EXPECT_EQ(prueba_.reproductor->abiertos.last(), QStringLiteral("Aplauso.wav"));

  prueba_.azar->Ejercicio(1, {0, 1, 2, 3, 4, 5}, kProductos);
  Pulsar(QStringLiteral("CBNuevo"));
  EXPECT_EQ(P().NumFilas, 0);
  EXPECT_EQ(Ventana().Resultado(), QString());
  EXPECT_EQ(Incoherencias(Ventana()), QStringList());
}

// A new exercise of another type: its rows, then the result row, where the layout puts them.
TEST_P(Ventanas, RowsAndResultRowFollowTheNewType) {
  for (const auto& [desde, hacia] : {std::pair{5, 1}, {2, 5}, {5, 3}, {1, 4}, {5, 5}}) {
    Abrir(desde);
    prueba_.azar->Ejercicio(hacia, {0, 1, 2, 3, 4, 5}, kProductos);
    Pulsar(QStringLiteral("CBNuevo"));
    const int filas = P().MaxFilas;
    ASSERT_EQ(Ventana().ContarFilas(), filas);
    for (int fila = 0; fila < filas; ++fila) {
      EXPECT_EQ(Control(Nombrado("LBNombre", fila))->geometry(),
                RectTwips(3000, 1100 + 500 * fila, 2000, 495));
      EXPECT_EQ(Control(Nombrado("TBPrecio", fila))->geometry(),
                RectTwips(5000, 1100 + 500 * fila, 2000, 495));
    }
    EXPECT_EQ(Ventana().findChild<QWidget*>(Nombrado("TBPrecio", filas)), nullptr);
    EXPECT_EQ(Control(QStringLiteral("TBResultado"))->geometry(),
              RectTwips(5000, 1100 + 500 * filas, 2000, 495));
  }
}

TEST_P(Ventanas, HelpComesFromTheMenuAndFromF1) {
  Abrir(1);
  Contestador contestador;
  QTest::keyClick(Enfocar(QStringLiteral("TBResultado")), Qt::Key_F1);
  Item("MnuOpcAyu")->trigger();
  const QString ayuda = teclado_
      ? QStringLiteral(
            "Pulse la tecla aplicaciones para ir agregando los productos necesarios a la "
            "lista. \r\nA continuación realice las operaciones matemáticas necesarias e "
            "introduzca el resultado.\r\nPulse el botón corregir para comprobar si el "
            "resultado es correcto, y el botón Nuevo ejercicio para comenzar otra "
            "actividad.\r\nPulsando f2 puede escuchar las cifras de la columna seleccionada "
            "en el cuadro del resultado, y pulsando F3 escuchará los productos disponibles.")
      : QStringLiteral("Use el ratón para ir agregando");
  ASSERT_EQ(contestador.cajas.size(), 2u);
  for (const auto& caja : contestador.cajas) EXPECT_TRUE(caja.texto.startsWith(ayuda));
  EXPECT_EQ(teclado_, contestador.cajas[0].texto == ayuda);
}

// F2 reads the result column and types nothing; F3 reads the shelf and Ctrl stops the sound,
// once per press, whatever control has the focus.
TEST_P(Ventanas, F2F3AndCtrlActOnceWhereverTheFocusIs) {
  Abrir(1);
  QWidget* resultado = Enfocar(QStringLiteral("TBResultado"));
  QTest::keyClicks(resultado, QStringLiteral("12,5"));
  QTest::keyClick(resultado, Qt::Key_F2);
  EXPECT_EQ(Ventana().Resultado(), QStringLiteral("12,5"));
  EXPECT_EQ(prueba_.reproductor->abiertos.mid(1), (QStringList{"0.wav", "0.wav", "0.wav", "igual.wav", "5.wav"}));
  QStringList estante{QStringLiteral("lista.wav")};
  for (int hueco = 0; hueco < kHuecos; ++hueco)
    estante.append(P().ImagenDeHueco(hueco).chopped(3) + QStringLiteral("wav"));
  int detenciones = prueba_.reproductor->detenciones;
  for (const char* nombre :
       {"TBResultado", "TBPrecio0", "Text2", "CBNuevo", "Text1_3", "Picture1_0"}) {
    if (Ventana().findChild<QWidget*>(QLatin1String(nombre)) == nullptr) continue;
    QWidget* control = Enfocar(QLatin1String(nombre));
    prueba_.reproductor->abiertos.clear();
    QTest::keyClick(control, Qt::Key_F3);
    EXPECT_EQ(prueba_.reproductor->abiertos, estante) << nombre;
    QTest::keyClick(control, Qt::Key_Control);
    EXPECT_EQ(prueba_.reproductor->detenciones, ++detenciones) << nombre;
  }
}

// The window closed while a reading waits for its sound: the reading ends, and the window goes
// only once the key handler that started it has returned.
TEST_P(Ventanas, ClosingDuringAReadingDeletesTheWindowAfterwards) {
  Abrir(1);
  QWidget* resultado = Enfocar(QStringLiteral("TBResultado"));
  prueba_.reproductor->sinFin = QStringLiteral("*");
  QPointer<VentanaPractica> ventana = prueba_.ventana.release();
  bool vivaTrasCerrar = false;
  QTimer::singleShot(0, [&] {
    ventana->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    vivaTrasCerrar = !ventana.isNull();
  });
  QTest::keyClick(resultado, Qt::Key_F3);
  EXPECT_TRUE(vivaTrasCerrar);
  EXPECT_EQ(prueba_.reproductor->abiertos, (QStringList{"tipo1.wav", "lista.wav"}));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(ventana.isNull());
}

// The shelf's pictures hold the window's picture store: it is still there while they go.
TEST_F(Form1Test, ThePictureStoreOutlivesTheShelf) {
  Abrir(1);
  AlmacenFotos& fotos = static_cast<Form1&>(Ventana()).fotos();
  const QString ruta = carpeta_.Ruta(QStringLiteral("imágenes/pan.jpg"));
  bool tomada = false;
  QObject::connect(Control(QStringLiteral("Image1_0")), &QObject::destroyed, [&] {
    const CabeceraFoto cabecera = LeerCabeceraFoto(ruta);
    fotos.Encargar(ruta, cabecera, QSize(9, 6));
    tomada = !fotos.Tomar(ruta, cabecera, QSize(9, 6)).isNull();
  });
  prueba_.ventana.reset();
  EXPECT_TRUE(tomada);
}

// Two windows on two folders: what one does, the other neither shows nor saves.
TEST_P(Ventanas, TwoWindowsKeepTheirOwnState) {
  Carpeta otraCarpeta;
  otraCarpeta.Llenar();
  Abrir(1);
  VentanaDePrueba otra = AbrirVentana(otraCarpeta.Ruta(), 4, teclado_);
  otra.ventana->sesion().AgregarDelEstante(0);
  otra.ventana->findChild<QAction*>(QStringLiteral("MnuOpcMos"))->trigger();
  EXPECT_EQ(P().TipoEjercicio, 1);
  EXPECT_EQ(P().NumFilas, 0);
  EXPECT_EQ(Incoherencias(Ventana()), QStringList());
  EXPECT_TRUE(Item("MnuOpcMos")->isChecked());
  EXPECT_EQ(prueba_.reproductor->abiertos, QStringList{"tipo1.wav"});
  EXPECT_EQ(carpeta_.Leer(QStringLiteral("Tiendal.ini")), QByteArray());
  EXPECT_EQ(otraCarpeta.Leer(QStringLiteral("Tiendal.ini")), QByteArray(" 0 \r\n 0 \r\n"));
}

}  // namespace
}  // namespace tiendal
