#ifndef TIENDAL_AUDIO_SONIDO_H
#define TIENDAL_AUDIO_SONIDO_H

#include <QString>
#include <functional>

namespace tiendal {

class Reproductor;

// The three audio operations of a main window, on top of its player.
class Sonido final {
 public:
  // `atenderEventos` handles the window's pending events, blocking until at least one arrives
  // (the player posts one when a sound ends). The default is the Qt event loop's.
  Sonido(Reproductor& reproductor, QString carpetaSonidos,
         std::function<void()> atenderEventos = {});
  Sonido(const Sonido&) = delete;
  Sonido& operator=(const Sonido&) = delete;

  // Starts a file of the sounds folder (exact name first, else one differing only in case).
  void ReproducirSonido(const QString& nombre);
  // Returns once the player is stopped, handling events meanwhile. Returns true when it ended
  // early because `detener` held (looked at only while the sound still plays) or because the
  // window is closing.
  bool EsperarSonido(const std::function<bool()>& detener = {});
  void DetenerSonido();

  // The window is going away: the sound stops, waits in progress end at once, and nothing more
  // is played. Readings check this after every wait and end.
  void Cerrar();
  bool Cerrado() const { return cerrado_; }

  Reproductor& reproductor() { return reproductor_; }

 private:
  Reproductor& reproductor_;
  QString carpeta_;
  std::function<void()> atenderEventos_;
  bool cerrado_ = false;
};

}  // namespace tiendal

#endif
