// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lectura.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QHash>
#include <tuple>

#include "core/reproductor.h"
#include "core/sonido.h"
#include "tests/core/vista_falsa.h"

namespace tiendal {
namespace {

// Besides the keys, what the program may do while a reading waits
// (values no key has).
constexpr Tecla kNuevoEjercicio = static_cast<Tecla>(-1);
constexpr Tecla kCerrar = static_cast<Tecla>(-2);

// A window reduced to what the readings use, and its player, in which time moves only when the
// window handles its events: a sound lasts `pasos` passes and shows a play position only after
// `pasosSinPosicion` of them. The shelf reads Queso, Pan, Sal, Leche, Uvas, Miel; the sum is
// 1 + 2 = 3 with the caret at the end.
class BancoLectura final : public Reproductor {
 public:
  explicit BancoLectura(const QString& carpeta = QStringLiteral("/no/existe"))
      : sonido(*this, carpeta, [this] { Atender(); }) {
    practica.Imagenes = {"Pan.jpg",  "Leche.jpg", "Queso.jpg", "Atún.jpg",
                         "Uvas.JPG", "Miel.jpg",  "Sal.jpg"};
    practica.ProductoHueco = {3, 1, 7, 2, 5, 6};
    practica.EnLista = {true, false, true, false, false, true};  // read all the same
    practica.TipoEjercicio = TipoDeEjercicio::Total;
    Suma({"1", "2"}, QStringLiteral("3"), 1);
  }

  // Every sound is a WAV file: its name is kept without the extension.
  void Abrir(const QString& ruta) override {
    EXPECT_TRUE(ruta.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive)) << ruta.toStdString();
    abiertos.append(QFileInfo(ruta).fileName().chopped(4));
    restantes_ = pasos;
  }
  bool Ocupado() const override { return restantes_ > 0; }
  void Detener() override { restantes_ = 0; }
  double Posicion() const override {
    const int sonados = pasos - restantes_;
    return Ocupado() && sonados > pasosSinPosicion ? 0.1 * sonados : 0.0;
  }

  void Suma(const QStringList& precios, const QString& resultado, int cursorResultado) {
    vista.filas.clear();
    for (const QString& precio : precios) vista.filas.push_back({{}, precio});
    vista.resultado = resultado;
    practica.MaxFilas = static_cast<int>(precios.size());
    cursor = cursorResultado;
  }
  void Pulsar(Tecla tecla) {
    AtenderTeclaDeLectura(tecla, practica, vista, cursor, sonido, espera);
  }

  QStringList abiertos;
  QHash<QString, Tecla> durante;  // what to do at the first pass while a sound plays
  int pasos = 3;
  int pasosSinPosicion = 0;
  int pasadas = 0;
  Practica practica;
  VistaFalsa vista;  // the list rows and the result box: all that a reading may look at
  Sonido sonido;
  int cursor = 0;
  EsperaProducto espera = EsperaProducto::HastaParar;

 private:
  void Atender() {
    ++pasadas;
    if (Ocupado() && durante.contains(abiertos.last())) Hacer(durante.take(abiertos.last()));
    if (Ocupado()) --restantes_;
  }

  void Hacer(Tecla accion) {
    if (accion == kNuevoEjercicio) {  // as the core runs it: its announcement, then one row only
      sonido.ReproducirSonido(QStringLiteral("tipo2.wav"));
      practica.TipoEjercicio = TipoDeEjercicio::Cambio;
      Suma({"0"}, QString(), 0);
    } else if (accion == kCerrar) {
      sonido.Cerrar();
      vista.cerrada = true;
      practica.DetenerLectura = true;  // a reading that went on would clear it
    } else {
      Pulsar(accion);
    }
  }

  int restantes_ = 0;
};

struct CasoColumna {
  const char* nombre;
  int tipo;
  QStringList precios;
  QString resultado;
  int cursor;
  QStringList sonidos;
};

class Columna : public testing::TestWithParam<CasoColumna> {};

TEST_P(Columna, LeeLaColumnaDelCursor) {
  const CasoColumna& caso = GetParam();
  BancoLectura banco;
  banco.practica.TipoEjercicio = static_cast<TipoDeEjercicio>(caso.tipo);
  banco.Suma(caso.precios, caso.resultado, caso.cursor);
  banco.Pulsar(Tecla::F2);
  EXPECT_EQ(banco.abiertos, caso.sonidos);
  EXPECT_EQ(banco.pasadas, banco.pasos * banco.abiertos.size());  // each sound to its end
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Casos, Columna, testing::Values(
  CasoColumna{"AlFinal", 1, {"1,25", "3", "0"}, "12,5", 4, {"5", "3", "0", "igual", "5"}},
  CasoColumna{"TrasLaComa", 1, {"1,25", "3", "0"}, "12,5", 3, {"2", "0", "0", "igual", "coma"}},
  CasoColumna{"AlPrincipio", 1, {"123,45", "3", "0"}, "12,5", 0, {"2", "0", "0", "igual", "0"}},
  CasoColumna{"ResultadoVacio", 1, {"1,5", "2", "0"}, "", 0, {"5", "2", "0", "igual", "0"}},
  CasoColumna{"Signos", 1, {"-", "\u0663", "a"}, "x", 1, {"coma", "coma", "coma", "igual", "coma"}},
  CasoColumna{"Tipo5CallaElDinero", 5, {"12,3", "2", "1,5"}, "3,5", 3, {"2", "5", "igual", "5"}},
  CasoColumna{"Tipo4DiceLasUnidadesEnteras", 4, {"1,5", "3"}, "4,5", 3, {"5", "3", "igual", "5"}},
  CasoColumna{"Tipo4EnCualquierColumna", 4, {"1,5", "3"}, "4,5", 0, {"0", "3", "igual", "0"}}
), [](const auto& dato) { return std::string(dato.param.nombre); });
// clang-format on

struct CasoSucesos {
  const char* nombre;
  Tecla tecla;
  QHash<QString, Tecla> sucesos;  // sound, and what is done while it first plays
  QStringList sonidos;
  int pasos = 3;             // how long each sound lasts
  int pasosSinPosicion = 0;  // and shows no play position
};

class Sucesos : public testing::TestWithParam<std::tuple<CasoSucesos, EsperaProducto>> {};

TEST_P(Sucesos, OrdenDeLosSonidos) {
  const auto& [caso, espera] = GetParam();
  BancoLectura banco;
  banco.espera = espera;
  banco.durante = caso.sucesos;
  banco.pasos = caso.pasos;
  banco.pasosSinPosicion = caso.pasosSinPosicion;

  banco.Pulsar(caso.tecla);

  EXPECT_EQ(banco.abiertos, caso.sonidos);
  if (caso.sucesos.empty()) {
    EXPECT_EQ(banco.pasadas, banco.pasos * banco.abiertos.size());  // each sound to its end
  }
  if (banco.sonido.Cerrado()) {
    EXPECT_TRUE(banco.practica.DetenerLectura);
  }
}

const QStringList kLista{"lista", "Queso", "Pan", "Sal", "Leche", "Uvas", "Miel"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Casos, Sucesos, testing::Combine(testing::Values(
  CasoSucesos{"F3", Tecla::F3, {}, kLista},
  // Sounds that end before they ever show a play position, or at once as a missing file does,
  // do not hold the wait on the position.
  CasoSucesos{"SonidosSinPosicion", Tecla::F3, {}, kLista, 2, 5},
  CasoSucesos{"SonidosQueNoSuenan", Tecla::F3, {}, kLista, 0, 5},
  CasoSucesos{"CtrlDuranteLista", Tecla::F3, {{"lista", Tecla::Control}}, kLista},
  CasoSucesos{"CtrlDuranteUnProducto", Tecla::F3, {{"Pan", Tecla::Control}}, {"lista", "Queso", "Pan"}},
  CasoSucesos{"CtrlDuranteF2", Tecla::F2, {{"2", Tecla::Control}}, {"1", "2", "igual", "3"}},
  CasoSucesos{"F3DentroDeF2", Tecla::F2, {{"1", Tecla::F3}},
              QStringList{"1"} + kLista + QStringList{"2", "igual", "3"}},
  CasoSucesos{"F2DentroDeF3", Tecla::F3, {{"Pan", Tecla::F2}},
              {"lista", "Queso", "Pan", "1", "2", "igual", "3", "Sal", "Leche", "Uvas", "Miel"}},
  CasoSucesos{"CtrlEnF2DentroDeF3", Tecla::F3, {{"Pan", Tecla::F2}, {"2", Tecla::Control}},
              {"lista", "Queso", "Pan", "1", "2", "igual", "3"}},
  CasoSucesos{"NuevoEjercicioConMenosFilasEnF2", Tecla::F2, {{"1", kNuevoEjercicio}},
              {"1", "tipo2", "0", "igual", "0"}},
  CasoSucesos{"CerrarDuranteF2", Tecla::F2, {{"1", kCerrar}}, {"1"}},
  CasoSucesos{"CerrarDuranteLista", Tecla::F3, {{"lista", kCerrar}}, {"lista"}},
  CasoSucesos{"CerrarEnF3DentroDeF2", Tecla::F2, {{"1", Tecla::F3}, {"Pan", kCerrar}},
              {"1", "lista", "Queso", "Pan"}}
), testing::Values(EsperaProducto::HastaParar, EsperaProducto::PorPosicion)),
[](const auto& dato) {
  return std::string(std::get<0>(dato.param).nombre) +
         (std::get<1>(dato.param) == EsperaProducto::PorPosicion ? "_PorPosicion" : "");
});
// clang-format on

}  // namespace
}  // namespace tiendal
