// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_BENCH_TONO_WAV_H
#define TIENDAL_BENCH_TONO_WAV_H

#include <QFile>
#include <QString>
#include <QtEndian>
#include <cmath>
#include <cstring>
#include <numbers>

namespace tiendal {

// A 440 Hz tone as 16-bit mono PCM at 22050 Hz, the format of the program's recordings.
inline bool EscribirTono(const QString& ruta, double segundos) {
  constexpr int kFrecuencia = 22050;
  const auto cuadros = static_cast<quint32>(segundos * kFrecuencia);
  QByteArray wav(44 + 2 * static_cast<qsizetype>(cuadros), '\0');
  auto* p = reinterpret_cast<uchar*>(wav.data());
  const auto u32 = [](uchar* d, quint32 v) { qToLittleEndian(v, d); };
  const auto u16 = [](uchar* d, quint16 v) { qToLittleEndian(v, d); };
  std::memcpy(p, "RIFF", 4);
  u32(p + 4, 36 + 2 * cuadros);
  std::memcpy(p + 8, "WAVEfmt ", 8);
  u32(p + 16, 16);
  u16(p + 20, 1);
  u16(p + 22, 1);
  u32(p + 24, kFrecuencia);
  u32(p + 28, 2 * kFrecuencia);
  u16(p + 32, 2);
  u16(p + 34, 16);
  std::memcpy(p + 36, "data", 4);
  u32(p + 40, 2 * cuadros);
  for (quint32 i = 0; i < cuadros; ++i) {
    const double x = 0.5 * std::sin(2 * std::numbers::pi * 440.0 * i / kFrecuencia);
    u16(p + 44 + 2 * i, static_cast<quint16>(static_cast<qint16>(std::lround(x * 32767))));
  }
  QFile archivo(ruta);
  return archivo.open(QIODevice::WriteOnly) && archivo.write(wav) == wav.size();
}

}  // namespace tiendal

#endif
