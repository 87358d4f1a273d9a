#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

#include "mouse_window/twips.h"
#include "tests/mouse_window/entorno.h"

namespace tiendal {
namespace {

const QColor kAmarillo(255, 255, 0);

class Form1Test : public ::testing::Test {
 protected:
  void Abrir(int tipo, std::vector<int> productos = {0, 1, 2, 3, 4, 5}) {
    prueba_ = AbrirForm1(carpeta_.Ruta(), tipo, std::move(productos));
  }
  Form1& Ventana() { return *prueba_.ventana; }
  const Practica& P() { return Ventana().sesion().practica(); }
  template <typename T = QWidget>
  T* Control(const QString& nombre) {
    T* control = Hijo<T>(Ventana(), nombre);
    EXPECT_NE(control, nullptr) << nombre.toStdString();
    return control;
  }
  QString Indexado(const char* nombre, int i) { return QLatin1String(nombre) + QString::number(i); }
  QString DeHueco(const char* nombre, int hueco) {
    return QLatin1String(nombre) + u'_' + QString::number(hueco);
  }
  // A click on the frame of a slot, to the left of its centred picture.
  void PulsarMarco(int hueco) {
    QTest::mouseClick(Control(DeHueco("Picture1", hueco)), Qt::LeftButton, {}, QPoint(4, 20));
  }
  void PulsarTexto(int hueco) {
    QTest::mouseClick(Control(DeHueco("Text1", hueco)), Qt::LeftButton);
  }
  void PulsarNombre(int fila) {
    QTest::mouseClick(Control(Indexado("LBNombre", fila)), Qt::LeftButton, {}, QPoint(3, 3));
  }
  QColor ColorMarco(int hueco) {
    return Control(DeHueco("Picture1", hueco))->palette().color(QPalette::Window);
  }
  QColor ColorVentana() { return Ventana().palette().color(QPalette::Window); }

  CarpetaPrograma carpeta_;
  VentanaDePrueba prueba_;
};

TEST_F(Form1Test, WindowHasItsCaptionAndClientArea) {
  Abrir(1);
  EXPECT_EQ(Ventana().windowTitle(), QStringLiteral("Tiendal"));
  EXPECT_EQ(Ventana().centralWidget()->size(), QSize(792, 520));
  EXPECT_DOUBLE_EQ(Ventana().font().pointSizeF(), 9.75);
}

struct Posicion {
  const char* control;
  int izquierda, arriba, ancho, alto;
};

class Form1PosicionTest : public Form1Test, public ::testing::WithParamInterface<Posicion> {};

// Type 3 keeps two rows, as designed for row 0 and the result row's left.
TEST_P(Form1PosicionTest, ControlStandsAtItsDesignedPlace) {
  Abrir(3);
  const Posicion& p = GetParam();
  EXPECT_EQ(Control(QString::fromLatin1(p.control))->geometry(),
            RectTwips(p.izquierda, p.arriba, p.ancho, p.alto));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Diseno, Form1PosicionTest, ::testing::Values(
    Posicion{"Text2", 0, 0, 10000, 720},
    Posicion{"LBNombre0", 3000, 1100, 2000, 495},
    Posicion{"TBPrecio0", 5000, 1100, 2000, 495},
    Posicion{"LBNombre1", 3000, 1600, 2000, 495},
    Posicion{"TBPrecio1", 5000, 1600, 2000, 495},
    Posicion{"LBResultado", 3000, 2100, 2000, 495},
    Posicion{"TBResultado", 5000, 2100, 2000, 495},
    Posicion{"CBCorregir", 500, 7300, 4000, 500},
    Posicion{"CBNuevo", 5500, 7300, 4000, 500},
    Posicion{"Picture1_0", 10000, 0, 2000, 1300},
    Posicion{"Picture1_3", 10000, 3900, 2000, 1300},
    Posicion{"Picture1_5", 10000, 6500, 2000, 1300},
    Posicion{"Text1_2", 0, 940, 2000, 360}));
// clang-format on

TEST_F(Form1Test, ControlsHaveTheirKindFontAndAlignment) {
  Abrir(1);
  auto* text2 = Control<QTextEdit>(QStringLiteral("Text2"));
  EXPECT_TRUE(text2->isReadOnly());
  EXPECT_EQ(text2->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
  for (int fila = 0; fila < 3; ++fila) {
    auto* precio = Control<QLineEdit>(Indexado("TBPrecio", fila));
    EXPECT_TRUE(precio->isReadOnly());
    EXPECT_TRUE(precio->alignment() & Qt::AlignRight);
    EXPECT_TRUE(precio->font().bold());
    EXPECT_DOUBLE_EQ(precio->font().pointSizeF(), 14.25);
    EXPECT_TRUE(QFontInfo(precio->font()).fixedPitch());
    EXPECT_EQ(precio->contextMenuPolicy(), Qt::NoContextMenu);
  }
  auto* resultado = Control<QLineEdit>(QStringLiteral("TBResultado"));
  EXPECT_FALSE(resultado->isReadOnly());
  EXPECT_TRUE(resultado->alignment() & Qt::AlignRight);
  EXPECT_EQ(resultado->contextMenuPolicy(), Qt::NoContextMenu);
  EXPECT_EQ(Control<QLabel>(QStringLiteral("LBResultado"))->text(), QStringLiteral("="));
  EXPECT_EQ(Control<QPushButton>(QStringLiteral("CBCorregir"))->text(),
            QStringLiteral("&Corregir"));
  EXPECT_EQ(Control<QPushButton>(QStringLiteral("CBNuevo"))->text(),
            QStringLiteral("&Nuevo ejercicio"));
}

TEST_F(Form1Test, FirstExerciseIsInPlaceBeforeTheWindowShows) {
  Abrir(1);
  EXPECT_EQ(Control<QTextEdit>(QStringLiteral("Text2"))->toPlainText(),
            QStringLiteral("Elige tres productos y calcula cuánto cuestan en total"));
  for (int hueco = 0; hueco < kHuecos; ++hueco) {
    EXPECT_TRUE(Control<QLineEdit>(DeHueco("Text1", hueco))
                    ->text()
                    .startsWith(P().NombreDeHueco(hueco) + QStringLiteral("  ")));
    EXPECT_TRUE(Control(DeHueco("Image1", hueco))->isVisible());
  }
  EXPECT_EQ(prueba_.reproductor->abiertos, QStringList{QStringLiteral("tipo1.wav")});
}

struct CambioDeTipo {
  int desde, hasta;
};

class Form1FilasTest : public Form1Test, public ::testing::WithParamInterface<CambioDeTipo> {};

TEST_P(Form1FilasTest, RowsAndResultRowFollowTheNewType) {
  const auto [desde, hasta] = GetParam();
  Abrir(desde);
  prueba_.azar->Ejercicio(hasta);
  QTest::mouseClick(Control(QStringLiteral("CBNuevo")), Qt::LeftButton);

  const int filas = P().MaxFilas;
  ASSERT_EQ(Ventana().ContarFilas(), filas);
  for (int fila = 0; fila < filas; ++fila) {
    EXPECT_EQ(Control(Indexado("LBNombre", fila))->geometry(),
              RectTwips(3000, 1100 + 500 * fila, 2000, 495));
    EXPECT_EQ(Control(Indexado("TBPrecio", fila))->geometry(),
              RectTwips(5000, 1100 + 500 * fila, 2000, 495));
    EXPECT_TRUE(Control(Indexado("TBPrecio", fila))->isVisible());
  }
  for (int fila = filas; fila < 6; ++fila) {
    EXPECT_EQ(Hijo<QWidget>(Ventana(), Indexado("LBNombre", fila)), nullptr);
    EXPECT_EQ(Hijo<QWidget>(Ventana(), Indexado("TBPrecio", fila)), nullptr);
  }
  EXPECT_EQ(Control(QStringLiteral("LBResultado"))->y(), Pixeles(1100 + 500 * filas));
  EXPECT_EQ(Control(QStringLiteral("TBResultado"))->y(), Pixeles(1100 + 500 * filas));
  EXPECT_EQ(Control<QLineEdit>(Indexado("TBPrecio", 1))->font(),
            Control<QLineEdit>(Indexado("TBPrecio", 0))->font());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tipos, Form1FilasTest, ::testing::Values(
    CambioDeTipo{5, 1}, CambioDeTipo{2, 5}, CambioDeTipo{5, 3}, CambioDeTipo{1, 4},
    CambioDeTipo{4, 5}, CambioDeTipo{5, 5}));
// clang-format on

TEST_F(Form1Test, ClickOnFrameOrTextLineAddsTheProduct) {
  Abrir(1);
  PulsarMarco(2);
  PulsarTexto(4);
  EXPECT_EQ(P().NumFilas, 2);
  EXPECT_EQ(Ventana().Nombre(0), P().NombreDeHueco(2) + u':');
  EXPECT_EQ(Ventana().Nombre(1), P().NombreDeHueco(4) + u':');
  EXPECT_EQ(QApplication::focusWidget(), Control(Indexado("TBPrecio", 1)));
}

TEST_F(Form1Test, ClickOnThePictureItselfDoesNothing) {
  Abrir(1);
  QWidget* imagen = Control(DeHueco("Image1", 1));
  QTest::mouseClick(imagen, Qt::LeftButton, {}, imagen->rect().center());
  EXPECT_EQ(P().NumFilas, 0);
  EXPECT_EQ(ColorMarco(1), ColorVentana());
}

TEST_F(Form1Test, ProductInTheListHighlightsItsFrameUntilRemoved) {
  Abrir(1);
  PulsarMarco(3);
  EXPECT_EQ(ColorMarco(3), kAmarillo);
  EXPECT_EQ(ColorMarco(2), ColorVentana());
  PulsarNombre(0);
  EXPECT_EQ(P().NumFilas, 0);
  EXPECT_EQ(ColorMarco(3), ColorVentana());
  EXPECT_EQ(Ventana().Nombre(0), QString());
  EXPECT_EQ(Ventana().Precio(0), QStringLiteral("0"));
}

TEST_F(Form1Test, NewExerciseClearsHighlightsListAndResult) {
  Abrir(1);
  PulsarMarco(0);
  PulsarTexto(5);
  QTest::keyClicks(Control(QStringLiteral("TBResultado")), QStringLiteral("12"));
  prueba_.azar->Ejercicio(1);
  QTest::mouseClick(Control(QStringLiteral("CBNuevo")), Qt::LeftButton);
  for (int hueco = 0; hueco < kHuecos; ++hueco) EXPECT_EQ(ColorMarco(hueco), ColorVentana());
  EXPECT_EQ(Ventana().Resultado(), QString());
  EXPECT_EQ(P().NumFilas, 0);
}

TEST_F(Form1Test, ClickOnAnEmptyRowBeeps) {
  Abrir(1);
  QSignalSpy pitidos(&Ventana(), &VentanaPractica::pitido);
  PulsarNombre(1);
  EXPECT_EQ(pitidos.count(), 1);
}

TEST_F(Form1Test, RefusalIsAPlainMessageBoxTitledTiendal) {
  Abrir(1);
  PulsarMarco(1);
  Contestador contestador;
  PulsarTexto(1);
  ASSERT_EQ(contestador.cajas.size(), 1u);
  const Contestador::Caja& caja = contestador.cajas[0];
  EXPECT_EQ(caja.titulo, QStringLiteral("Tiendal"));
  EXPECT_EQ(caja.texto,
            QStringLiteral("Sólo se puede añadir una unidad de cada producto a la lista"));
  EXPECT_EQ(caja.icono, QMessageBox::NoIcon);
  EXPECT_EQ(caja.formato, Qt::PlainText);
  EXPECT_EQ(caja.botones, 1);
  EXPECT_EQ(P().NumFilas, 1);
}

TEST_F(Form1Test, TypedRightAnswerIsApplauded) {
  Abrir(1);
  for (int hueco : {0, 1, 2}) PulsarMarco(hueco);
  const float total = P().PrecioDeHueco(0) + P().PrecioDeHueco(1) + P().PrecioDeHueco(2);
  const QString texto = QString::number(total, 'f', 2).replace(u'.', u',');
  QTest::keyClicks(Control(QStringLiteral("TBResultado")), texto);
  Contestador contestador;
  QTest::mouseClick(Control(QStringLiteral("CBCorregir")), Qt::LeftButton);
  ASSERT_EQ(contestador.cajas.size(), 1u);
  EXPECT_TRUE(contestador.cajas[0].texto.startsWith(QStringLiteral("Respuesta correcta: ")));
  EXPECT_EQ(prueba_.reproductor->abiertos.last(), QStringLiteral("Aplauso.wav"));
  EXPECT_EQ(Ventana().Resultado(), texto);
}

// Focus order as the exercise leaves it: the shelf first, the buttons, then Text2, the rows,
// the result box.
TEST_F(Form1Test, TabOrderFollowsTheExercise) {
  Abrir(2);
  prueba_.azar->Ejercicio(5);
  QTest::mouseClick(Control(QStringLiteral("CBNuevo")), Qt::LeftButton);
  QStringList orden;
  QWidget* control = Control(QStringLiteral("Picture1_0"));
  for (int i = 0; i < 500; ++i) {
    if (control->isVisible() && (control->focusPolicy() & Qt::TabFocus)) {
      orden.append(control->objectName());
    }
    control = control->nextInFocusChain();
    if (control->objectName() == QLatin1String("Picture1_0")) break;
  }
  QStringList esperado;
  for (int hueco = 0; hueco < kHuecos; ++hueco)
    esperado << DeHueco("Picture1", hueco) << DeHueco("Text1", hueco);
  esperado << QStringLiteral("CBCorregir") << QStringLiteral("CBNuevo") << QStringLiteral("Text2");
  for (int fila = 0; fila < 6; ++fila) esperado << Indexado("TBPrecio", fila);
  esperado << QStringLiteral("TBResultado");
  EXPECT_EQ(orden, esperado);
}

TEST_F(Form1Test, TwoWindowsKeepTheirOwnState) {
  CarpetaPrograma otraCarpeta;
  Abrir(1);
  VentanaDePrueba otra = AbrirForm1(otraCarpeta.Ruta(), 4);
  QTest::mouseClick(Hijo<QWidget>(*otra.ventana, QStringLiteral("Picture1_0")), Qt::LeftButton, {},
                    QPoint(4, 20));
  otra.ventana->findChild<QAction*>(QStringLiteral("MnuOpcMos"))->trigger();

  EXPECT_EQ(P().TipoEjercicio, 1);
  EXPECT_EQ(P().NumFilas, 0);
  EXPECT_TRUE(P().MostrarResultado);
  EXPECT_TRUE(Ventana().findChild<QAction*>(QStringLiteral("MnuOpcMos"))->isChecked());
  EXPECT_EQ(ColorMarco(0), ColorVentana());
  EXPECT_EQ(prueba_.reproductor->abiertos, QStringList{QStringLiteral("tipo1.wav")});
  EXPECT_FALSE(carpeta_.HayIni());
  EXPECT_TRUE(otraCarpeta.HayIni());
  EXPECT_FALSE(otra.ventana->sesion().practica().MostrarResultado);
}

}  // namespace
}  // namespace tiendal
