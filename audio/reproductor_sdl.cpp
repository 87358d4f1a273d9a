#include "audio/reproductor_sdl.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QFile>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <vector>

namespace tiendal {
namespace {

constexpr int kFrecuencia = 44100;
constexpr Uint8 kCanales = 2;
// 11.6 ms at 44.1 kHz: the start and the end of a sound are seen within one buffer.
constexpr Uint16 kMuestrasPorBloque = 512;

// Each fault is told once per run, however often the pupil asks for the sound.
void AvisarUnaVez(const QString& clave, const QString& texto) {
  static QMutex mutex;
  static QSet<QString> avisados;
  const QMutexLocker bloqueo(&mutex);
  if (avisados.contains(clave)) return;
  avisados.insert(clave);
  qWarning().noquote() << texto;
}

QString ErrorSdl() { return QString::fromUtf8(SDL_GetError()); }

// Decodes a WAV file and converts it to the device's format. Empty on failure, with the reason.
bool CargarWav(const QString& ruta, const SDL_AudioSpec& destino, std::vector<Uint8>& salida,
               QString& fallo) {
  SDL_RWops* archivo = SDL_RWFromFile(QFile::encodeName(ruta).constData(), "rb");
  if (archivo == nullptr) {
    fallo = ErrorSdl();
    return false;
  }
  SDL_AudioSpec origen{};
  Uint8* datos = nullptr;
  Uint32 largo = 0;
  if (SDL_LoadWAV_RW(archivo, 1, &origen, &datos, &largo) == nullptr) {
    fallo = ErrorSdl();
    return false;
  }
  const std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)> liberar(datos, &SDL_FreeWAV);

  SDL_AudioCVT cvt{};
  if (SDL_BuildAudioCVT(&cvt, origen.format, origen.channels, origen.freq, destino.format,
                        destino.channels, destino.freq) < 0) {
    fallo = ErrorSdl();
    return false;
  }
  if (largo == 0 || cvt.needed == 0) {
    salida.assign(datos, datos + largo);
    return true;
  }
  salida.assign(static_cast<std::size_t>(largo) * static_cast<std::size_t>(cvt.len_mult), 0);
  std::memcpy(salida.data(), datos, largo);
  cvt.buf = salida.data();
  cvt.len = static_cast<int>(largo);
  if (SDL_ConvertAudio(&cvt) < 0) {
    fallo = ErrorSdl();
    return false;
  }
  salida.resize(static_cast<std::size_t>(cvt.len_cvt));
  return true;
}

}  // namespace

struct ReproductorSdl::Estado {
  // One device for the whole program: a window's player may still be alive when the next
  // window's starts, and some drivers open a single device only. Each player mixes its sound in.
  struct Dispositivo {
    SDL_AudioDeviceID id = 0;
    SDL_AudioSpec formato{};
    std::vector<Estado*> pistas;  // changed under the device's lock
  };
  static Dispositivo& Compartido() {
    static Dispositivo dispositivo;
    return dispositivo;
  }
  static void SDLCALL Rellenar(void* datos, Uint8* salida, int bytes);

  void Mezclar(Uint8* salida, std::size_t bytes);
  bool Conectar();
  void Desconectar();
  void Despertar() { QCoreApplication::postEvent(&despertador, new QEvent(QEvent::User)); }

  bool sdlIniciado = false;
  bool conectado = false;
  bool fallido = false;
  SDL_AudioDeviceID dispositivo = 0;
  SDL_AudioSpec formato{};
  double bytesPorSegundo = 1;
  double duracion = 0;
  // Lives in the thread that made the player; an event posted to it wakes that thread's loop.
  QObject despertador;

  // Held under the device's lock: the audio thread reads them while filling a buffer.
  std::vector<Uint8> muestras;
  std::size_t entregados = 0;

  std::atomic<bool> ocupado{false};
  std::atomic<std::size_t> bytesEntregados{0};
};

void SDLCALL ReproductorSdl::Estado::Rellenar(void* datos, Uint8* salida, int bytes) {
  const auto& d = *static_cast<Dispositivo*>(datos);
  const auto pedidos = static_cast<std::size_t>(bytes);
  std::memset(salida, d.formato.silence, pedidos);
  for (Estado* pista : d.pistas) pista->Mezclar(salida, pedidos);
}

void ReproductorSdl::Estado::Mezclar(Uint8* salida, std::size_t bytes) {
  if (!ocupado.load()) return;
  const std::size_t quedan = muestras.size() - entregados;
  if (quedan == 0) {
    // The last samples went out with the previous buffer, which the device has now played.
    ocupado.store(false);
    bytesEntregados.store(0);
    Despertar();
    return;
  }
  const bool primero = entregados == 0;
  const std::size_t n = std::min(quedan, bytes);
  SDL_MixAudioFormat(salida, muestras.data() + entregados, formato.format, static_cast<Uint32>(n),
                     SDL_MIX_MAXVOLUME);
  entregados += n;
  bytesEntregados.store(entregados);
  if (primero) Despertar();
}

bool ReproductorSdl::Estado::Conectar() {
  if (conectado) return true;
  if (fallido || !sdlIniciado) return false;
  Dispositivo& d = Compartido();
  if (d.id == 0) {
    SDL_AudioSpec deseado{};
    deseado.freq = kFrecuencia;
    deseado.format = AUDIO_S16SYS;
    deseado.channels = kCanales;
    deseado.samples = kMuestrasPorBloque;
    deseado.callback = &Estado::Rellenar;
    deseado.userdata = &d;
    d.id = SDL_OpenAudioDevice(nullptr, 0, &deseado, &d.formato,
                               SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (d.id == 0) {
      // Tried once per player: the next window tries again.
      fallido = true;
      const QString error = ErrorSdl();
      AvisarUnaVez(QStringLiteral("dispositivo ") + error,
                   QStringLiteral("Tiendal: no se puede abrir el dispositivo de sonido (%1); "
                                  "no sonará nada.")
                       .arg(error));
      return false;
    }
    SDL_PauseAudioDevice(d.id, 0);
  }
  formato = d.formato;
  bytesPorSegundo = static_cast<double>(formato.freq) * formato.channels *
                    (SDL_AUDIO_BITSIZE(formato.format) / 8);
  SDL_LockAudioDevice(d.id);
  d.pistas.push_back(this);
  SDL_UnlockAudioDevice(d.id);
  dispositivo = d.id;
  conectado = true;
  return true;
}

void ReproductorSdl::Estado::Desconectar() {
  if (!conectado) return;
  Dispositivo& d = Compartido();
  SDL_LockAudioDevice(d.id);
  std::erase(d.pistas, this);
  SDL_UnlockAudioDevice(d.id);
  conectado = false;
  if (d.pistas.empty()) {
    SDL_CloseAudioDevice(d.id);
    d.id = 0;
  }
}

ReproductorSdl::ReproductorSdl() : estado_(std::make_unique<Estado>()) {
  // SDL's own SIGINT/SIGTERM handlers would turn them into quit events that nobody reads.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  estado_->sdlIniciado = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  if (!estado_->sdlIniciado) {
    const QString error = ErrorSdl();
    AvisarUnaVez(QStringLiteral("audio ") + error,
                 QStringLiteral("Tiendal: no hay sonido (%1); no sonará nada.").arg(error));
  }
}

ReproductorSdl::~ReproductorSdl() {
  // Once off the device's list, the audio thread posts nothing more to the waker.
  estado_->Desconectar();
  if (estado_->sdlIniciado) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void ReproductorSdl::Abrir(const QString& ruta) {
  Estado& e = *estado_;
  e.duracion = 0;
  if (!e.Conectar()) return;

  std::vector<Uint8> muestras;
  QString fallo;
  if (!CargarWav(ruta, e.formato, muestras, fallo)) {
    AvisarUnaVez(ruta, QStringLiteral("Tiendal: no se puede reproducir «%1»: %2").arg(ruta, fallo));
    muestras.clear();
  }
  e.duracion = static_cast<double>(muestras.size()) / e.bytesPorSegundo;

  SDL_LockAudioDevice(e.dispositivo);
  e.muestras.swap(muestras);
  e.entregados = 0;
  e.bytesEntregados.store(0);
  e.ocupado.store(!e.muestras.empty());
  SDL_UnlockAudioDevice(e.dispositivo);
}

bool ReproductorSdl::Ocupado() const { return estado_->ocupado.load(); }

void ReproductorSdl::Detener() {
  Estado& e = *estado_;
  if (!e.conectado) return;
  SDL_LockAudioDevice(e.dispositivo);
  e.ocupado.store(false);
  e.bytesEntregados.store(0);
  SDL_UnlockAudioDevice(e.dispositivo);
}

double ReproductorSdl::Posicion() const {
  if (!estado_->ocupado.load()) return 0;
  return static_cast<double>(estado_->bytesEntregados.load()) / estado_->bytesPorSegundo;
}

double ReproductorSdl::Duracion() const { return estado_->duracion; }

}  // namespace tiendal
