#include "keyboard_window/form2.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest/QTest>
#include <ostream>
#include <vector>

#include "accesible.h"
#include "core/opciones.h"
#include "entorno.h"
#include "modal.h"

namespace tiendal::prueba {
namespace {

const QStringList kEstante = {QStringLiteral("pan"),    QStringLiteral("leche"),
                              QStringLiteral("huevos"), QStringLiteral("Plátanos"),
                              QStringLiteral("queso"),  QStringLiteral("aceite")};

template <typename T = QWidget>
T* Hijo(const QWidget& ventana, const QString& nombre) {
  return ventana.findChild<T*>(nombre);
}

QString Foco(const QWidget& ventana) {
  const QWidget* foco = ventana.focusWidget();
  return foco != nullptr ? foco->objectName() : QString();
}

std::vector<std::int16_t> Huecos(std::initializer_list<int> huecos) {
  return {huecos.begin(), huecos.end()};
}

class Form2Prueba : public ::testing::Test {
 protected:
  VentanaDePrueba Abrir(int tipo, const QStringList& estante = kEstante) {
    return AbrirForm2(carpeta_, elegidor_, tipo, estante);
  }

  CarpetaPrograma carpeta_;
  int pitidosElegidor_ = 0;
  Elegidor elegidor_{[this] { ++pitidosElegidor_; }};
  Contestador contestador_;
};

TEST_F(Form2Prueba, LaTeclaDeAplicacionesOfreceLosSeisEnOrdenDeHuecoYAnadeElElegido) {
  auto f = Abrir(1);
  Form2& ventana = *f.ventana;
  Elegir(ventana, contestador_, Linea(0));

  ASSERT_EQ(contestador_.lineas.size(), 1u);
  EXPECT_EQ(contestador_.lineas[0], QStringList({"pan: 0,85", "leche: 1,5", "huevos: 2",
                                                 "Plátanos: 3,2", "queso: 7,45", "aceite: 5"}));
  EXPECT_EQ(contestador_.marcada[0], 0);
  EXPECT_EQ(ventana.HuecoElegible(), Huecos({0, 1, 2, 3, 4, 5}));
  const Practica& p = ventana.sesion().practica();
  EXPECT_EQ(p.NumFilas, 1);
  EXPECT_EQ(p.HuecoFila[0], 0);
  EXPECT_EQ(ventana.Nombre(0), QStringLiteral("pan:"));
  EXPECT_EQ(ventana.Precio(0), QStringLiteral("0,85"));
  EXPECT_EQ(Foco(ventana), QStringLiteral("TBPrecio0"));

  Elegir(ventana, contestador_, Linea(2));
  ASSERT_EQ(contestador_.lineas.size(), 2u);
  EXPECT_EQ(contestador_.lineas[1],
            QStringList({"leche: 1,5", "huevos: 2", "Plátanos: 3,2", "queso: 7,45", "aceite: 5"}));
  EXPECT_EQ(contestador_.marcada[1], 0);
  EXPECT_EQ(ventana.HuecoElegible(), Huecos({1, 2, 3, 4, 5}));
  EXPECT_EQ(p.HuecoFila[1], 3);
  EXPECT_EQ(ventana.Nombre(1), QStringLiteral("Plátanos:"));
  EXPECT_EQ(Foco(ventana), QStringLiteral("TBPrecio1"));
  EXPECT_TRUE(contestador_.mensajes.isEmpty());
}

struct Renuncia {
  const char* nombre;
  std::function<void(QWidget&)> pupilo;
};

void PrintTo(const Renuncia& caso, std::ostream* os) { *os << caso.nombre; }

class Renuncias : public Form2Prueba, public ::testing::WithParamInterface<Renuncia> {};

TEST_P(Renuncias, CancelarElElegidorNoCambiaNada) {
  auto f = Abrir(1);
  Elegir(*f.ventana, contestador_, Linea(1));
  Elegir(*f.ventana, contestador_, GetParam().pupilo);
  const Practica& p = f.ventana->sesion().practica();
  EXPECT_EQ(p.NumFilas, 1);
  EXPECT_EQ(p.HuecoFila[1], kVacio);
  EXPECT_EQ(f.ventana->Nombre(1), QString());
  EXPECT_TRUE(contestador_.mensajes.isEmpty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Form2, Renuncias, ::testing::Values(
  Renuncia{"Escape", [](QWidget& v) { Tecla(v, Qt::Key_Escape); }},
  Renuncia{"AltC", [](QWidget& v) { Tecla(v, Qt::Key_C, Qt::AltModifier); }},
  Renuncia{"CajaDeCierre", [](QWidget& v) { v.close(); }}),
  [](const auto& caso) { return std::string(caso.param.nombre); });
// clang-format on

TEST_F(Form2Prueba, Tipo3RechazaPorElElegidorElQueNoEsElMasCaroNiElMasBarato) {
  // The dearest price is shared by slots 1 and 3; the cheapest is slot 0's.
  auto f = Abrir(3, {"pan", "queso", "leche", "jamón", "arroz", "huevos"});
  const Practica& p = f.ventana->sesion().practica();

  Elegir(*f.ventana, contestador_, Linea(2));  // leche
  EXPECT_EQ(contestador_.mensajes, QStringList({"Ese no es el producto más caro"}));
  EXPECT_EQ(p.NumFilas, 0);

  Elegir(*f.ventana, contestador_, Linea(3));  // jamón, as dear as queso
  EXPECT_EQ(p.NumFilas, 1);
  EXPECT_EQ(p.HuecoFila[0], 3);

  Elegir(*f.ventana, contestador_, Linea(2));  // leche again: not the cheapest
  EXPECT_EQ(contestador_.lineas.back(),
            QStringList({"pan: 0,85", "queso: 7,45", "leche: 1,5", "arroz: 1,2", "huevos: 2"}));
  EXPECT_EQ(contestador_.mensajes.last(), QStringLiteral("Ese no es el producto más barato"));
  EXPECT_EQ(p.NumFilas, 1);

  Elegir(*f.ventana, contestador_, Linea(0));  // pan
  EXPECT_EQ(p.NumFilas, 2);
  EXPECT_EQ(p.HuecoFila[1], 0);

  Elegir(*f.ventana, contestador_, Linea(0));  // queso, with the list full
  EXPECT_EQ(contestador_.mensajes.last(),
            QStringLiteral("No puede añadir más productos a la lista. Quite antes otro producto "
                           "para poder añadir ese."));
  EXPECT_EQ(contestador_.mensajes.size(), 3);
}

TEST_F(Form2Prueba, Tipo2OfreceLosOtrosCincoYRechazaConLaListaLlena) {
  auto f = Abrir(2);
  Elegir(*f.ventana, contestador_, Linea(4));  // queso, 7,45
  EXPECT_EQ(f.ventana->Precio(0), QStringLiteral("10,00"));
  EXPECT_EQ(f.ventana->Nombre(1), QStringLiteral("queso:"));

  Elegir(*f.ventana, contestador_, Linea(1));
  EXPECT_EQ(contestador_.lineas.back().size(), 5);
  EXPECT_EQ(f.ventana->HuecoElegible(), Huecos({0, 1, 2, 3, 5}));
  EXPECT_EQ(contestador_.mensajes,
            QStringList({"No puede añadir más productos a la lista. Quite antes otro producto "
                         "para poder añadir ese."}));
  EXPECT_EQ(f.ventana->sesion().practica().NumFilas, 2);
  EXPECT_EQ(f.ventana->Nombre(1), QStringLiteral("queso:"));
}

TEST_F(Form2Prueba, UnProductoQuitadoSeVuelveAOfrecerEnElSitioDeSuHueco) {
  auto f = Abrir(1);
  for (int i = 0; i < 3; ++i) Elegir(*f.ventana, contestador_, Linea(0));
  QTest::mouseClick(Hijo(*f.ventana, QStringLiteral("LBNombre1")), Qt::LeftButton);
  EXPECT_EQ(f.ventana->Nombre(1), QStringLiteral("huevos:"));
  EXPECT_EQ(f.ventana->Nombre(2), QString());

  Elegir(*f.ventana, contestador_, Linea(0));
  EXPECT_EQ(contestador_.lineas.back(),
            QStringList({"leche: 1,5", "Plátanos: 3,2", "queso: 7,45", "aceite: 5"}));
  EXPECT_EQ(f.ventana->HuecoElegible(), Huecos({1, 3, 4, 5}));
  EXPECT_EQ(f.ventana->Nombre(2), QStringLiteral("leche:"));
}

TEST_F(Form2Prueba, ConValoresEnterosEnElArchivoEmpiezaConPreciosEnterosYLaMarca) {
  carpeta_.EscribirIni(TextoOpciones({true, false}));
  auto f = Abrir(1);
  EXPECT_TRUE(Hijo<QAction>(*f.ventana, QStringLiteral("MnuOpcVal"))->isChecked());
  EXPECT_FALSE(Hijo<QAction>(*f.ventana, QStringLiteral("MnuOpcMos"))->isChecked());
  Elegir(*f.ventana, contestador_, [](QWidget& v) { Tecla(v, Qt::Key_Escape); });
  EXPECT_EQ(contestador_.lineas.back(), QStringList({"pan: 1", "leche: 1", "huevos: 2",
                                                     "Plátanos: 3", "queso: 7", "aceite: 5"}));
}

TEST_F(Form2Prueba, LaAyudaDiceSusCuatroParrafosALaLetra) {
  auto f = Abrir(1);
  Pulsar(*f.ventana, Qt::Key_F1);
  ASSERT_EQ(contestador_.mensajes.size(), 1);
  EXPECT_EQ(contestador_.mensajes[0],
            QStringLiteral(
                "Pulse la tecla aplicaciones para ir agregando los productos necesarios a la "
                "lista. \r\nA continuación realice las operaciones matemáticas necesarias e "
                "introduzca el resultado.\r\nPulse el botón corregir para comprobar si el "
                "resultado es correcto, y el botón Nuevo ejercicio para comenzar otra "
                "actividad.\r\nPulsando f2 puede escuchar las cifras de la columna seleccionada "
                "en el cuadro del resultado, y pulsando F3 escuchará los productos disponibles."));
  EXPECT_EQ(Hijo<QAction>(*f.ventana, QStringLiteral("MnuOpcVer"))->text(),
            QStringLiteral("&Versión para teclado y ratón"));
}

TEST_F(Form2Prueba, CtrlDuranteElSegundoProductoDeF3AcabaLaLectura) {
  auto f = Abrir(1);
  ReproductorFalso& reproductor = *f.reproductor;
  reproductor.abiertos.clear();
  reproductor.sinFin = {QStringLiteral("leche.wav")};
  Form2& ventana = *f.ventana;
  reproductor.alAbrir = [&ventana](const QString& nombre) {
    if (nombre == QStringLiteral("leche.wav")) {
      QTimer::singleShot(0, &ventana, [&ventana] { Pulsar(ventana, Qt::Key_Control); });
    }
  };
  Pulsar(ventana, Qt::Key_F3);
  EXPECT_EQ(reproductor.abiertos, QStringList({"lista.wav", "pan.wav", "leche.wav"}));
  EXPECT_FALSE(reproductor.Ocupado());
  EXPECT_TRUE(ventana.sesion().practica().DetenerLectura);
}

TEST_F(Form2Prueba, F3NoSeQuedaEsperandoSonidosQueAcabanAntesDeEmpezar) {
  auto f = Abrir(1);
  f.reproductor->abiertos.clear();
  Pulsar(*f.ventana, Qt::Key_F3);
  EXPECT_EQ(f.reproductor->abiertos, QStringList({"lista.wav", "pan.wav", "leche.wav", "huevos.wav",
                                                  "Plátanos.wav", "queso.wav", "aceite.wav"}));
}

TEST_F(Form2Prueba, ElElegidorSeAbreEnMedioDeUnaLecturaYEstaSigueDespues) {
  auto f = Abrir(1);
  ReproductorFalso& reproductor = *f.reproductor;
  reproductor.abiertos.clear();
  reproductor.sinFin = {QStringLiteral("huevos.wav")};
  Form2& ventana = *f.ventana;
  reproductor.alAbrir = [&](const QString& nombre) {
    if (nombre != QStringLiteral("huevos.wav")) return;
    QTimer::singleShot(0, &ventana, [&] {
      Elegir(ventana, contestador_, [&reproductor](QWidget& v) {
        Tecla(v, Qt::Key_Return);
        reproductor.Detener();  // the product's sound ends while the chooser is open
      });
    });
  };
  Pulsar(ventana, Qt::Key_F3);
  EXPECT_EQ(ventana.Nombre(0), QStringLiteral("pan:"));
  EXPECT_EQ(reproductor.abiertos.size(), 7);
  EXPECT_EQ(reproductor.abiertos.last(), QStringLiteral("aceite.wav"));
}

// Delete on a row's price box against a click on that row's name, in twin windows.
struct Supr {
  const char* nombre;
  int tipo;
  int productos;  // added from slot 0 on before the key
  int fila;
};

void PrintTo(const Supr& caso, std::ostream* os) { *os << caso.nombre; }

class Suprimir : public Form2Prueba, public ::testing::WithParamInterface<Supr> {};

TEST_P(Suprimir, SuprEnElPrecioDeUnaFilaHaceLoMismoQueUnClicEnSuNombre) {
  const Supr& caso = GetParam();
  auto tecla = Abrir(caso.tipo);
  auto clic = Abrir(caso.tipo);
  for (auto* f : {&tecla, &clic}) {
    for (int hueco = 0; hueco < caso.productos; ++hueco)
      f->ventana->sesion().AgregarProducto(hueco);
  }
  QSignalSpy pitidosTecla(tecla.ventana.get(), &VentanaPractica::pitido);
  QSignalSpy pitidosClic(clic.ventana.get(), &VentanaPractica::pitido);

  const QString fila = QString::number(caso.fila);
  Activar(*tecla.ventana);
  Hijo(*tecla.ventana, QStringLiteral("TBPrecio") + fila)->setFocus();
  Pulsar(*tecla.ventana, Qt::Key_Delete);
  QTest::mouseClick(Hijo(*clic.ventana, QStringLiteral("LBNombre") + fila), Qt::LeftButton);

  const Practica& a = tecla.ventana->sesion().practica();
  const Practica& b = clic.ventana->sesion().practica();
  EXPECT_EQ(a.NumFilas, b.NumFilas);
  EXPECT_EQ(a.EnLista, b.EnLista);
  EXPECT_EQ(a.HuecoFila, b.HuecoFila);
  for (int r = 0; r < a.MaxFilas; ++r) {
    EXPECT_EQ(tecla.ventana->Nombre(r), clic.ventana->Nombre(r)) << r;
    EXPECT_EQ(tecla.ventana->Precio(r), clic.ventana->Precio(r)) << r;
  }
  EXPECT_EQ(pitidosTecla.count(), pitidosClic.count());
  EXPECT_EQ(Foco(*tecla.ventana), QStringLiteral("TBPrecio") + fila);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Form2, Suprimir, ::testing::Values(
  Supr{"Tipo1Primera", 1, 3, 0},
  Supr{"Tipo1DelMedio", 1, 3, 1},
  Supr{"Tipo1Ultima", 1, 3, 2},
  Supr{"Tipo1FilaVaciaPita", 1, 2, 2},
  Supr{"Tipo2BilletePita", 2, 1, 0},
  Supr{"Tipo2Producto", 2, 1, 1},
  Supr{"Tipo3", 3, 0, 0},
  Supr{"Tipo4Producto", 4, 1, 0},
  Supr{"Tipo4Unidades", 4, 1, 1},
  Supr{"Tipo4VaciaPita", 4, 0, 1},
  Supr{"Tipo5DineroPita", 5, 3, 0},
  Supr{"Tipo5Producto", 5, 3, 2}),
  [](const auto& caso) { return std::string(caso.param.nombre); });
// clang-format on

TEST_F(Form2Prueba, SuprEnElPrecioQuitaElProductoYLoVuelveAOfrecer) {
  auto f = Abrir(1);
  for (int i = 0; i < 2; ++i) Elegir(*f.ventana, contestador_, Linea(0));
  ASSERT_EQ(Foco(*f.ventana), QStringLiteral("TBPrecio1"));
  Pulsar(*f.ventana, Qt::Key_Delete);
  EXPECT_EQ(f.ventana->sesion().practica().NumFilas, 1);
  EXPECT_EQ(f.ventana->Precio(1), QStringLiteral("0"));
  Elegir(*f.ventana, contestador_, [](QWidget& v) { Tecla(v, Qt::Key_Escape); });
  EXPECT_EQ(contestador_.lineas.back().first(), QStringLiteral("leche: 1,5"));
}

TEST_F(Form2Prueba, LaTeclaDeAplicacionesNoEscribeNadaNiAbreUnMenuContextual) {
  auto f = Abrir(1);
  auto* resultado = Hijo<QLineEdit>(*f.ventana, QStringLiteral("TBResultado"));
  resultado->setFocus();
  Elegir(*f.ventana, contestador_, [](QWidget& v) { Tecla(v, Qt::Key_Escape); });
  EXPECT_EQ(resultado->text(), QString());
  // What X sends the focused box for that key.
  const QPoint centro = resultado->rect().center();
  QContextMenuEvent menu(QContextMenuEvent::Keyboard, centro, resultado->mapToGlobal(centro));
  QApplication::sendEvent(resultado, &menu);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(Form2Prueba, CadaControlQueTomaElFocoTieneNombreParaElLectorDePantalla) {
  auto f = Abrir(5);
  Elegir(*f.ventana, contestador_, Linea(0));
  int enfocables = 0;
  EXPECT_EQ(SinNombreAccesible(*f.ventana, &enfocables), QStringList());
  // Text2, six price boxes, TBResultado, CBCorregir and CBNuevo.
  EXPECT_EQ(enfocables, 10);
  EXPECT_EQ(Hijo(*f.ventana, QStringLiteral("TBPrecio0"))->accessibleName(),
            QStringLiteral("Fila 1: Dinero disponible"));
  EXPECT_EQ(Hijo(*f.ventana, QStringLiteral("TBPrecio1"))->accessibleName(),
            QStringLiteral("Fila 2: pan"));
  EXPECT_EQ(Hijo(*f.ventana, QStringLiteral("TBPrecio2"))->accessibleName(),
            QStringLiteral("Fila 3 de la lista, sin producto"));
}

TEST_F(Form2Prueba, TabRecorreTodosLosControlesEnSuOrden) {
  auto f = Abrir(1);
  Hijo(*f.ventana, QStringLiteral("Text2"))->setFocus();
  QStringList recorrido{Foco(*f.ventana)};
  for (int i = 0; i < 7; ++i) {
    Pulsar(*f.ventana, Qt::Key_Tab);
    recorrido.append(Foco(*f.ventana));
  }
  EXPECT_EQ(recorrido, QStringList({"Text2", "TBPrecio0", "TBPrecio1", "TBPrecio2", "TBResultado",
                                    "CBCorregir", "CBNuevo", "Text2"}));
}

TEST_F(Form2Prueba, LasTeclasDeAccesoLleganALosBotonesYAlMenu) {
  auto f = Abrir(1);
  f.reproductor->abiertos.clear();
  f.azar->Poner(0.5);  // the next exercise is of type 3
  Tecla(*f.ventana, Qt::Key_N, Qt::AltModifier);
  EXPECT_EQ(f.reproductor->abiertos.value(0), QStringLiteral("tipo3.wav"));

  Tecla(*f.ventana, Qt::Key_C, Qt::AltModifier);
  EXPECT_EQ(contestador_.mensajes.size(), 1);

  Pulsar(*f.ventana, Qt::Key_O, Qt::AltModifier);
  QWidget* menu = QApplication::activePopupWidget();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->objectName(), QStringLiteral("MnuOpc"));
  QTest::keyClick(menu, Qt::Key_Escape);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

}  // namespace
}  // namespace tiendal::prueba
