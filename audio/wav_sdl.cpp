// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/wav_sdl.h"

#include <QFile>
#include <algorithm>
#include <cstring>

namespace tiendal {
namespace {

// Input frames on either side of an output sample that SDL's resampler weighs, with room for
// downsampling from 192 kHz.
constexpr Uint32 kContexto = 256;

QString ErrorSdl() { return QString::fromUtf8(SDL_GetError()); }

}  // namespace

std::shared_ptr<const WavDecodificado> DecodificarWav(const QString& ruta, QString& fallo) {
  SDL_RWops* archivo = SDL_RWFromFile(QFile::encodeName(ruta).constData(), "rb");
  if (archivo == nullptr) {
    fallo = ErrorSdl();
    return nullptr;
  }
  auto wav = std::make_shared<WavDecodificado>();
  if (SDL_LoadWAV_RW(archivo, 1, &wav->formato, &wav->datos, &wav->bytes) == nullptr) {
    fallo = ErrorSdl();
    return nullptr;
  }
  return wav;
}

bool ConvertirWav(const WavDecodificado& wav, Uint32 bytes, const SDL_AudioSpec& destino,
                  std::vector<Uint8>& salida, QString& fallo) {
  SDL_AudioCVT cvt{};
  if (SDL_BuildAudioCVT(&cvt, wav.formato.format, wav.formato.channels, wav.formato.freq,
                        destino.format, destino.channels, destino.freq) < 0) {
    fallo = ErrorSdl();
    return false;
  }
  if (bytes == 0 || cvt.needed == 0) {
    salida.assign(wav.datos, wav.datos + bytes);
    return true;
  }
  salida.assign(static_cast<std::size_t>(bytes) * static_cast<std::size_t>(cvt.len_mult), 0);
  std::memcpy(salida.data(), wav.datos, bytes);
  cvt.buf = salida.data();
  cvt.len = static_cast<int>(bytes);
  if (SDL_ConvertAudio(&cvt) < 0) {
    fallo = ErrorSdl();
    return false;
  }
  salida.resize(static_cast<std::size_t>(cvt.len_cvt));
  return true;
}

bool ConvertirComienzo(const WavDecodificado& wav, Uint32 cuadros, const SDL_AudioSpec& destino,
                       std::vector<Uint8>& salida, QString& fallo) {
  const Uint32 cuadro = wav.BytesPorCuadro();
  const Uint32 total = wav.bytes / cuadro;
  if (cuadros + kContexto >= total)
    return ConvertirWav(wav, total * cuadro, destino, salida, fallo);
  if (!ConvertirWav(wav, (cuadros + kContexto) * cuadro, destino, salida, fallo)) return false;
  const auto cuadrosSalida = static_cast<std::size_t>(cuadros) *
                             static_cast<std::size_t>(destino.freq) /
                             static_cast<std::size_t>(wav.formato.freq);
  const std::size_t bytesSalida =
      cuadrosSalida * destino.channels * (SDL_AUDIO_BITSIZE(destino.format) / 8);
  salida.resize(std::min(bytesSalida, salida.size()));
  return true;
}

}  // namespace tiendal
