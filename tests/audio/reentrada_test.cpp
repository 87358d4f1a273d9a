#include <gtest/gtest.h>

#include <memory>

#include "banco_lectura.h"

namespace tiendal {
namespace {

TEST(Reentrada, NuevoEjercicioConMenosFilasDuranteF2LeeCeroEnLasQueFaltan) {
  BancoLectura banco;
  banco.practica.TipoEjercicio = 5;
  banco.Suma({"50", "2", "1", "0", "0", "0"}, "3", 1);
  banco.Durante(QStringLiteral("2.wav"), [&] {
    // The new exercise, as the core runs it: its announcement, then two rows.
    banco.sonido.ReproducirSonido(QStringLiteral("tipo2.wav"));
    banco.practica.TipoEjercicio = 2;
    banco.practica.MaxFilas = 2;
    banco.vista.precios = {"0", "0"};
    banco.vista.resultado.clear();
  });

  banco.Tecla(kTeclaF2);

  EXPECT_EQ(banco.reproductor.abiertos, (QStringList{"2.wav", "tipo2.wav", "0.wav", "0.wav",
                                                     "0.wav", "0.wav", "igual.wav", "0.wav"}));
}

TEST(Reentrada, F3DentroDeF2CorreEnteraYLuegoSigueLaColumna) {
  BancoLectura banco;
  banco.Suma({"1", "2"}, "3", 1);
  banco.Durante(QStringLiteral("1.wav"), [&] { banco.Tecla(kTeclaF3); });

  banco.Tecla(kTeclaF2);

  const QStringList esperados = QStringList{"1.wav"} + QStringList{"lista.wav"} +
                                BancoLectura::ProductosEnOrden() +
                                QStringList{"2.wav", "igual.wav", "3.wav"};
  EXPECT_EQ(banco.reproductor.abiertos, esperados);
  EXPECT_EQ(banco.sonido.EsperasEnCurso(), 0);
}

TEST(Reentrada, F2DentroDeF3CorreEnteraYLuegoSiguenLosProductos) {
  for (const auto espera : {EsperaProducto::HastaParar, EsperaProducto::PorPosicion}) {
    BancoLectura banco;
    banco.espera = espera;
    banco.Suma({"1", "2"}, "3", 1);
    banco.Durante(QStringLiteral("Pan.wav"), [&] { banco.Tecla(kTeclaF2); });

    banco.Tecla(kTeclaF3);

    EXPECT_EQ(banco.reproductor.abiertos,
              (QStringList{"lista.wav", "Queso.wav", "Pan.wav", "1.wav", "2.wav", "igual.wav",
                           "3.wav", "Sal.wav", "Leche.wav", "Uvas.wav", "Miel.wav"}));
  }
}

TEST(Reentrada, F2DentroDeF2) {
  BancoLectura banco;
  banco.Suma({"1", "2"}, "3", 1);
  banco.Durante(QStringLiteral("igual.wav"), [&] {
    banco.cursor = 0;  // the caret moved before the second F2
    banco.Tecla(kTeclaF2);
  });

  banco.Tecla(kTeclaF2);

  EXPECT_EQ(banco.reproductor.abiertos, (QStringList{"1.wav", "2.wav", "igual.wav", "0.wav",
                                                     "0.wav", "igual.wav", "0.wav", "3.wav"}));
}

TEST(Reentrada, CtrlEnUnaLecturaAnidadaTerminaLaDeProductosDeFuera) {
  // Ctrl stops the sound and asks every product reading to end: the inner column reading goes
  // on, and the outer product reading sees the flag once the inner one is over.
  BancoLectura banco;
  banco.Suma({"1", "2"}, "3", 1);
  banco.Durante(QStringLiteral("Pan.wav"), [&] { banco.Tecla(kTeclaF2); });
  banco.Durante(QStringLiteral("2.wav"), [&] { banco.Tecla(kTeclaCtrl); });

  banco.Tecla(kTeclaF3);

  EXPECT_EQ(banco.reproductor.abiertos, (QStringList{"lista.wav", "Queso.wav", "Pan.wav", "1.wav",
                                                     "2.wav", "igual.wav", "3.wav"}));
}

struct CasoCierre {
  const char* nombre;
  int tecla;
  QString durante;
  QStringList sonidos;
};

void PrintTo(const CasoCierre& caso, std::ostream* os) { *os << caso.nombre; }

class Cierre : public testing::TestWithParam<CasoCierre> {};

TEST_P(Cierre, LaLecturaTerminaSinTocarLaVentana) {
  const CasoCierre& caso = GetParam();
  BancoLectura banco;
  banco.Suma({"1", "2", "3"}, "6", 1);
  int usosAlCerrar = -1;
  banco.Durante(caso.durante, [&] {
    banco.sonido.Cerrar();
    usosAlCerrar = banco.usos;
    banco.practica.DetenerLectura = true;
  });

  banco.Tecla(caso.tecla);

  EXPECT_EQ(banco.reproductor.abiertos, caso.sonidos);
  EXPECT_EQ(banco.usos, usosAlCerrar);
  EXPECT_TRUE(banco.practica.DetenerLectura);  // not cleared once the window closed
  EXPECT_FALSE(banco.reproductor.Ocupado());
  EXPECT_EQ(banco.sonido.EsperasEnCurso(), 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Casos, Cierre, testing::Values(
  CasoCierre{"ColumnaEnUnaFila", kTeclaF2, "2.wav", {"1.wav", "2.wav"}},
  CasoCierre{"ColumnaEnIgual", kTeclaF2, "igual.wav", {"1.wav", "2.wav", "3.wav", "igual.wav"}},
  CasoCierre{"ProductosEnLista", kTeclaF3, "lista.wav", {"lista.wav"}},
  CasoCierre{"ProductosEnUnProducto", kTeclaF3, "Sal.wav",
             {"lista.wav", "Queso.wav", "Pan.wav", "Sal.wav"}}
), [](const testing::TestParamInfo<CasoCierre>& dato) { return dato.param.nombre; });
// clang-format on

TEST(Reentrada, VentanaDestruidaDentroDeUnaLecturaAnidada) {
  // The window closes while a product reading waits inside a column reading: both end, and
  // neither touches the practice or the window, which are gone (ASan checks the rest).
  for (const auto espera : {EsperaProducto::HastaParar, EsperaProducto::PorPosicion}) {
    ReproductorFalso reproductor;
    int usos = 0;
    auto practica = std::make_unique<Practica>();
    auto vista = std::make_unique<VistaLectura>(&usos);
    std::unique_ptr<Sonido> sonido;
    bool cerrada = false;
    int usosAlCerrar = -1;
    sonido = std::make_unique<Sonido>(reproductor, QStringLiteral("/no/existe"), [&] {
      if (!cerrada && reproductor.actual == QStringLiteral("b.wav")) {
        cerrada = true;
        sonido->Cerrar();
        usosAlCerrar = usos;
        practica.reset();
        vista.reset();
        return;
      }
      if (reproductor.actual == QStringLiteral("1.wav") && reproductor.abiertos.size() == 1) {
        Form_KeyDown(kTeclaF3, *practica, *vista, 0, *sonido, espera);
      }
      reproductor.Avanzar();
    });
    practica->Imagenes = {QStringLiteral("a.jpg"), QStringLiteral("b.jpg")};
    practica->ProductoHueco = {1, 2, 1, 2, 1, 2};
    practica->MaxFilas = 2;
    vista->precios = {"1", "2"};
    vista->resultado = QStringLiteral("3");

    Form_KeyDown(kTeclaF2, *practica, *vista, 1, *sonido, espera);

    EXPECT_TRUE(cerrada);
    EXPECT_EQ(reproductor.abiertos, (QStringList{"1.wav", "lista.wav", "a.wav", "b.wav"}));
    EXPECT_EQ(usos, usosAlCerrar);
    EXPECT_EQ(sonido->EsperasEnCurso(), 0);
  }
}

}  // namespace
}  // namespace tiendal
