#ifndef TIENDAL_CORE_REPRODUCTOR_H
#define TIENDAL_CORE_REPRODUCTOR_H

#include <QString>
#include <utility>

namespace tiendal {

// The four things the program asks of a sound player. One player per main window.
class Reproductor {
 public:
  virtual ~Reproductor() = default;
  // Opens a WAV file by its full path and starts playing it at once, cutting off any sound
  // still playing. A file that cannot be played counts as a sound that ended at once.
  virtual void Abrir(const QString& ruta) = 0;
  // False when stopped (never started, ended, stopped or failed); true otherwise.
  virtual bool Ocupado() const = 0;
  virtual void Detener() = 0;
  // Seconds played of the current sound; 0 when stopped.
  virtual double Posicion() const = 0;
};

// A player class with the same four operations, such as the SDL one, as a Reproductor: the
// player itself needs to know nothing of this interface.
template <typename Jugador>
class ReproductorDe final : public Reproductor {
 public:
  template <typename... Argumentos>
  explicit ReproductorDe(Argumentos&&... argumentos)
      : jugador_(std::forward<Argumentos>(argumentos)...) {}

  void Abrir(const QString& ruta) override { jugador_.Abrir(ruta); }
  bool Ocupado() const override { return jugador_.Ocupado(); }
  void Detener() override { jugador_.Detener(); }
  double Posicion() const override { return jugador_.Posicion(); }

  Jugador& jugador() { return jugador_; }
  const Jugador& jugador() const { return jugador_; }

 private:
  Jugador jugador_;
};

}  // namespace tiendal

#endif
