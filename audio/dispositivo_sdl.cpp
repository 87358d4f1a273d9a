// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/dispositivo_sdl.h"

#include <SDL_error.h>

#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <cstring>

#include "core/aviso_unico.h"

namespace tiendal {
namespace {

constexpr int kMuestrasPorSegundo = 44100;
constexpr Uint8 kCanales = 2;
// 11.6 ms at 44.1 kHz: the start and the end of a sound are seen within one buffer.
constexpr Uint16 kMuestrasPorBloque = 512;

}  // namespace

DispositivoSdl& DispositivoSdl::Compartido() {
  static DispositivoSdl dispositivo;
  return dispositivo;
}

void SDLCALL DispositivoSdl::Rellenar(void* datos, Uint8* salida, int bytes) {
  const auto& d = *static_cast<DispositivoSdl*>(datos);
  const auto pedidos = static_cast<std::size_t>(bytes);
  std::memset(salida, d.formato_.silence, pedidos);
  for (Pista* pista : d.pistas_) pista->Mezclar(salida, pedidos);
}

bool DispositivoSdl::Abrir() {
  if (id_ != 0) return true;
  SDL_AudioSpec deseado{};
  deseado.freq = kMuestrasPorSegundo;
  deseado.format = AUDIO_S16SYS;
  deseado.channels = kCanales;
  deseado.samples = kMuestrasPorBloque;
  deseado.callback = &Rellenar;
  deseado.userdata = this;
  id_ = SDL_OpenAudioDevice(nullptr, 0, &deseado, &formato_,
                            SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
  if (id_ == 0) {
    const QString error = QString::fromUtf8(SDL_GetError());
    AvisarUnaVez(
        QStringLiteral("dispositivo ") + error,
        QCoreApplication::translate(
            "Sonido", "Tiendal: no se puede abrir el dispositivo de sonido (%1); no sonará nada.")
            .arg(error));
    return false;
  }
  SDL_PauseAudioDevice(id_, 0);
  return true;
}

void DispositivoSdl::Unir(Pista& pista) {
  SDL_LockAudioDevice(id_);
  pistas_.push_back(&pista);
  SDL_UnlockAudioDevice(id_);
}

void DispositivoSdl::Separar(Pista& pista) {
  SDL_LockAudioDevice(id_);
  std::erase(pistas_, &pista);
  SDL_UnlockAudioDevice(id_);
  if (pistas_.empty()) Cerrar();
}

void DispositivoSdl::CerrarSiReposa() {
  if (id_ == 0) return;
  for (const Pista* pista : pistas_) {
    if (pista->Sonando()) return;
  }
  for (Pista* pista : pistas_) pista->AlCerrar();
  Cerrar();
  pistas_.clear();
}

void DispositivoSdl::Cerrar() {
  SDL_CloseAudioDevice(id_);  // its thread is gone once this returns
  id_ = 0;
}

}  // namespace tiendal
