#ifndef TIENDAL_TESTS_AUDIO_BANCO_LECTURA_H
#define TIENDAL_TESTS_AUDIO_BANCO_LECTURA_H

#include <QStringList>
#include <functional>
#include <vector>

#include "audio/lectura.h"
#include "audio/sonido.h"
#include "core/practica.h"
#include "reproductor_falso.h"
#include "vista_lectura.h"

namespace tiendal {

// A window reduced to what the readings use. Each pass of its event handling first runs the key
// presses and clicks due at that moment, then lets the sound play on by one step.
class BancoLectura {
 public:
  BancoLectura() {
    practica.Imagenes = {QStringLiteral("Pan.jpg"),   QStringLiteral("Leche.jpg"),
                         QStringLiteral("Queso.jpg"), QStringLiteral("Atún.jpg"),
                         QStringLiteral("Uvas.JPG"),  QStringLiteral("Miel.jpg"),
                         QStringLiteral("Sal.jpg")};
    practica.ProductoHueco = {3, 1, 7, 2, 5, 6};
    practica.TipoEjercicio = 1;
    practica.MaxFilas = 1;
  }
  BancoLectura(const BancoLectura&) = delete;
  BancoLectura& operator=(const BancoLectura&) = delete;

  static QStringList ProductosEnOrden() {
    return {QStringLiteral("Queso.wav"), QStringLiteral("Pan.wav"),  QStringLiteral("Sal.wav"),
            QStringLiteral("Leche.wav"), QStringLiteral("Uvas.wav"), QStringLiteral("Miel.wav")};
  }

  // Runs `accion` once, at the first pass of event handling while the `vez`-th start of the
  // sound `nombre` is playing.
  void Durante(const QString& nombre, std::function<void()> accion, int vez = 1) {
    acciones_.push_back({nombre, vez, std::move(accion)});
  }

  bool Tecla(int codigo) { return Form_KeyDown(codigo, practica, vista, cursor, sonido, espera); }

  // Sets the list rows (MaxFilas follows) and the result box.
  void Suma(const QStringList& precios, const QString& resultado, int cursorResultado) {
    vista.precios = precios;
    vista.resultado = resultado;
    practica.MaxFilas = static_cast<int>(precios.size());
    cursor = cursorResultado;
  }

  int usos = 0;  // reads of the window by a reading
  int pasadas = 0;
  ReproductorFalso reproductor;
  Sonido sonido{reproductor, QStringLiteral("/no/existe/Sonidos"), [this] { Atender(); }};
  Practica practica;
  VistaLectura vista{&usos};
  int cursor = 0;
  EsperaProducto espera = EsperaProducto::HastaParar;

 private:
  struct Accion {
    QString nombre;
    int vez;
    std::function<void()> hacer;
    bool hecha = false;
  };

  void Atender() {
    ++pasadas;
    const auto veces = reproductor.abiertos.count(reproductor.actual);
    for (Accion& accion : acciones_) {
      if (accion.hecha || !reproductor.Ocupado() || accion.nombre != reproductor.actual ||
          accion.vez != veces) {
        continue;
      }
      accion.hecha = true;
      const auto hacer = accion.hacer;  // the action may add actions of its own
      hacer();
      break;
    }
    reproductor.Avanzar();
  }

  std::vector<Accion> acciones_;
};

}  // namespace tiendal

#endif
