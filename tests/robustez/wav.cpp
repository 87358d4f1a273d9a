#include "wav.h"

namespace tiendal::robustez {
namespace {

void Agregar(QByteArray& b, quint32 valor, int bytes) {
  for (int i = 0; i < bytes; ++i) b += static_cast<char>((valor >> (8 * i)) & 0xFF);
}

}  // namespace

QByteArray Wav(int milisegundos) {
  constexpr quint32 kFrecuencia = 8000;
  const auto muestras =
      static_cast<quint32>(kFrecuencia * static_cast<quint32>(milisegundos) / 1000);
  QByteArray b("RIFF");
  Agregar(b, 36 + muestras, 4);
  b += "WAVEfmt ";
  Agregar(b, 16, 4);
  Agregar(b, 1, 2);  // PCM
  Agregar(b, 1, 2);  // mono
  Agregar(b, kFrecuencia, 4);
  Agregar(b, kFrecuencia, 4);  // bytes per second
  Agregar(b, 1, 2);            // bytes per frame
  Agregar(b, 8, 2);            // bits per sample
  b += "data";
  Agregar(b, muestras, 4);
  for (quint32 i = 0; i < muestras; ++i) b += static_cast<char>((i / 10) % 2 ? 0x90 : 0x70);
  return b;
}

}  // namespace tiendal::robustez
