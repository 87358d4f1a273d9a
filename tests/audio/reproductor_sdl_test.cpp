#include "audio/reproductor_sdl.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

#include "audio/lectura.h"
#include "audio/sonido.h"
#include "audio/wav_sdl.h"
#include "core/practica.h"
#include "vista_lectura.h"
#include "wav.h"

namespace tiendal {
namespace {

// Warnings the player writes, caught instead of going to stderr.
class Avisos final {
 public:
  Avisos() {
    lista_ = &avisos;
    anterior_ = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& texto) { lista_->append(texto); });
  }
  ~Avisos() { qInstallMessageHandler(anterior_); }
  Avisos(const Avisos&) = delete;
  Avisos& operator=(const Avisos&) = delete;

  QStringList avisos;

 private:
  static inline QStringList* lista_ = nullptr;
  QtMessageHandler anterior_;
};

// Sets an environment variable for the life of the object. SDL reads its driver when its audio
// starts, which is when the first player of the program is made and no other is alive.
class Entorno final {
 public:
  Entorno(const char* nombre, const QByteArray& valor)
      : nombre_(nombre), antes_(qgetenv(nombre)), habia_(qEnvironmentVariableIsSet(nombre)) {
    qputenv(nombre, valor);
  }
  ~Entorno() {
    if (habia_) {
      qputenv(nombre_, antes_);
    } else {
      qunsetenv(nombre_);
    }
  }
  Entorno(const Entorno&) = delete;
  Entorno& operator=(const Entorno&) = delete;

 private:
  const char* nombre_;
  QByteArray antes_;
  bool habia_;
};

class ReproductorReal : public testing::Test {
 protected:
  QString Archivo(const QString& nombre, const QByteArray& bytes) {
    const QString ruta = carpeta.filePath(nombre);
    EXPECT_TRUE(Escribir(ruta, bytes));
    return ruta;
  }
  QString Tono(const QString& nombre, double segundos) {
    return Archivo(
        nombre, GenerarWav(Codificacion::S16, 22050, 1, static_cast<int>(segundos * 22050)).bytes);
  }
  // Handles events until the sound has played at least `segundos`, or has ended.
  void HastaPosicion(double segundos) {
    while (reproductor.Ocupado() && reproductor.Posicion() < segundos) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
      QThread::msleep(2);
    }
  }

  QTemporaryDir carpeta;
  ReproductorSdl reproductor;
  Sonido sonido{reproductor, carpeta.path()};
};

TEST_F(ReproductorReal, SinSonidoEstaParado) {
  EXPECT_FALSE(reproductor.Ocupado());
  EXPECT_EQ(reproductor.Posicion(), 0.0);
  EXPECT_FALSE(sonido.EsperarSonido());
  reproductor.Detener();
  EXPECT_FALSE(reproductor.Ocupado());
}

TEST_F(ReproductorReal, LaPosicionCreceMientrasSuena) {
  reproductor.Abrir(Tono(QStringLiteral("a.wav"), 0.2));
  HastaPosicion(0.001);
  ASSERT_TRUE(reproductor.Ocupado());
  const double primera = reproductor.Posicion();
  HastaPosicion(primera + 0.001);
  ASSERT_TRUE(reproductor.Ocupado());
  EXPECT_GT(reproductor.Posicion(), primera);
  EXPECT_LE(reproductor.Posicion(), reproductor.Duracion());
}

TEST_F(ReproductorReal, UnSonidoNuevoCortaElAnteriorYEmpiezaDesdeElPrincipio) {
  const QString largo = Tono(QStringLiteral("largo.wav"), 2.0);
  const QString corto = Tono(QStringLiteral("corto.wav"), 0.05);
  reproductor.Abrir(largo);
  HastaPosicion(0.1);
  ASSERT_TRUE(reproductor.Ocupado());

  reproductor.Abrir(corto);

  EXPECT_TRUE(reproductor.Ocupado());
  EXPECT_NEAR(reproductor.Duracion(), 0.05, 0.001);
  EXPECT_LT(reproductor.Posicion(), 0.1);  // the short sound never gets that far
  EXPECT_FALSE(sonido.EsperarSonido());
  QCoreApplication::processEvents();
  EXPECT_FALSE(reproductor.Ocupado());  // the long one does not come back
}

TEST_F(ReproductorReal, CortadoMientrasSeConvierteElResto) {
  // A long sound starts on its first part; cut off at once, the rest converted meanwhile must
  // not come back in place of the next sound.
  const QString largo = Tono(QStringLiteral("largo.wav"), 1.0);
  const QString corto = Tono(QStringLiteral("corto.wav"), 0.05);
  reproductor.Abrir(largo);
  EXPECT_NEAR(reproductor.Duracion(), 1.0, 0.001);
  reproductor.Abrir(corto);
  EXPECT_NEAR(reproductor.Duracion(), 0.05, 0.001);
  EXPECT_FALSE(sonido.EsperarSonido());
  QThread::msleep(50);
  QCoreApplication::processEvents();
  EXPECT_FALSE(reproductor.Ocupado());
  reproductor.Abrir(largo);
  EXPECT_NEAR(reproductor.Duracion(), 1.0, 0.001);
  reproductor.Detener();
}

TEST_F(ReproductorReal, DestruidoMientrasSeConvierteElResto) {
  for (int vez = 0; vez < 3; ++vez) {
    const QString largo = Tono(QStringLiteral("largo%1.wav").arg(vez), 2.0);
    ReproductorSdl otro;
    otro.Abrir(largo);
    EXPECT_TRUE(otro.Ocupado());
  }
}

TEST_F(ReproductorReal, DetenerParaElSonidoAlMomento) {
  reproductor.Abrir(Tono(QStringLiteral("a.wav"), 2.0));
  ASSERT_TRUE(reproductor.Ocupado());
  reproductor.Detener();
  EXPECT_FALSE(reproductor.Ocupado());
  EXPECT_EQ(reproductor.Posicion(), 0.0);
  EXPECT_FALSE(sonido.EsperarSonido());
}

TEST_F(ReproductorReal, CtrlDuranteLaEsperaDelBucleDeEventos) {
  sonido.ReproducirSonido(QStringLiteral("a.wav"));
  Tono(QStringLiteral("a.wav"), 2.0);
  sonido.ReproducirSonido(QStringLiteral("a.wav"));
  bool detenida = false;
  QTimer::singleShot(0, [&] {
    sonido.DetenerSonido();
    detenida = true;
  });
  EXPECT_TRUE(sonido.EsperarSonido([&] { return detenida; }));
  EXPECT_FALSE(reproductor.Ocupado());
}

TEST_F(ReproductorReal, CerrarDuranteLaEspera) {
  Tono(QStringLiteral("a.wav"), 2.0);
  sonido.ReproducirSonido(QStringLiteral("a.wav"));
  QTimer::singleShot(0, [&] { sonido.Cerrar(); });
  EXPECT_TRUE(sonido.EsperarSonido());
  EXPECT_FALSE(reproductor.Ocupado());
  sonido.ReproducirSonido(QStringLiteral("a.wav"));
  EXPECT_FALSE(reproductor.Ocupado());
}

TEST_F(ReproductorReal, EsperarPosicionConUnSonidoVacioNoSeQuedaColgada) {
  Archivo(QStringLiteral("vacio.wav"), GenerarWav(Codificacion::S16, 22050, 1, 0).bytes);
  Tono(QStringLiteral("corto.wav"), 0.001);
  for (const char* nombre : {"vacio.wav", "corto.wav", "no-existe.wav"}) {
    sonido.ReproducirSonido(QString::fromUtf8(nombre));
    EXPECT_FALSE(sonido.EsperarPosicion([] { return false; })) << nombre;
  }
}

struct CasoFallo {
  const char* nombre;
  QByteArray bytes;  // null: no file at all
};

void PrintTo(const CasoFallo& caso, std::ostream* os) { *os << caso.nombre; }

class ArchivosQueNoSuenan : public ReproductorReal,
                            public testing::WithParamInterface<CasoFallo> {};

TEST_P(ArchivosQueNoSuenan, CuentanComoTerminadosYSeAvisaUnaVez) {
  const CasoFallo& caso = GetParam();
  const QString nombre = QString::fromUtf8(caso.nombre) + QStringLiteral(".wav");
  if (!caso.bytes.isNull()) Archivo(nombre, caso.bytes);
  Avisos avisos;
  reproductor.Abrir(Tono(QStringLiteral("largo.wav"), 2.0));
  ASSERT_TRUE(reproductor.Ocupado());

  for (int vez = 0; vez < 3; ++vez) {
    sonido.ReproducirSonido(nombre);
    EXPECT_FALSE(reproductor.Ocupado());
    EXPECT_EQ(reproductor.Duracion(), 0.0);
    EXPECT_FALSE(sonido.EsperarSonido());
  }
  ASSERT_EQ(avisos.avisos.size(), 1);
  EXPECT_TRUE(avisos.avisos[0].contains(nombre)) << avisos.avisos[0].toStdString();
}

QByteArray Truncado(int bytes) {
  return GenerarWav(Codificacion::S16, 22050, 1, 2205).bytes.left(bytes);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Casos, ArchivosQueNoSuenan, testing::Values(
  CasoFallo{"NoExiste", QByteArray()},
  CasoFallo{"Vacio", QByteArray("")},
  CasoFallo{"Texto", QByteArray("Esto no es un archivo de sonido.\r\n")},
  CasoFallo{"SoloRiff", Truncado(12)},
  CasoFallo{"SinDatos", Truncado(36)},
  CasoFallo{"Gsm", GenerarWav(Codificacion::Gsm, 8000, 1, 800).bytes}
), [](const testing::TestParamInfo<CasoFallo>& dato) { return dato.param.nombre; });
// clang-format on

TEST_F(ReproductorReal, ArchivoCortadoSuenaLoQueTiene) {
  Archivo(QStringLiteral("cortado.wav"), Truncado(44 + 2 * 1000));
  sonido.ReproducirSonido(QStringLiteral("cortado.wav"));
  EXPECT_NEAR(reproductor.Duracion(), 1000.0 / 22050, 0.002);
  EXPECT_FALSE(sonido.EsperarSonido());
}

TEST_F(ReproductorReal, UnArchivoCambiadoSuenaComoEsAhora) {
  const QString ruta = Tono(QStringLiteral("a.wav"), 0.05);
  reproductor.Abrir(ruta);
  EXPECT_NEAR(reproductor.Duracion(), 0.05, 0.001);
  reproductor.Abrir(ruta);  // the second time from memory
  EXPECT_NEAR(reproductor.Duracion(), 0.05, 0.001);
  Tono(QStringLiteral("a.wav"), 0.08);
  reproductor.Abrir(ruta);
  EXPECT_NEAR(reproductor.Duracion(), 0.08, 0.001);
  ASSERT_TRUE(QFile::remove(ruta));
  reproductor.Abrir(ruta);
  EXPECT_FALSE(reproductor.Ocupado());
}

TEST_F(ReproductorReal, NombreEnOtrasMayusculas) {
  Tono(QStringLiteral("IGUAL.WAV"), 0.05);
  sonido.ReproducirSonido(QStringLiteral("igual.wav"));
  EXPECT_TRUE(reproductor.Ocupado());
  EXPECT_FALSE(sonido.EsperarSonido());
}

TEST_F(ReproductorReal, DosReproductoresALaVez) {
  ReproductorSdl otro;
  reproductor.Abrir(Tono(QStringLiteral("a.wav"), 0.1));
  otro.Abrir(Tono(QStringLiteral("b.wav"), 0.05));
  EXPECT_TRUE(reproductor.Ocupado());
  EXPECT_TRUE(otro.Ocupado());
  Sonido sonidoOtro(otro, carpeta.path());
  EXPECT_FALSE(sonidoOtro.EsperarSonido());
  EXPECT_FALSE(sonido.EsperarSonido());
}

TEST_F(ReproductorReal, DestruirloMientrasSuena) {
  const QString ruta = Tono(QStringLiteral("a.wav"), 1.0);
  for (int vez = 0; vez < 3; ++vez) {
    auto otro = std::make_unique<ReproductorSdl>();
    otro->Abrir(ruta);
    while (otro->Posicion() <= 0 && otro->Ocupado()) QThread::msleep(1);
  }
  QCoreApplication::processEvents();  // the wake-ups of the players gone were dropped with them
  SUCCEED();
}

TEST_F(ReproductorReal, LecturaDeUnaColumnaConSonidosReales) {
  for (const char* nombre : {"1.wav", "3.wav", "igual.wav", "coma.wav"}) {
    Tono(QString::fromUtf8(nombre), 0.05);
  }
  Archivo(QStringLiteral("2.wav"), QByteArray("roto"));
  Practica practica;
  practica.TipoEjercicio = 1;
  practica.MaxFilas = 3;
  int usos = 0;
  VistaLectura vista(&usos);
  vista.precios = {"1", "2", "1,3"};
  vista.resultado = QStringLiteral("4,3");
  Avisos avisos;

  EXPECT_TRUE(Form_KeyDown(kTeclaF2, practica, vista, 3, sonido));

  EXPECT_FALSE(reproductor.Ocupado());
  EXPECT_EQ(avisos.avisos.size(), 1);  // the broken "2.wav"
}

// Handles events for a while, or until `hecho` holds.
template <typename Condicion>
void AtenderHasta(Condicion hecho, int pasadas) {
  for (int pasada = 0; pasada < pasadas && !hecho(); ++pasada) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(10);
  }
}

TEST(Reposo, ElDispositivoSeCierraSinSonidosYVuelveConElSiguiente) {
  QTemporaryDir carpeta;
  ASSERT_TRUE(Escribir(carpeta.filePath(QStringLiteral("a.wav")),
                       GenerarWav(Codificacion::S16, 22050, 1, 1100).bytes));
  ReproductorSdl reproductor(std::chrono::milliseconds(20));
  Sonido sonido(reproductor, carpeta.path());
  sonido.ReproducirSonido(QStringLiteral("a.wav"));
  EXPECT_TRUE(ReproductorSdl::DispositivoAbierto());
  EXPECT_FALSE(sonido.EsperarSonido());

  AtenderHasta([] { return !ReproductorSdl::DispositivoAbierto(); }, 500);
  ASSERT_FALSE(ReproductorSdl::DispositivoAbierto());

  sonido.ReproducirSonido(QStringLiteral("a.wav"));
  EXPECT_TRUE(ReproductorSdl::DispositivoAbierto());
  EXPECT_TRUE(reproductor.Ocupado());
  EXPECT_FALSE(sonido.EsperarSonido());
}

TEST(Reposo, NoSeCierraMientrasOtroReproductorSuena) {
  QTemporaryDir carpeta;
  ASSERT_TRUE(Escribir(carpeta.filePath(QStringLiteral("corto.wav")),
                       GenerarWav(Codificacion::S16, 22050, 1, 1100).bytes));
  ASSERT_TRUE(Escribir(carpeta.filePath(QStringLiteral("largo.wav")),
                       GenerarWav(Codificacion::S16, 22050, 1, 22050 * 5).bytes));
  ReproductorSdl callado(std::chrono::milliseconds(20));
  ReproductorSdl sonando(std::chrono::milliseconds(20));
  Sonido sonido(callado, carpeta.path());
  sonando.Abrir(carpeta.filePath(QStringLiteral("largo.wav")));
  sonido.ReproducirSonido(QStringLiteral("corto.wav"));
  EXPECT_FALSE(sonido.EsperarSonido());

  AtenderHasta([] { return !ReproductorSdl::DispositivoAbierto(); }, 20);

  EXPECT_TRUE(sonando.Ocupado());
  EXPECT_TRUE(ReproductorSdl::DispositivoAbierto());
  sonando.Detener();
}

TEST(SinDispositivo, TodoSonidoTerminaEnseguidaYSeAvisaUnaVez) {
  // A driver of another name each time: every fault is told once per run.
  static int prueba = 0;
  const Entorno controlador("SDL_AUDIODRIVER", "ninguno" + QByteArray::number(++prueba));
  QTemporaryDir carpeta;
  ASSERT_TRUE(Escribir(carpeta.filePath(QStringLiteral("a.wav")),
                       GenerarWav(Codificacion::S16, 22050, 1, 2205).bytes));
  Avisos avisos;
  {
    ReproductorSdl reproductor;
    Sonido sonido(reproductor, carpeta.path());
    for (int vez = 0; vez < 3; ++vez) {
      sonido.ReproducirSonido(QStringLiteral("a.wav"));
      EXPECT_FALSE(reproductor.Ocupado());
      EXPECT_EQ(reproductor.Posicion(), 0.0);
      EXPECT_FALSE(sonido.EsperarSonido());
    }
  }
  {
    ReproductorSdl otro;
    otro.Abrir(carpeta.filePath(QStringLiteral("a.wav")));
    EXPECT_FALSE(otro.Ocupado());
  }
  EXPECT_EQ(avisos.avisos.size(), 1);
}

struct CasoSalida {
  Codificacion codificacion;
  int frecuencia;
  int canales;
  double segundos;
  int picoEsperado;  // of the device's 16-bit samples
};

void PrintTo(const CasoSalida& caso, std::ostream* os) {
  *os << NombreCodificacion(caso.codificacion).toStdString() << ' ' << caso.segundos;
}

class Salida : public testing::TestWithParam<CasoSalida> {};

// Each encoding plays for as long as the file says, keeps the player busy meanwhile and ends the
// wait. What reaches the device, written to a file by SDL's disk driver, is the whole sound
// converted in one piece, from the start of a buffer on and nothing after it, and a tone as loud
// as the one written.
TEST_P(Salida, SuenaEnteroYTermina) {
  const CasoSalida& caso = GetParam();
  QTemporaryDir carpeta;
  const QString salida = carpeta.filePath(QStringLiteral("salida.raw"));
  const QString ruta = carpeta.filePath(QStringLiteral("a.wav"));
  const Entorno controlador("SDL_AUDIODRIVER", "disk");
  const Entorno archivo("SDL_DISKAUDIOFILE", QFile::encodeName(salida));
  const Wav wav = GenerarWav(caso.codificacion, caso.frecuencia, caso.canales,
                             static_cast<int>(caso.segundos * caso.frecuencia));
  ASSERT_TRUE(Escribir(ruta, wav.bytes));
  std::vector<Uint8> referencia;
  {
    ReproductorSdl reproductor;
    Sonido sonido(reproductor, carpeta.path());
    sonido.ReproducirSonido(QStringLiteral("a.wav"));
    ASSERT_TRUE(reproductor.Ocupado());
    EXPECT_NEAR(reproductor.Duracion(), wav.Segundos(), 0.002);
    EXPECT_FALSE(sonido.EsperarSonido());
    EXPECT_FALSE(reproductor.Ocupado());
    EXPECT_EQ(reproductor.Posicion(), 0.0);

    QString fallo;
    const auto decodificado = DecodificarWav(ruta, fallo);
    ASSERT_TRUE(decodificado);
    SDL_AudioSpec dispositivo{};
    dispositivo.freq = 44100;
    dispositivo.format = AUDIO_S16SYS;
    dispositivo.channels = 2;
    ASSERT_TRUE(ConvertirWav(*decodificado, decodificado->bytes, dispositivo, referencia, fallo));
  }

  QFile crudo(salida);
  ASSERT_TRUE(crudo.open(QIODevice::ReadOnly));
  const QByteArray bytes = crudo.readAll();
  const auto* muestras = reinterpret_cast<const qint16*>(bytes.constData());
  const auto n = static_cast<std::size_t>(bytes.size()) / 2;
  const auto* esperadas = reinterpret_cast<const qint16*>(referencia.data());
  const std::size_t m = referencia.size() / 2;
  // The sound starts with a buffer; on a machine too busy to convert a long sound's rest in
  // time, whole buffers of silence may come between its first part and the rest.
  constexpr std::size_t kBloque = 512 * 2;
  constexpr std::size_t kComienzo = 64;
  std::size_t inicio = 0;
  while (inicio + m <= n &&
         !std::equal(esperadas, esperadas + std::min(m, kComienzo), muestras + inicio)) {
    inicio += kBloque;
  }
  ASSERT_LE(inicio + m, n) << "the sound never reached the device";
  EXPECT_TRUE(std::all_of(muestras, muestras + inicio, [](qint16 v) { return v == 0; }));
  std::size_t j = inicio;
  for (std::size_t i = 0; i < m; ++i, ++j) {
    if (j < n && muestras[j] != esperadas[i] && muestras[j] == 0) {
      const std::size_t reanuda = (j - inicio + kBloque - 1) / kBloque * kBloque + inicio;
      ASSERT_TRUE(std::all_of(muestras + j, muestras + std::min(reanuda, n),
                              [](qint16 v) { return v == 0; }));
      j = reanuda;
      while (j < n && muestras[j] == 0 && esperadas[i] != 0) j += kBloque;
    }
    ASSERT_LT(j, n) << "cut at sample " << i << " of " << m;
    ASSERT_EQ(muestras[j], esperadas[i]) << "sample " << i << " of " << m;
  }
  EXPECT_TRUE(std::all_of(muestras + j, muestras + n, [](qint16 v) { return v == 0; }));
  int pico = 0;
  for (std::size_t i = 0; i < m; ++i) pico = std::max(pico, std::abs(int{esperadas[i]}));
  // A step from silence overshoots a little once resampled.
  EXPECT_NEAR(pico, caso.picoEsperado, caso.picoEsperado / 8);
  EXPECT_NEAR(static_cast<double>(m) / 2 / 44100, wav.Segundos(), 0.001);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Casos, Salida, testing::Values(
  CasoSalida{Codificacion::U8, 11025, 1, 0.05, 16384},
  CasoSalida{Codificacion::S16, 22050, 1, 0.05, 16384},
  CasoSalida{Codificacion::S16, 44100, 2, 0.05, 16384},
  CasoSalida{Codificacion::S24, 48000, 1, 0.05, 16384},
  CasoSalida{Codificacion::S24Extensible, 44100, 2, 0.05, 16384},
  CasoSalida{Codificacion::S32, 16000, 1, 0.05, 16384},
  CasoSalida{Codificacion::F32, 22050, 2, 0.05, 16384},
  CasoSalida{Codificacion::MuLaw, 8000, 1, 0.05, 16384},
  CasoSalida{Codificacion::ALaw, 8000, 1, 0.05, 16384},
  CasoSalida{Codificacion::ImaAdpcm, 22050, 1, 0.05, 1024},
  CasoSalida{Codificacion::ImaAdpcm, 11025, 2, 0.05, 1024},
  CasoSalida{Codificacion::MsAdpcm, 22050, 1, 0.05, 1024},
  CasoSalida{Codificacion::MsAdpcm, 8000, 2, 0.05, 1024},
  // Long enough to start on a first part while the rest is converted.
  CasoSalida{Codificacion::S16, 22050, 1, 0.7, 16384},
  CasoSalida{Codificacion::MuLaw, 8000, 1, 0.7, 16384},
  CasoSalida{Codificacion::ImaAdpcm, 11025, 2, 0.7, 1024}
), [](const testing::TestParamInfo<CasoSalida>& dato) {
  return (NombreCodificacion(dato.param.codificacion) + QString::number(dato.param.frecuencia) +
          (dato.param.canales == 2 ? QStringLiteral("Estereo") : QStringLiteral("Mono")) +
          QString::number(static_cast<int>(dato.param.segundos * 1000)) + QStringLiteral("ms"))
      .toStdString();
});
// clang-format on

}  // namespace
}  // namespace tiendal
