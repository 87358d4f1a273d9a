// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_AUDIO_REPRODUCTOR_SDL_H
#define TIENDAL_AUDIO_REPRODUCTOR_SDL_H

#include <QString>
#include <chrono>
#include <memory>

namespace tiendal {

// The window's player on SDL's audio subsystem. WAV files are decoded whole and converted to the
// device's format before they start; the device's thread hands them over buffer by buffer and,
// when a sound starts and when it has played out, wakes the thread that created the player so
// that a wait blocked in its event loop looks again. Players alive at the same time share one
// device and are heard together. A file that cannot be played, or a machine without a sound
// device, gives a sound that has ended at once; each such fault is told once on stderr.
// Create, use and destroy a player on the thread that runs its window's event loop.
//
// Its four operations are the ones the program asks of a player: Abrir opens a WAV file by its
// full path and starts it at once, cutting off any sound still playing; Ocupado is false once
// stopped (never started, ended, stopped or failed); Detener stops; Posicion gives the seconds
// played, 0 when stopped.
class ReproductorSdl final {
 public:
  // The device is let go once every player has been quiet for `reposo`, and opened again by the
  // next sound.
  explicit ReproductorSdl(std::chrono::milliseconds reposo = std::chrono::seconds(2));
  ~ReproductorSdl();
  ReproductorSdl(const ReproductorSdl&) = delete;
  ReproductorSdl& operator=(const ReproductorSdl&) = delete;

  void Abrir(const QString& ruta);
  bool Ocupado() const;
  void Detener();
  double Posicion() const;

  // Length in seconds of the last sound opened, as converted for the device; 0 when it failed.
  double Duracion() const;

 private:
  struct Estado;
  std::unique_ptr<Estado> estado_;
};

}  // namespace tiendal

#endif
