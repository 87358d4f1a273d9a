// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_AUDIO_DISPOSITIVO_SDL_H
#define TIENDAL_AUDIO_DISPOSITIVO_SDL_H

#include <SDL_audio.h>

#include <cstddef>
#include <vector>

namespace tiendal {

// The program's one SDL sound device: a window's player may still be alive when the next
// window's starts, and some drivers open a single device only. Players join it as tracks; for
// every buffer the device's thread lays down silence and each track mixes its sound in. It is
// opened when asked for and closed when its last track leaves, or when every track has been
// quiet for a while. Used on the players' thread; the tracks' Mezclar runs on the device's.
class DispositivoSdl final {
 public:
  class Pista {
   public:
    // On the device's thread, under its lock: adds the track's sound to `salida`.
    virtual void Mezclar(Uint8* salida, std::size_t bytes) = 0;
    virtual bool Sonando() const = 0;
    // The device closes once this returns: whatever of the track still uses it ends here, and
    // the track joins again before its next sound.
    virtual void AlCerrar() = 0;

   protected:
    ~Pista() = default;
  };

  static DispositivoSdl& Compartido();
  DispositivoSdl(const DispositivoSdl&) = delete;
  DispositivoSdl& operator=(const DispositivoSdl&) = delete;

  // Opens the device unless it is open; false, told once on stderr, if it cannot be.
  bool Abrir();
  // On the open device, whose format the track has taken by now.
  void Unir(Pista& pista);
  // The device closes when the last track has left.
  void Separar(Pista& pista);
  // Closes the device if no track is sounding: its thread would otherwise wake the processor a
  // hundred times a second for nothing.
  void CerrarSiReposa();

  SDL_AudioDeviceID Id() const { return id_; }
  const SDL_AudioSpec& Formato() const { return formato_; }

 private:
  DispositivoSdl() = default;
  static void SDLCALL Rellenar(void* datos, Uint8* salida, int bytes);
  void Cerrar();

  SDL_AudioDeviceID id_ = 0;
  SDL_AudioSpec formato_{};
  std::vector<Pista*> pistas_;  // changed under the device's lock
};

}  // namespace tiendal

#endif
