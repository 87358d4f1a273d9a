// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/reproductor_sdl.h"

#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <algorithm>

#include "audio/memoria_sonidos.h"
#include "audio/wav_sdl.h"
#include "core/reproductor_de.h"
#include "core/sonido.h"
#include "tests/comun/carpeta.h"
#include "tests/memoria_agotada.h"

namespace tiendal {
namespace {

int avisos = 0;
void ContarAviso(QtMsgType, const QMessageLogContext&, const QString&) { ++avisos; }

class ConCarpeta : public testing::Test {
 protected:
  QString Archivo(const QString& nombre, const QByteArray& bytes) {
    carpeta.Escribir(nombre, bytes);
    return carpeta.Ruta(nombre);
  }

  Carpeta carpeta;
};

// A tone's rate and channels.
class Codificaciones : public ConCarpeta,
                       public testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(Codificaciones, SuenaSeCortaSeParaYTermina) {
  const auto [muestreo, canales] = GetParam();
  const QString rutaLarga = Archivo(QStringLiteral("largo.wav"), Tono(1.0, muestreo, canales));
  const QString rutaCorta = Archivo(QStringLiteral("corto.wav"), Tono(0.05, muestreo, canales));
  // The device is let go after 50 ms of quiet, and opened again for the next sound.
  ReproductorDe<ReproductorSdl> reproductor(std::chrono::milliseconds(50));
  Sonido sonido(reproductor, carpeta.Ruta());

  reproductor.Abrir(rutaLarga);
  EXPECT_TRUE(reproductor.Ocupado());
  EXPECT_NEAR(reproductor.jugador().Duracion(), 1.0, 0.002);
  // The device's thread moves the position; the sound ends within a second whatever happens.
  while (reproductor.Ocupado() && !(reproductor.Posicion() > 0)) QThread::msleep(1);
  const double primera = reproductor.Posicion();
  while (reproductor.Ocupado() && reproductor.Posicion() <= primera) QThread::msleep(1);
  EXPECT_TRUE(reproductor.Ocupado());
  EXPECT_GT(reproductor.Posicion(), primera);

  reproductor.Abrir(rutaCorta);
  EXPECT_TRUE(reproductor.Ocupado());
  EXPECT_NEAR(reproductor.jugador().Duracion(), 0.05, 0.002);
  EXPECT_FALSE(sonido.EsperarSonido());
  EXPECT_FALSE(reproductor.Ocupado());
  // The sound's end starts the quiet time; once it is over the device (SDL's first, number 2)
  // closes.
  EXPECT_TRUE(QTest::qWaitFor([] { return SDL_GetAudioDeviceStatus(2) == SDL_AUDIO_STOPPED; }));
  reproductor.Abrir(rutaCorta);  // from the memory of sounds this time
  EXPECT_TRUE(reproductor.Ocupado());
  EXPECT_NEAR(reproductor.jugador().Duracion(), 0.05, 0.002);
  EXPECT_FALSE(sonido.EsperarSonido());
  EXPECT_EQ(reproductor.Posicion(), 0.0);

  reproductor.Abrir(rutaCorta);
  reproductor.Detener();
  EXPECT_FALSE(reproductor.Ocupado());
  EXPECT_EQ(reproductor.Posicion(), 0.0);

  reproductor.Abrir(rutaLarga);  // still playing, its rest converting, when the player goes
}

// Resampled to the device, and taken as it is.
INSTANTIATE_TEST_SUITE_P(Casos, Codificaciones,
                         testing::Values(std::pair{22050, 1}, std::pair{44100, 2}));

// The first part of a long sound is converted with the frames that follow it: sample for sample
// the beginning of the whole, so that the rest goes on from it without a click.
TEST_F(ConCarpeta, ElComienzoEsElPrincipioDelSonidoEntero) {
  QString fallo;
  const QString ruta = Archivo(QStringLiteral("a.wav"), Tono(1.0, 22050));
  const auto wav = DecodificarWav(ruta, fallo);
  ASSERT_TRUE(wav) << fallo.toStdString();
  SDL_AudioSpec destino{};
  destino.freq = 44100;
  destino.format = AUDIO_S16SYS;
  destino.channels = 2;
  std::vector<Uint8> entero, comienzo;
  ASSERT_TRUE(ConvertirWav(*wav, wav->bytes, destino, entero, fallo));
  // Well inside the sound; just before the 256 frames that follow would run past its end; and
  // from there on, where the whole sound is converted.
  for (const auto& [cuadros, bytes] : {std::pair{11025u, 88200u}, std::pair{21793u, 174344u},
                                       std::pair{21794u, 176400u}, std::pair{22050u, 176400u}}) {
    ASSERT_TRUE(ConvertirComienzo(*wav, cuadros, destino, comienzo, fallo));
    ASSERT_EQ(comienzo.size(), bytes);
    EXPECT_TRUE(std::equal(comienzo.begin(), comienzo.end(), entero.begin())) << cuadros;
  }
  // Played for the first time, its first part and then the rest, the whole sound reaches the
  // device unbroken: SDL's disk driver keeps what the device is given.
  qputenv("SDL_AUDIODRIVER", "disk");
  qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(carpeta.Ruta("dispositivo.raw")));
  {
    ReproductorDe<ReproductorSdl> reproductor;
    reproductor.Abrir(ruta);
    EXPECT_FALSE(Sonido(reproductor, carpeta.Ruta()).EsperarSonido());
  }
  qputenv("SDL_AUDIODRIVER", "dummy");
  EXPECT_TRUE(carpeta.Leer("dispositivo.raw")
                  .contains(QByteArrayView(reinterpret_cast<const char*>(entero.data()),
                                           static_cast<qsizetype>(entero.size()))));
}

// A sound cut off while the rest of it converts: the late conversion never plays in place of
// the sound that followed. (A position, not a time: the second sound is 0.6 s long.)
TEST_F(ConCarpeta, ElRestoDeUnSonidoCortadoNoSuenaDespues) {
  const QString largo = Archivo(QStringLiteral("largo.wav"), Tono(10.0, 22050));
  const QString corto = Archivo(QStringLiteral("corto.wav"), Tono(0.6, 22050));
  ReproductorDe<ReproductorSdl> reproductor;
  reproductor.Abrir(largo);
  reproductor.Abrir(corto);
  const double duracion = reproductor.jugador().Duracion();
  double mayor = 0;
  while (reproductor.Ocupado() && mayor < duracion + 0.5) {
    QThread::msleep(5);
    mayor = std::max(mayor, reproductor.Posicion());
  }
  EXPECT_LE(mayor, duracion + 0.05);
}

// Kept by file and version: a file changed on disk is read again. Past the limit, the sound
// used longest ago goes.
TEST(MemoriaSonidos, UnaVersionPorArchivoYSaleLaMenosUsada) {
  MemoriaSonidos memoria(20);
  const auto a = std::make_shared<const std::vector<Uint8>>(8);
  const auto b = std::make_shared<const std::vector<Uint8>>(8);
  memoria.Guardar("a", {10, 1}, a);
  EXPECT_EQ(memoria.Buscar("a", {10, 1}), a);
  for (const MemoriaSonidos::Huella otra : {MemoriaSonidos::Huella{11, 1}, {10, 2}}) {
    memoria.Guardar("a", {10, 1}, a);
    EXPECT_EQ(memoria.Buscar("a", otra), nullptr);
    EXPECT_EQ(memoria.Cuantos(), 0u);
  }
  memoria.Guardar("a", {10, 1}, a);
  memoria.Guardar("b", {10, 1}, b);
  memoria.Buscar("a", {10, 1});
  memoria.Guardar("c", {10, 1}, a);
  EXPECT_EQ(memoria.Buscar("b", {10, 1}), nullptr);
  EXPECT_EQ(memoria.Buscar("a", {10, 1}), a);
  EXPECT_EQ(memoria.Buscar("c", {10, 1}), a);
}

// No memory left for the rest of a long sound, converted on another thread: its first part
// plays, and then the sound ends rather than waiting for the rest for ever.
TEST_F(ConCarpeta, SinMemoriaParaElRestoSuenaSuComienzo) {
  const QString largo = Archivo(QStringLiteral("largo.wav"), Tono(2.0, 22050));
  ReproductorDe<ReproductorSdl> reproductor;
  Sonido sonido(reproductor, carpeta.Ruta());
  AgotarMemoriaEnOtroHilo(64 * 1024);
  reproductor.Abrir(largo);
  EXPECT_FALSE(sonido.EsperarSonido());
  EXPECT_TRUE(MemoriaAgotada());
  reproductor.Abrir(largo);  // gathers the failed conversion, and plays
  EXPECT_TRUE(reproductor.Ocupado());
}

struct CasoFallo {
  const char* nombre;
  QByteArray bytes;  // null: no file at all; "/": a folder of that name
  int avisos;
  // SDL's driver, when not the tests' dummy ("#" for a number of its own): one that does not
  // exist, or the disk driver, which cannot open its device when its file's folder does not.
  const char* driver = nullptr;
};

class NoSuenan : public ConCarpeta, public testing::WithParamInterface<CasoFallo> {};

// A sound that cannot play cuts off the one playing and counts as ended at once, in both ways
// of waiting; each fault is told once on stderr.
TEST_P(NoSuenan, CuentaComoTerminadoAlMomento) {
  const CasoFallo& caso = GetParam();
  // SDL takes its driver when the first player of the program is made. A driver of another
  // name on every run: each fault is told once per run.
  static int prueba = 0;
  const QByteArray numero = QByteArray::number(++prueba);
  if (caso.driver) qputenv("SDL_AUDIODRIVER", QByteArray(caso.driver).replace("#", numero));
  qputenv("SDL_DISKAUDIOFILE", "/no/existe/" + numero);
  if (caso.bytes == "/") {
    carpeta.CrearCarpeta(QStringLiteral("a.wav"));
  } else if (!caso.bytes.isNull()) {
    Archivo(QStringLiteral("a.wav"), caso.bytes);
  }
  avisos = 0;
  const QtMessageHandler anterior = qInstallMessageHandler(ContarAviso);
  {
    ReproductorDe<ReproductorSdl> reproductor;
    Sonido sonido(reproductor, carpeta.Ruta());
    reproductor.Abrir(Archivo(QStringLiteral("largo.wav"), Tono(2.0, 22050)));
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
  CasoFallo{"NoEsWav", QByteArray("Esto no es un archivo de sonido.\r\n"), 1},
  CasoFallo{"CortadoAntesDeLosDatos", Tono(0.1, 22050).left(36), 1},
  CasoFallo{"Carpeta", QByteArray("/"), 1},
  CasoFallo{"SinMuestras", Tono(0, 22050), 0},
  CasoFallo{"SinDriver", Tono(0.1, 22050), 1, "ninguno#"},
  CasoFallo{"SinDispositivo", Tono(0.1, 22050), 1, "disk"}
), [](const auto& dato) { return std::string(dato.param.nombre); });
// clang-format on

}  // namespace
}  // namespace tiendal
