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
#include "tests/comun/arranque.h"
#include "tests/comun/azar_guion.h"
#include "tests/comun/carpeta.h"
#include "tests/comun/imprimir.h"
#include "tests/comun/reproductor_falso.h"
#include "window_base/twips.h"

namespace tiendal {
namespace {

constexpr int kProductos = 8;

// A Form1 on a folder with its fakes kept at hand.
struct VentanaDePrueba {
  std::unique_ptr<Form1> ventana;
  ReproductorFalso* reproductor = nullptr;
  AleatorioGuion* azar = nullptr;
};

VentanaDePrueba AbrirForm1(const QString& carpeta, int tipo) {
  auto reproductor = std::make_unique<ReproductorFalso>();
  auto azar = std::make_unique<AleatorioGuion>();
  // Past the script, the draws step through the eighths so that a shelf can be chosen.
  azar->despues = [n = 0]() mutable { return ((n++ % kProductos) + 0.5) / kProductos; };
  azar->Ejercicio(tipo, {0, 1, 2, 3, 4, 5}, kProductos);
  VentanaDePrueba prueba{nullptr, reproductor.get(), azar.get()};
  prueba.ventana =
      std::make_unique<Form1>(carpeta, Piezas{std::move(reproductor), std::move(azar)});
  if (const auto fallo = prueba.ventana->Cargar()) qFatal("%s", qPrintable(*fallo));
  prueba.ventana->show();
  QApplication::setActiveWindow(prueba.ventana.get());
  if (!QTest::qWaitForWindowActive(prueba.ventana.get())) qFatal("la ventana no se activa");
  return prueba;
}

class Form1Test : public ::testing::Test {
 protected:
  Form1Test() { carpeta_.Llenar(); }
  void Abrir(int tipo) { prueba_ = AbrirForm1(carpeta_.Ruta(), tipo); }
  Form1& Ventana() { return *prueba_.ventana; }
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
  bool Resaltado(int hueco) {
    return Control(Nombrado("Picture1_", hueco))->palette().color(QPalette::Window) ==
           QColor(255, 255, 0);
  }
  QStringList SonidosTrasElTipo() const { return prueba_.reproductor->abiertos.mid(1); }

  Carpeta carpeta_;
  VentanaDePrueba prueba_;
};

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
  EXPECT_EQ(Ventana().Nombre(1), P().NombreDeHueco(4) + u':');
  EXPECT_EQ((std::vector{Resaltado(1), Resaltado(2), Resaltado(4)}),
            (std::vector{false, true, true}));

  Pulsar(QStringLiteral("LBNombre0"), QPoint(3, 3));
  EXPECT_EQ(P().NumFilas, 1);
  EXPECT_FALSE(Resaltado(2));
  Pulsar(QStringLiteral("LBNombre2"), QPoint(3, 3));
  EXPECT_EQ(pitidos.count(), 1);
  Contestador contestador;
  Pulsar(QStringLiteral("Text1_4"), QPoint(3, 3));
  EXPECT_EQ(contestador.Textos(),
            QStringList{"Sólo se puede añadir una unidad de cada producto a la lista"});
  EXPECT_EQ(P().NumFilas, 1);
}

TEST_F(Form1Test, TypedAnswerIsCorrectedAndNewExerciseClearsEverything) {
  Abrir(1);
  for (int hueco : {0, 1, 2}) Pulsar(Nombrado("Picture1_", hueco));
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
  for (int hueco = 0; hueco < kHuecos; ++hueco) EXPECT_FALSE(Resaltado(hueco));
}

class Form1FilasTest : public Form1Test,
                       public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(Form1FilasTest, RowsAndResultRowFollowTheNewType) {
  Abrir(GetParam().first);
  prueba_.azar->Ejercicio(GetParam().second, {0, 1, 2, 3, 4, 5}, kProductos);
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

INSTANTIATE_TEST_SUITE_P(Tipos, Form1FilasTest,
                         ::testing::Values(std::pair{5, 1}, std::pair{2, 5}, std::pair{5, 3},
                                           std::pair{1, 4}, std::pair{5, 5}));

TEST_F(Form1Test, HelpComesFromTheMenuAndFromF1) {
  Abrir(1);
  Contestador contestador;
  QTest::keyClick(Enfocar(QStringLiteral("TBResultado")), Qt::Key_F1);
  Item("MnuOpcAyu")->trigger();
  ASSERT_EQ(contestador.cajas.size(), 2u);
  for (const auto& caja : contestador.cajas) {
    EXPECT_TRUE(caja.texto.startsWith(QStringLiteral("Use el ratón para ir agregando")));
  }
}

TEST_F(Form1Test, F2ReadsTheResultColumnOnceAndTypesNothing) {
  Abrir(1);
  QWidget* resultado = Enfocar(QStringLiteral("TBResultado"));
  QTest::keyClicks(resultado, QStringLiteral("12,5"));
  QTest::keyClick(resultado, Qt::Key_F2);
  EXPECT_EQ(Ventana().Resultado(), QStringLiteral("12,5"));
  EXPECT_EQ(SonidosTrasElTipo(), (QStringList{"0.wav", "0.wav", "0.wav", "igual.wav", "5.wav"}));
}

class Form1FocoTest : public Form1Test, public ::testing::WithParamInterface<const char*> {};

// F3 reads the shelf and Ctrl stops the sound, once per press, whatever control has the focus.
TEST_P(Form1FocoTest, F3AndCtrlActOnceWhereverTheFocusIs) {
  Abrir(1);
  QWidget* control = Enfocar(QLatin1String(GetParam()));
  QTest::keyClick(control, Qt::Key_F3);
  QStringList estante{QStringLiteral("lista.wav")};
  for (int hueco = 0; hueco < kHuecos; ++hueco)
    estante.append(P().ImagenDeHueco(hueco).chopped(3) + QStringLiteral("wav"));
  EXPECT_EQ(SonidosTrasElTipo(), estante);
  QTest::keyClick(control, Qt::Key_Control);
  EXPECT_EQ(prueba_.reproductor->detenciones, 1);
}

INSTANTIATE_TEST_SUITE_P(Controles, Form1FocoTest,
                         ::testing::Values("TBResultado", "TBPrecio0", "Text2", "CBNuevo",
                                           "Text1_3", "Picture1_0"));

// The window closed while a reading waits for its sound: the reading ends, and the window goes
// only once the key handler that started it has returned.
TEST_F(Form1Test, ClosingDuringAReadingDeletesTheWindowAfterwards) {
  Abrir(1);
  QWidget* resultado = Enfocar(QStringLiteral("TBResultado"));
  prueba_.reproductor->sinFin = QStringLiteral("*");
  QPointer<Form1> ventana = prueba_.ventana.release();
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
  AlmacenFotos& fotos = Ventana().fotos();
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

TEST_F(Form1Test, TwoWindowsKeepTheirOwnState) {
  Carpeta otraCarpeta;
  otraCarpeta.Llenar();
  Abrir(1);
  VentanaDePrueba otra = AbrirForm1(otraCarpeta.Ruta(), 4);
  QTest::mouseClick(otra.ventana->findChild<QWidget*>(QStringLiteral("Picture1_0")), Qt::LeftButton,
                    {}, QPoint(4, 20));
  otra.ventana->findChild<QAction*>(QStringLiteral("MnuOpcMos"))->trigger();
  EXPECT_EQ(P().TipoEjercicio, 1);
  EXPECT_EQ(P().NumFilas, 0);
  EXPECT_FALSE(Resaltado(0));
  EXPECT_TRUE(Item("MnuOpcMos")->isChecked());
  EXPECT_EQ(prueba_.reproductor->abiertos, QStringList{"tipo1.wav"});
  EXPECT_EQ(carpeta_.Leer(QStringLiteral("Tiendal.ini")), QByteArray());
  EXPECT_EQ(otraCarpeta.Leer(QStringLiteral("Tiendal.ini")), QByteArray(" 0 \r\n 0 \r\n"));
}

}  // namespace
}  // namespace tiendal
