#include "mouse_window/teclas.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "tests/mouse_window/entorno.h"

namespace tiendal {
namespace {

struct Traduccion {
  Qt::Key tecla;
  int codigo;
};

class CodigoTeclaTest : public ::testing::TestWithParam<Traduccion> {};

TEST_P(CodigoTeclaTest, QtKeyBecomesItsVirtualCode) {
  EXPECT_EQ(CodigoTecla(GetParam().tecla), GetParam().codigo);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Teclas, CodigoTeclaTest, ::testing::Values(
    Traduccion{Qt::Key_F2, 113}, Traduccion{Qt::Key_F3, 114}, Traduccion{Qt::Key_Control, 17},
    Traduccion{Qt::Key_Menu, 93}, Traduccion{Qt::Key_F1, 0}, Traduccion{Qt::Key_A, 0},
    Traduccion{Qt::Key_Shift, 0}, Traduccion{Qt::Key_Return, 0}));
// clang-format on

class TeclasTest : public ::testing::Test {
 protected:
  void SetUp() override { prueba_ = AbrirForm1(carpeta_.Ruta(), 1); }
  Form1& Ventana() { return *prueba_.ventana; }
  QWidget* Enfocar(const char* nombre) {
    QWidget* control = Hijo<QWidget>(Ventana(), QLatin1String(nombre));
    control->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), control);
    return control;
  }
  void Pulsar(Qt::Key tecla, Qt::KeyboardModifiers modificadores = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), tecla, modificadores);
  }
  QStringList SonidosTrasElTipo() const { return prueba_.reproductor->abiertos.mid(1); }
  QStringList SonidosDelEstante() const {
    QStringList sonidos{QStringLiteral("lista.wav")};
    const Practica& p = prueba_.ventana->sesion().practica();
    for (int hueco = 0; hueco < kHuecos; ++hueco) {
      sonidos.append(p.ImagenDeHueco(hueco).chopped(3) + QStringLiteral("wav"));
    }
    return sonidos;
  }

  CarpetaPrograma carpeta_;
  VentanaDePrueba prueba_;
};

TEST_F(TeclasTest, F2ReadsTheColumnOnceAndTypesNothing) {
  auto* resultado = static_cast<QLineEdit*>(Enfocar("TBResultado"));
  QTest::keyClicks(resultado, QStringLiteral("12,5"));
  Pulsar(Qt::Key_F2);
  EXPECT_EQ(resultado->text(), QStringLiteral("12,5"));
  EXPECT_EQ(SonidosTrasElTipo(),
            (QStringList{QStringLiteral("0.wav"), QStringLiteral("0.wav"), QStringLiteral("0.wav"),
                         QStringLiteral("igual.wav"), QStringLiteral("5.wav")}));
}

TEST_F(TeclasTest, F2TakesTheColumnLeftOfTheCaret) {
  auto* resultado = static_cast<QLineEdit*>(Enfocar("TBResultado"));
  QTest::keyClicks(resultado, QStringLiteral("12,5"));
  resultado->setCursorPosition(3);
  Pulsar(Qt::Key_F2, Qt::ShiftModifier);
  EXPECT_EQ(SonidosTrasElTipo().last(), QStringLiteral("coma.wav"));
  EXPECT_EQ(SonidosTrasElTipo().size(), 5);
}

TEST_F(TeclasTest, F2WithTextSelectedTakesTheStartOfTheSelection) {
  auto* resultado = static_cast<QLineEdit*>(Enfocar("TBResultado"));
  QTest::keyClicks(resultado, QStringLiteral("12,5"));
  resultado->setSelection(1, 3);  // "2,5", the caret after it; the "1" stands left of it
  Pulsar(Qt::Key_F2);
  EXPECT_EQ(SonidosTrasElTipo().last(), QStringLiteral("1.wav"));
}

class TeclasFocoTest : public TeclasTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(TeclasFocoTest, F3ReadsTheShelfOnceWhereverTheFocusIs) {
  Enfocar(GetParam());
  Pulsar(Qt::Key_F3);
  EXPECT_EQ(SonidosTrasElTipo(), SonidosDelEstante());
}

TEST_P(TeclasFocoTest, CtrlStopsTheSoundOnce) {
  Enfocar(GetParam());
  Pulsar(Qt::Key_Control);
  EXPECT_EQ(prueba_.reproductor->detenciones, 1);
  EXPECT_TRUE(Ventana().sesion().practica().DetenerLectura);
}

INSTANTIATE_TEST_SUITE_P(Controles, TeclasFocoTest,
                         ::testing::Values("TBResultado", "TBPrecio0", "Text2", "CBNuevo",
                                           "Text1_3", "Picture1_0"));

TEST_F(TeclasTest, OtherKeysPlayNothing) {
  Enfocar("TBResultado");
  for (Qt::Key tecla : {Qt::Key_F4, Qt::Key_A, Qt::Key_Menu, Qt::Key_Return, Qt::Key_Shift}) {
    Pulsar(tecla);
  }
  EXPECT_EQ(SonidosTrasElTipo(), QStringList());
  EXPECT_EQ(prueba_.reproductor->detenciones, 0);
}

TEST_F(TeclasTest, F1OpensTheHelpBox) {
  Enfocar("TBResultado");
  Contestador contestador;
  Pulsar(Qt::Key_F1);
  ASSERT_EQ(contestador.cajas.size(), 1u);
  EXPECT_EQ(contestador.cajas[0].texto, Form1::TextoAyuda());
  EXPECT_EQ(contestador.cajas[0].titulo, QStringLiteral("Tiendal"));
}

// Ctrl during the product reading stops it after the product that was playing.
TEST_F(TeclasTest, CtrlDuringTheProductReadingEndsIt) {
  Enfocar("TBResultado");
  prueba_.reproductor->sinFin = true;
  int pasos = 0;
  QTimer reloj;
  QObject::connect(&reloj, &QTimer::timeout, [&] {
    ++pasos;
    if (pasos == 1) prueba_.reproductor->Detener();  // "lista.wav" ends
    if (pasos == 2) Pulsar(Qt::Key_Control);         // during the first product
  });
  reloj.start(1);
  Pulsar(Qt::Key_F3);
  reloj.stop();
  EXPECT_EQ(SonidosTrasElTipo(), SonidosDelEstante().mid(0, 2));
}

// The pupil closes the window while a reading waits for its sound: the reading ends, and the
// window goes only once the key handler that started it has returned.
TEST_F(TeclasTest, ClosingDuringAReadingEndsItAndDeletesTheWindowAfterwards) {
  Enfocar("TBResultado");
  prueba_.reproductor->sinFin = true;
  QPointer<Form1> ventana = prueba_.ventana.release();
  ReproductorGrabador* reproductor = prueba_.reproductor;
  bool vivaTrasCerrar = false;
  QTimer::singleShot(0, [&] {
    ventana->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    vivaTrasCerrar = !ventana.isNull();
    if (vivaTrasCerrar) {
      EXPECT_FALSE(reproductor->Ocupado());
    }
  });
  Pulsar(Qt::Key_F3);
  EXPECT_TRUE(vivaTrasCerrar);
  ASSERT_FALSE(ventana.isNull());
  EXPECT_EQ(reproductor->abiertos,
            (QStringList{QStringLiteral("tipo1.wav"), QStringLiteral("lista.wav")}));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(ventana.isNull());
}

}  // namespace
}  // namespace tiendal
