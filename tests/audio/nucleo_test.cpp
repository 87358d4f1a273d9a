#include <gtest/gtest.h>

#include <deque>

#include "audio/lectura.h"
#include "audio/sonido.h"
#include "core/aleatorio.h"
#include "core/sesion.h"
#include "reproductor_falso.h"
#include "vista_lectura.h"

namespace tiendal {
namespace {

class AleatorioFijo final : public Aleatorio {
 public:
  explicit AleatorioFijo(std::deque<double> tiradas) : tiradas_(std::move(tiradas)) {}
  void Anadir(std::initializer_list<double> tiradas) { tiradas_.insert(tiradas_.end(), tiradas); }
  double Siguiente() override {
    if (tiradas_.empty()) return 0.0;
    const double r = tiradas_.front();
    tiradas_.pop_front();
    return r;
  }

 private:
  std::deque<double> tiradas_;
};

// Readings on exercises made by the exercise rules themselves.
class ConElNucleo : public testing::Test {
 protected:
  ConElNucleo() {
    vista.alReproducir = [this](const QString& nombre) { sonido.ReproducirSonido(nombre); };
    Practica& p = sesion.practica();
    for (const char* nombre : {"Pan", "Leche", "Queso", "Atún", "Uvas", "Miel", "Sal", "Té"}) {
      p.Imagenes.append(QString::fromUtf8(nombre) + QStringLiteral(".jpg"));
      p.Productos.append(QString::fromUtf8(nombre));
      p.Precios.push_back(1.5f);
    }
  }

  void Atender() {
    if (alAtender) alAtender();
    reproductor.Avanzar();
  }

  ReproductorFalso reproductor;
  int usos = 0;
  VistaLectura vista{&usos};
  // Type 5, slots 1 to 6 of the catalogue, then the money.
  AleatorioFijo azar{{0.9, 0.0, 0.125, 0.25, 0.375, 0.5, 0.625, 0.5}};
  Sesion sesion{vista, azar, QStringLiteral("/no/existe"), Estante::Oculto};
  Sonido sonido{reproductor, QStringLiteral("/no/existe/Sonidos"), [this] { Atender(); }};
  std::function<void()> alAtender;
};

TEST_F(ConElNucleo, NuevoEjercicioDuranteF2) {
  sesion.NuevoEjercicio();
  ASSERT_EQ(vista.ContarFilas(), 6);
  sonido.EsperarSonido();

  bool nuevo = false;
  alAtender = [&] {
    if (nuevo || reproductor.actual != QStringLiteral("0.wav")) return;
    nuevo = true;
    azar.Anadir({0.3, 0.75, 0.875, 0.0, 0.125, 0.25, 0.375});  // type 2
    sesion.CBNuevo_Click();
  };
  Form_KeyDown(kTeclaF2, sesion.practica(), vista, 0, sonido);

  ASSERT_TRUE(nuevo);
  EXPECT_EQ(sesion.practica().TipoEjercicio, 2);
  EXPECT_EQ(vista.ContarFilas(), 2);
  EXPECT_EQ(reproductor.abiertos, (QStringList{"tipo5.wav", "0.wav", "tipo2.wav", "0.wav", "0.wav",
                                               "0.wav", "0.wav", "igual.wav", "0.wav"}));
}

TEST_F(ConElNucleo, F3LeeLosProductosDelEstante) {
  sesion.NuevoEjercicio();
  Form_KeyDown(kTeclaF3, sesion.practica(), vista, 0, sonido, EsperaProducto::PorPosicion);
  EXPECT_EQ(reproductor.abiertos, (QStringList{"tipo5.wav", "lista.wav", "Pan.wav", "Leche.wav",
                                               "Queso.wav", "Atún.wav", "Uvas.wav", "Miel.wav"}));
}

}  // namespace
}  // namespace tiendal
