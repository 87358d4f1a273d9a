#ifndef TIENDAL_TESTS_AUDIO_REPRODUCTOR_FALSO_H
#define TIENDAL_TESTS_AUDIO_REPRODUCTOR_FALSO_H

#include <QFileInfo>
#include <QSet>
#include <QStringList>

#include "audio/reproductor.h"

namespace tiendal {

// A player in which time moves only when the window handles its events: a sound lasts a given
// number of passes. It remembers the file names it was given, in order.
class ReproductorFalso final : public Reproductor {
 public:
  void Abrir(const QString& ruta) override {
    const QString nombre = QFileInfo(ruta).fileName();
    abiertos.append(nombre);
    rutas.append(ruta);
    actual = nombre;
    sonados = 0;
    restantes = fallidos.contains(nombre) ? 0 : pasos;
  }
  bool Ocupado() const override { return restantes > 0; }
  void Detener() override {
    restantes = 0;
    ++detenciones;
  }
  // Above zero only once the sound has played `pasosSinPosicion` passes, as a player that takes a
  // while to open a file; a sound shorter than that never shows a position.
  double Posicion() const override {
    return Ocupado() && sonados > pasosSinPosicion ? 0.1 * sonados : 0.0;
  }

  // One pass of the window's event handling.
  void Avanzar() {
    if (restantes == 0) return;
    --restantes;
    ++sonados;
  }

  QStringList abiertos;
  QStringList rutas;
  QString actual;
  QSet<QString> fallidos;  // files that end at once, as missing ones do
  int pasos = 3;
  int pasosSinPosicion = 0;
  int detenciones = 0;

 private:
  int restantes = 0;
  int sonados = 0;
};

}  // namespace tiendal

#endif
