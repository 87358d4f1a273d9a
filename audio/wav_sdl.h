// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_AUDIO_WAV_SDL_H
#define TIENDAL_AUDIO_WAV_SDL_H

#include <SDL.h>

#include <QString>
#include <memory>
#include <vector>

namespace tiendal {

// A WAV file as SDL decodes it: PCM in the file's own rate, channels and sample type.
struct WavDecodificado {
  WavDecodificado() = default;
  ~WavDecodificado() { SDL_FreeWAV(datos); }
  WavDecodificado(const WavDecodificado&) = delete;
  WavDecodificado& operator=(const WavDecodificado&) = delete;

  Uint32 BytesPorCuadro() const { return SDL_AUDIO_BITSIZE(formato.format) / 8 * formato.channels; }
  double Segundos() const { return static_cast<double>(bytes / BytesPorCuadro()) / formato.freq; }

  SDL_AudioSpec formato{};
  Uint8* datos = nullptr;
  Uint32 bytes = 0;
};

// Null when the file is missing or is no WAV that SDL decodes; `fallo` then says why.
std::shared_ptr<const WavDecodificado> DecodificarWav(const QString& ruta, QString& fallo);

// The first `bytes` of a decoded sound (whole frames), converted to the device's format.
bool ConvertirWav(const WavDecodificado& wav, Uint32 bytes, const SDL_AudioSpec& destino,
                  std::vector<Uint8>& salida, QString& fallo);

// The converted sound for its first `cuadros` frames, sample for sample as converting the whole
// of it would give: the resampler is given the frames that follow, and what they alter is cut.
bool ConvertirComienzo(const WavDecodificado& wav, Uint32 cuadros, const SDL_AudioSpec& destino,
                       std::vector<Uint8>& salida, QString& fallo);

}  // namespace tiendal

#endif
