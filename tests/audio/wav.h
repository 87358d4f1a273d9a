#ifndef TIENDAL_TESTS_AUDIO_WAV_H
#define TIENDAL_TESTS_AUDIO_WAV_H

#include <QByteArray>
#include <QString>

namespace tiendal {

enum class Codificacion {
  U8,
  S16,
  S24,
  S24Extensible,
  S32,
  F32,
  MuLaw,
  ALaw,
  ImaAdpcm,
  MsAdpcm,
  Gsm,  // a format the decoder does not know
};

struct Wav {
  QByteArray bytes;
  int cuadros = 0;  // sample frames the file holds
  int frecuencia = 0;
  double Segundos() const { return static_cast<double>(cuadros) / frecuencia; }
};

// A 440 Hz tone of at least `cuadros` frames (ADPCM rounds up to whole blocks).
Wav GenerarWav(Codificacion codificacion, int frecuencia, int canales, int cuadros);

QString NombreCodificacion(Codificacion codificacion);

bool Escribir(const QString& ruta, const QByteArray& bytes);

}  // namespace tiendal

#endif
