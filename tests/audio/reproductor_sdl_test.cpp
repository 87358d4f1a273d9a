// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/reproductor_sdl.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <bit>
#include <cmath>
#include <numbers>

#include "core/reproductor_de.h"
#include "core/sonido.h"
#include "tests/memoria_agotada.h"

namespace tiendal {
namespace {

// A WAV encoding, by its format tag and bits per sample, with the rate and channels to write.
struct Formato {
  const char* nombre;
  quint16 etiqueta;
  quint16 bits;
  int frecuencia;
  int canales;
};

struct Wav {
  QByteArray bytes;
  double segundos = 0;  // as the file holds them: ADPCM rounds up to whole blocks
};

constexpr quint16 kPcm = 0x0001;
constexpr quint16 kMsAdpcm = 0x0002;
constexpr quint16 kFlotante = 0x0003;
constexpr quint16 kImaAdpcm = 0x0011;
constexpr int kBloqueAdpcm = 256;  // bytes per block and channel

// `valor` in `cuantos` bytes, little-endian.
QByteArray Le(qint64 valor, int cuantos) {
  QByteArray bytes;
  for (int i = 0; i < cuantos; ++i) bytes.append(static_cast<char>(valor >> (8 * i)));
  return bytes;
}

// A 440 Hz tone at half scale. µ-law and A-law take the bytes of 8-bit PCM as they are: every
// byte is a valid code.
qint64 Muestra(const Formato& f, int cuadro) {
  const double x = 0.5 * std::sin(2 * std::numbers::pi * 440 * cuadro / f.frecuencia);
  if (f.etiqueta == kFlotante) return std::bit_cast<quint32>(static_cast<float>(x));
  if (f.bits == 8) return 128 + std::lround(x * 127);
  return std::lround(x * (std::ldexp(1.0, f.bits - 1) - 1));
}

// A steady signal: the header holds the starting samples, every nibble after it is zero. IMA:
// first sample and step index of each channel; MS: the predictors, the deltas, then two samples
// of every channel.
QByteArray BloqueAdpcm(const Formato& f) {
  QByteArray bloque = f.etiqueta == kImaAdpcm ? Le(0x0400, 4).repeated(f.canales)
                                              : Le(0, f.canales) + Le(16, 2).repeated(f.canales) +
                                                    Le(0x0400, 2).repeated(2 * f.canales);
  bloque.resize(kBloqueAdpcm * f.canales, '\0');
  return bloque;
}

// At least `segundos` of sound in the given encoding.
Wav GenerarWav(const Formato& f, double segundos) {
  const bool adpcm = f.bits == 4;
  const int alineacion = adpcm ? kBloqueAdpcm * f.canales : f.canales * f.bits / 8;
  int porBloque = 1;  // frames
  QByteArray extra;   // after cbSize
  if (f.etiqueta == kImaAdpcm) porBloque = (kBloqueAdpcm - 4) * 2 + 1;
  if (f.etiqueta == kMsAdpcm) {
    porBloque = (kBloqueAdpcm - 7) * 2 + 2;
    extra = Le(7, 2);
    for (const int c : {256, 0, 512, -256, 0, 0, 192, 64, 240, 0, 460, -208, 392, -232}) {
      extra += Le(c, 2);
    }
  }
  if (adpcm) extra.prepend(Le(porBloque, 2));

  const int bloques = static_cast<int>(std::ceil(segundos * f.frecuencia / porBloque));
  QByteArray datos;
  for (int b = 0; b < bloques; ++b) {
    if (adpcm) {
      datos += BloqueAdpcm(f);
    } else {
      for (int canal = 0; canal < f.canales; ++canal) datos += Le(Muestra(f, b), f.bits / 8);
    }
  }
  QByteArray fmt = Le(f.etiqueta, 2) + Le(f.canales, 2) + Le(f.frecuencia, 4) +
                   Le(f.frecuencia * alineacion / porBloque, 4) + Le(alineacion, 2) + Le(f.bits, 2);
  if (f.etiqueta != kPcm) fmt += Le(extra.size(), 2) + extra;
  const QByteArray archivo = "RIFF" + Le(4 + 8 + fmt.size() + 8 + datos.size(), 4) + "WAVEfmt " +
                             Le(fmt.size(), 4) + fmt + "data" + Le(datos.size(), 4) + datos;
  return {archivo, static_cast<double>(bloques * porBloque) / f.frecuencia};
}

constexpr Formato kS16{"S16", 0x0001, 16, 22050, 1};

int avisos = 0;
void ContarAviso(QtMsgType, const QMessageLogContext&, const QString&) { ++avisos; }

class ConCarpeta : public testing::Test {
 protected:
  QString Archivo(const QString& nombre, const QByteArray& bytes) {
    QFile archivo(carpeta.filePath(nombre));
    EXPECT_TRUE(archivo.open(QIODevice::WriteOnly) && archivo.write(bytes) == bytes.size());
    return archivo.fileName();
  }

  QTemporaryDir carpeta;
};

class Codificaciones : public ConCarpeta, public testing::WithParamInterface<Formato> {};

TEST_P(Codificaciones, SuenaSeCortaSeParaYTermina) {
  const Wav largo = GenerarWav(GetParam(), 1.0);
  const Wav corto = GenerarWav(GetParam(), 0.05);
  const QString rutaLarga = Archivo(QStringLiteral("largo.wav"), largo.bytes);
  const QString rutaCorta = Archivo(QStringLiteral("corto.wav"), corto.bytes);
  ReproductorDe<ReproductorSdl> reproductor;
  Sonido sonido(reproductor, carpeta.path());

  reproductor.Abrir(rutaLarga);
  EXPECT_TRUE(reproductor.Ocupado());
  EXPECT_NEAR(reproductor.jugador().Duracion(), largo.segundos, 0.002);
  // The device's thread moves the position; the sound ends within a second whatever happens.
  while (reproductor.Ocupado() && !(reproductor.Posicion() > 0)) QThread::msleep(1);
  const double primera = reproductor.Posicion();
  while (reproductor.Ocupado() && reproductor.Posicion() <= primera) QThread::msleep(1);
  EXPECT_TRUE(reproductor.Ocupado());
  EXPECT_GT(reproductor.Posicion(), primera);

  reproductor.Abrir(rutaCorta);
  EXPECT_TRUE(reproductor.Ocupado());
  EXPECT_NEAR(reproductor.jugador().Duracion(), corto.segundos, 0.002);
  EXPECT_FALSE(sonido.EsperarSonido());
  EXPECT_FALSE(reproductor.Ocupado());
  EXPECT_EQ(reproductor.Posicion(), 0.0);

  reproductor.Abrir(rutaCorta);
  reproductor.Detener();
  EXPECT_FALSE(reproductor.Ocupado());
  EXPECT_EQ(reproductor.Posicion(), 0.0);

  reproductor.Abrir(rutaLarga);  // still playing, its rest converting, when the player goes
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Casos, Codificaciones, testing::Values(
  Formato{"U8", 0x0001, 8, 11025, 1},
  Formato{"S16Estereo", 0x0001, 16, 44100, 2},
  Formato{"S24", 0x0001, 24, 48000, 1},
  Formato{"S32", 0x0001, 32, 16000, 1},
  Formato{"F32Estereo", 0x0003, 32, 22050, 2},
  Formato{"ALaw", 0x0006, 8, 8000, 1},
  Formato{"MuLaw", 0x0007, 8, 8000, 1},
  Formato{"ImaAdpcm", 0x0011, 4, 22050, 1},
  Formato{"MsAdpcmEstereo", 0x0002, 4, 8000, 2}
), [](const auto& dato) { return std::string(dato.param.nombre); });
// clang-format on

// No memory left for the rest of a long sound, converted on another thread: its first part
// plays, and then the sound ends rather than waiting for the rest for ever.
TEST_F(ConCarpeta, SinMemoriaParaElRestoSuenaSuComienzo) {
  const QString largo = Archivo(QStringLiteral("largo.wav"), GenerarWav(kS16, 2.0).bytes);
  ReproductorDe<ReproductorSdl> reproductor;
  Sonido sonido(reproductor, carpeta.path());
  AgotarMemoriaEnOtroHilo(64 * 1024);
  reproductor.Abrir(largo);
  EXPECT_FALSE(sonido.EsperarSonido());
  EXPECT_TRUE(MemoriaAgotada());
  reproductor.Abrir(largo);  // gathers the failed conversion, and plays
  EXPECT_TRUE(reproductor.Ocupado());
}

struct CasoFallo {
  const char* nombre;
  QByteArray bytes;  // null: no file at all
  int avisos;
  bool sinDispositivo = false;
};

class NoSuenan : public ConCarpeta, public testing::WithParamInterface<CasoFallo> {};

// A sound that cannot play cuts off the one playing and counts as ended at once, in both ways
// of waiting; each fault is told once on stderr.
TEST_P(NoSuenan, CuentaComoTerminadoAlMomento) {
  const CasoFallo& caso = GetParam();
  // SDL takes its driver when the first player of the program is made. A driver of another
  // name on every run: each fault is told once per run.
  static int prueba = 0;
  if (caso.sinDispositivo) qputenv("SDL_AUDIODRIVER", "ninguno" + QByteArray::number(++prueba));
  if (!caso.bytes.isNull()) Archivo(QStringLiteral("a.wav"), caso.bytes);
  avisos = 0;
  const QtMessageHandler anterior = qInstallMessageHandler(ContarAviso);
  {
    ReproductorDe<ReproductorSdl> reproductor;
    Sonido sonido(reproductor, carpeta.path());
    reproductor.Abrir(Archivo(QStringLiteral("largo.wav"), GenerarWav(kS16, 2.0).bytes));
    for (int vez = 0; vez < 3; ++vez) {
      sonido.ReproducirSonido(QStringLiteral("a.wav"));
      EXPECT_FALSE(reproductor.Ocupado());
      EXPECT_FALSE(sonido.EsperarSonido());
      EXPECT_FALSE(sonido.EsperarPosicion([] { return false; }));
    }
  }
  qInstallMessageHandler(anterior);
  qputenv("SDL_AUDIODRIVER", "dummy");
  EXPECT_EQ(avisos, caso.avisos);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Casos, NoSuenan, testing::Values(
  CasoFallo{"NoExiste", QByteArray(), 1},
  CasoFallo{"Vacio", QByteArray(""), 1},
  CasoFallo{"NoEsWav", QByteArray("Esto no es un archivo de sonido.\r\n"), 1},
  CasoFallo{"CortadoEnLaCabecera", GenerarWav(kS16, 0.1).bytes.left(12), 1},
  CasoFallo{"CortadoAntesDeLosDatos", GenerarWav(kS16, 0.1).bytes.left(36), 1},
  CasoFallo{"SinMuestras", GenerarWav(kS16, 0).bytes, 0},
  CasoFallo{"SinDispositivo", GenerarWav(kS16, 0.1).bytes, 1, true}
), [](const auto& dato) { return std::string(dato.param.nombre); });
// clang-format on

}  // namespace
}  // namespace tiendal
