#include "wav.h"

#include <QFile>
#include <algorithm>
#include <bit>
#include <cmath>
#include <numbers>
#include <vector>

namespace tiendal {
namespace {

constexpr quint16 kPcm = 0x0001;
constexpr quint16 kMsAdpcm = 0x0002;
constexpr quint16 kFlotante = 0x0003;
constexpr quint16 kALaw = 0x0006;
constexpr quint16 kMuLaw = 0x0007;
constexpr quint16 kImaAdpcm = 0x0011;
constexpr quint16 kGsm = 0x0031;
constexpr quint16 kExtensible = 0xFFFE;
constexpr int kBloqueAdpcm = 256;  // bytes per ADPCM block and channel

class Bytes final {
 public:
  void U8(quint8 v) { datos.append(static_cast<char>(v)); }
  void U16(quint16 v) {
    U8(static_cast<quint8>(v));
    U8(static_cast<quint8>(v >> 8));
  }
  void U24(quint32 v) {
    U16(static_cast<quint16>(v));
    U8(static_cast<quint8>(v >> 16));
  }
  void U32(quint32 v) {
    U16(static_cast<quint16>(v));
    U16(static_cast<quint16>(v >> 16));
  }
  void Texto(const char* t) { datos.append(t, 4); }
  QByteArray datos;
};

double Tono(int cuadro, int frecuencia) {
  return 0.5 * std::sin(2 * std::numbers::pi * 440.0 * cuadro / frecuencia);
}

struct Formato {
  quint16 etiqueta = kPcm;
  quint16 bits = 16;
  quint16 alineacion = 0;  // bytes per block; 0: one frame
  QByteArray extra;        // after cbSize
  bool conCbSize = false;
};

QByteArray Envolver(const Formato& f, int frecuencia, int canales, int cuadrosPorBloque,
                    const QByteArray& datos) {
  const quint16 alineacion =
      f.alineacion != 0 ? f.alineacion : static_cast<quint16>(canales * f.bits / 8);
  Bytes fmt;
  fmt.U16(f.etiqueta);
  fmt.U16(static_cast<quint16>(canales));
  fmt.U32(static_cast<quint32>(frecuencia));
  fmt.U32(static_cast<quint32>(frecuencia * alineacion / cuadrosPorBloque));
  fmt.U16(alineacion);
  fmt.U16(f.bits);
  if (f.conCbSize) {
    fmt.U16(static_cast<quint16>(f.extra.size()));
    fmt.datos.append(f.extra);
  }
  Bytes wav;
  wav.Texto("RIFF");
  wav.U32(static_cast<quint32>(4 + 8 + fmt.datos.size() + 8 + datos.size()));
  wav.Texto("WAVE");
  wav.Texto("fmt ");
  wav.U32(static_cast<quint32>(fmt.datos.size()));
  wav.datos.append(fmt.datos);
  wav.Texto("data");
  wav.U32(static_cast<quint32>(datos.size()));
  wav.datos.append(datos);
  return wav.datos;
}

quint8 MuLaw(double x) {
  constexpr int kSesgo = 0x84;
  int muestra = static_cast<int>(x * 32767);
  const int signo = muestra < 0 ? 0x80 : 0;
  if (muestra < 0) muestra = -muestra;
  muestra = std::min(muestra, 32635) + kSesgo;
  int exponente = 7;
  for (int mascara = 0x4000; (muestra & mascara) == 0 && exponente > 0; mascara >>= 1) --exponente;
  const int mantisa = (muestra >> (exponente + 3)) & 0x0F;
  return static_cast<quint8>(~(signo | (exponente << 4) | mantisa));
}

quint8 ALaw(double x) {
  int muestra = static_cast<int>(x * 32767) >> 3;
  const int signo = muestra >= 0 ? 0x80 : 0;
  if (muestra < 0) muestra = -muestra - 1;
  int exponente = 0;
  while (exponente < 7 && muestra >= (32 << exponente)) ++exponente;
  const int mantisa = exponente == 0 ? muestra >> 1 : (muestra >> exponente) & 0x0F;
  return static_cast<quint8>((signo | (exponente << 4) | mantisa) ^ 0x55);
}

Wav Pcm(Codificacion c, int frecuencia, int canales, int cuadros) {
  Formato f;
  Bytes datos;
  for (int i = 0; i < cuadros; ++i) {
    const double x = Tono(i, frecuencia);
    for (int canal = 0; canal < canales; ++canal) {
      switch (c) {
        case Codificacion::U8:
          datos.U8(static_cast<quint8>(128 + std::lround(x * 127)));
          break;
        case Codificacion::S16:
          datos.U16(static_cast<quint16>(std::lround(x * 32767)));
          break;
        case Codificacion::S24:
        case Codificacion::S24Extensible:
          datos.U24(static_cast<quint32>(std::lround(x * 8388607)));
          break;
        case Codificacion::S32:
          datos.U32(static_cast<quint32>(std::lround(x * 2147483647.0)));
          break;
        case Codificacion::F32: {
          const auto v = static_cast<float>(x);
          datos.U32(std::bit_cast<quint32>(v));
          break;
        }
        case Codificacion::MuLaw:
          datos.U8(MuLaw(x));
          break;
        case Codificacion::ALaw:
          datos.U8(ALaw(x));
          break;
        default:
          break;
      }
    }
  }
  switch (c) {
    case Codificacion::U8:
      f.bits = 8;
      break;
    case Codificacion::S24:
      f.bits = 24;
      break;
    case Codificacion::S24Extensible: {
      f.etiqueta = kExtensible;
      f.bits = 24;
      f.conCbSize = true;
      Bytes extra;
      extra.U16(24);  // valid bits
      extra.U32(canales == 1 ? 0x4 : 0x3);
      // KSDATAFORMAT_SUBTYPE_PCM
      extra.U32(kPcm);
      extra.U16(0x0000);
      extra.U16(0x0010);
      for (const int b : {0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71})
        extra.U8(static_cast<quint8>(b));
      f.extra = extra.datos;
      break;
    }
    case Codificacion::S32:
      f.bits = 32;
      break;
    case Codificacion::F32:
      f.etiqueta = kFlotante;
      f.bits = 32;
      f.conCbSize = true;
      break;
    case Codificacion::MuLaw:
      f.etiqueta = kMuLaw;
      f.bits = 8;
      f.conCbSize = true;
      break;
    case Codificacion::ALaw:
      f.etiqueta = kALaw;
      f.bits = 8;
      f.conCbSize = true;
      break;
    default:
      break;
  }
  return {Envolver(f, frecuencia, canales, 1, datos.datos), cuadros, frecuencia};
}

// Blocks of a steady signal: headers only carry the starting sample, the nibbles are all zero.
Wav Adpcm(Codificacion c, int frecuencia, int canales, int cuadros) {
  const int alineacion = kBloqueAdpcm * canales;
  Formato f;
  f.bits = 4;
  f.conCbSize = true;
  f.alineacion = static_cast<quint16>(alineacion);
  int porBloque = 0;
  Bytes cabecera;
  Bytes extra;
  if (c == Codificacion::ImaAdpcm) {
    f.etiqueta = kImaAdpcm;
    porBloque = (alineacion - 4 * canales) * 8 / (4 * canales) + 1;
    extra.U16(static_cast<quint16>(porBloque));
    for (int canal = 0; canal < canales; ++canal) {
      cabecera.U16(0x0400);  // first sample
      cabecera.U8(0);        // step index
      cabecera.U8(0);
    }
  } else {
    f.etiqueta = kMsAdpcm;
    porBloque = (alineacion - 7 * canales) * 8 / (4 * canales) + 2;
    extra.U16(static_cast<quint16>(porBloque));
    constexpr int kCoeficientes[7][2] = {{256, 0}, {512, -256}, {0, 0},     {192, 64},
                                         {240, 0}, {460, -208}, {392, -232}};
    extra.U16(7);
    for (const auto& par : kCoeficientes) {
      extra.U16(static_cast<quint16>(par[0]));
      extra.U16(static_cast<quint16>(par[1]));
    }
    for (int canal = 0; canal < canales; ++canal) cabecera.U8(0);    // predictor
    for (int canal = 0; canal < canales; ++canal) cabecera.U16(16);  // delta
    for (int canal = 0; canal < canales; ++canal) cabecera.U16(0x0400);
    for (int canal = 0; canal < canales; ++canal) cabecera.U16(0x0400);
  }
  f.extra = extra.datos;
  const int bloques = (cuadros + porBloque - 1) / porBloque;
  QByteArray datos;
  for (int b = 0; b < bloques; ++b) {
    QByteArray bloque = cabecera.datos;
    bloque.append(alineacion - bloque.size(), '\0');
    datos.append(bloque);
  }
  return {Envolver(f, frecuencia, canales, porBloque, datos), bloques * porBloque, frecuencia};
}

}  // namespace

Wav GenerarWav(Codificacion codificacion, int frecuencia, int canales, int cuadros) {
  switch (codificacion) {
    case Codificacion::ImaAdpcm:
    case Codificacion::MsAdpcm:
      return Adpcm(codificacion, frecuencia, canales, cuadros);
    case Codificacion::Gsm: {
      Formato f;
      f.etiqueta = kGsm;
      f.bits = 0;
      f.alineacion = 65;
      f.conCbSize = true;
      f.extra = QByteArray("\x40\x01", 2);  // 320 samples per block
      const int bloques = (cuadros + 319) / 320;
      return {Envolver(f, frecuencia, canales, 320, QByteArray(65 * bloques, '\0')), bloques * 320,
              frecuencia};
    }
    default:
      return Pcm(codificacion, frecuencia, canales, cuadros);
  }
}

QString NombreCodificacion(Codificacion codificacion) {
  switch (codificacion) {
    case Codificacion::U8:
      return QStringLiteral("U8");
    case Codificacion::S16:
      return QStringLiteral("S16");
    case Codificacion::S24:
      return QStringLiteral("S24");
    case Codificacion::S24Extensible:
      return QStringLiteral("S24Extensible");
    case Codificacion::S32:
      return QStringLiteral("S32");
    case Codificacion::F32:
      return QStringLiteral("F32");
    case Codificacion::MuLaw:
      return QStringLiteral("MuLaw");
    case Codificacion::ALaw:
      return QStringLiteral("ALaw");
    case Codificacion::ImaAdpcm:
      return QStringLiteral("ImaAdpcm");
    case Codificacion::MsAdpcm:
      return QStringLiteral("MsAdpcm");
    case Codificacion::Gsm:
      return QStringLiteral("Gsm");
  }
  return {};
}

bool Escribir(const QString& ruta, const QByteArray& bytes) {
  QFile archivo(ruta);
  return archivo.open(QIODevice::WriteOnly) && archivo.write(bytes) == bytes.size();
}

}  // namespace tiendal
