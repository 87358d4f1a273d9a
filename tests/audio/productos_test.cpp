#include <gtest/gtest.h>

#include <tuple>

#include "banco_lectura.h"

namespace tiendal {
namespace {

const QStringList kTodos = QStringList{"lista.wav"} + BancoLectura::ProductosEnOrden();

struct CasoCtrl {
  const char* nombre;
  QString durante;  // the sound during which Ctrl is pressed; empty: never
  QStringList sonidos;
};

class Productos : public testing::TestWithParam<std::tuple<CasoCtrl, EsperaProducto>> {};

TEST_P(Productos, CtrlTerminaLaLecturaDeProductos) {
  const auto& [caso, espera] = GetParam();
  BancoLectura banco;
  banco.espera = espera;
  if (!caso.durante.isEmpty()) {
    banco.Durante(caso.durante, [&] { banco.Tecla(kTeclaCtrl); });
  }

  EXPECT_TRUE(banco.Tecla(kTeclaF3));

  EXPECT_EQ(banco.reproductor.abiertos, caso.sonidos);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Casos, Productos, testing::Combine(testing::Values(
  CasoCtrl{"SinCtrl", "", kTodos},
  CasoCtrl{"CtrlDuranteLista", "lista.wav", kTodos},
  CasoCtrl{"CtrlDuranteElPrimero", "Queso.wav", {"lista.wav", "Queso.wav"}},
  CasoCtrl{"CtrlDuranteElSegundo", "Pan.wav", {"lista.wav", "Queso.wav", "Pan.wav"}},
  CasoCtrl{"CtrlDuranteElUltimo", "Miel.wav", kTodos}
), testing::Values(EsperaProducto::HastaParar, EsperaProducto::PorPosicion)),
[](const testing::TestParamInfo<std::tuple<CasoCtrl, EsperaProducto>>& dato) {
  return std::string(std::get<0>(dato.param).nombre) +
         (std::get<1>(dato.param) == EsperaProducto::PorPosicion ? "_PorPosicion" : "_HastaParar");
});
// clang-format on

TEST(Productos, UnCtrlAnteriorNoAfectaYSeBorraTrasLista) {
  BancoLectura banco;
  bool marcadaDuranteLista = false;
  banco.Durante(QStringLiteral("lista.wav"),
                [&] { marcadaDuranteLista = banco.practica.DetenerLectura; });
  // Ctrl+F3: the Ctrl press comes first.
  banco.Tecla(kTeclaCtrl);
  banco.Tecla(kTeclaF3);

  EXPECT_TRUE(marcadaDuranteLista);
  EXPECT_FALSE(banco.practica.DetenerLectura);
  EXPECT_EQ(banco.reproductor.abiertos, kTodos);
}

TEST(Productos, LeeLosSeisAunqueYaEstenEnLaLista) {
  BancoLectura banco;
  banco.practica.EnLista = {true, true, true, true, true, true};
  banco.Tecla(kTeclaF3);
  EXPECT_EQ(banco.reproductor.abiertos, kTodos);
}

TEST(Productos, HuecoSinProductoSePasaEnSilencio) {
  BancoLectura banco;
  banco.practica.ProductoHueco[2] = 0;
  banco.practica.ProductoHueco[4] = 99;
  banco.Tecla(kTeclaF3);
  EXPECT_EQ(banco.reproductor.abiertos,
            (QStringList{"lista.wav", "Queso.wav", "Pan.wav", "Leche.wav", "Miel.wav"}));
}

TEST(Productos, SonidosQueFaltanCuentanComoTerminados) {
  for (const auto espera : {EsperaProducto::HastaParar, EsperaProducto::PorPosicion}) {
    BancoLectura banco;
    banco.espera = espera;
    banco.reproductor.fallidos = {QStringLiteral("lista.wav"), QStringLiteral("Pan.wav"),
                                  QStringLiteral("Miel.wav")};
    banco.Tecla(kTeclaF3);
    EXPECT_EQ(banco.reproductor.abiertos, kTodos);
  }
}

TEST(ProductosPorPosicion, EsperaAQueLaPosicionSubaYVuelvaACero) {
  BancoLectura banco;
  banco.espera = EsperaProducto::PorPosicion;
  banco.reproductor.pasos = 6;
  banco.reproductor.pasosSinPosicion = 2;
  banco.Tecla(kTeclaF3);
  EXPECT_EQ(banco.reproductor.abiertos, kTodos);
  EXPECT_EQ(banco.pasadas, 7 * 6);  // every sound played to its end
}

TEST(ProductosPorPosicion, SonidoTanCortoQueNuncaMuestraPosicionNoSeQuedaEsperando) {
  BancoLectura banco;
  banco.espera = EsperaProducto::PorPosicion;
  banco.reproductor.pasos = 2;
  banco.reproductor.pasosSinPosicion = 5;
  banco.Tecla(kTeclaF3);
  EXPECT_EQ(banco.reproductor.abiertos, kTodos);
}

TEST(ProductosPorPosicion, CtrlAntesDeQueEmpieceASonar) {
  BancoLectura banco;
  banco.espera = EsperaProducto::PorPosicion;
  banco.reproductor.pasos = 6;
  banco.reproductor.pasosSinPosicion = 3;
  bool posicionEnCero = false;
  banco.Durante(QStringLiteral("Pan.wav"), [&] {
    posicionEnCero = !(banco.reproductor.Posicion() > 0);
    banco.Tecla(kTeclaCtrl);
  });
  banco.Tecla(kTeclaF3);
  EXPECT_TRUE(posicionEnCero);
  EXPECT_EQ(banco.reproductor.abiertos, (QStringList{"lista.wav", "Queso.wav", "Pan.wav"}));
}

TEST(Teclas, OtrasTeclasNoHacenNada) {
  BancoLectura banco;
  for (const int codigo : {kTeclaEnter, kTeclaAplicaciones, 65, 112, 115, 16, 18}) {
    EXPECT_FALSE(banco.Tecla(codigo)) << codigo;
  }
  EXPECT_TRUE(banco.reproductor.abiertos.isEmpty());
  EXPECT_EQ(banco.reproductor.detenciones, 0);
  EXPECT_FALSE(banco.practica.DetenerLectura);
}

TEST(Teclas, CtrlSinSonidoSoloMarcaLaParada) {
  BancoLectura banco;
  EXPECT_TRUE(banco.Tecla(kTeclaCtrl));
  EXPECT_TRUE(banco.practica.DetenerLectura);
  EXPECT_FALSE(banco.reproductor.Ocupado());
  EXPECT_TRUE(banco.reproductor.abiertos.isEmpty());
}

}  // namespace
}  // namespace tiendal
