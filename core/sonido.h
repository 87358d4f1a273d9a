// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_CORE_SONIDO_H
#define TIENDAL_CORE_SONIDO_H

#include <QString>
#include <functional>

namespace tiendal {

class Reproductor;

// The file of the sounds folder that the program plays for `nombre`: the exact name first, else
// one differing only in letter case or Unicode form (recordings copied from a system that
// ignores case, or that spells accents apart). The exact path when there is none.
QString ArchivoDeSonido(const QString& carpetaSonidos, const QString& nombre);

// The three audio operations of a main window, on top of its player.
class Sonido final {
 public:
  // `atenderEventos` handles the window's pending events, blocking until at least one arrives
  // (the player posts one when a sound starts and when it ends). The default is the Qt event
  // loop's of the calling thread.
  Sonido(Reproductor& reproductor, QString carpetaSonidos,
         std::function<void()> atenderEventos = {});
  Sonido(const Sonido&) = delete;
  Sonido& operator=(const Sonido&) = delete;

  // Starts the file ArchivoDeSonido() finds.
  void ReproducirSonido(const QString& nombre);
  // Returns once the player is stopped, handling events meanwhile. Returns true when it ended
  // early because `detener` held (looked at only while the sound still plays) or because the
  // window is closing.
  bool EsperarSonido(const std::function<bool()>& detener = {});
  // The keyboard-only window's wait on the play position: first until it is above zero, then
  // until it is not, handling events and looking at `detener` after each pass. A player that is
  // stopped has ended its sound whatever the position showed, so short or unplayable sounds do
  // not hold the wait. Returns true when `detener` held or the window is closing.
  bool EsperarPosicion(const std::function<bool()>& detener);
  void DetenerSonido();

  // The window is going away: the sound stops, waits in progress end at once, and nothing more
  // is played. Readings check this after every wait and end. This object, its player, and the
  // practice and view a reading was given must outlive the waits (EsperasEnCurso() == 0): a
  // window deleted with deleteLater() from inside a wait goes only once the reading has unwound.
  void Cerrar();
  bool Cerrado() const { return cerrado_; }
  int EsperasEnCurso() const { return esperas_; }

  Reproductor& reproductor() { return reproductor_; }

 private:
  void AtenderEventos();

  Reproductor& reproductor_;
  QString carpeta_;
  std::function<void()> atenderEventos_;
  bool cerrado_ = false;
  int esperas_ = 0;
};

}  // namespace tiendal

#endif
