// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/reproductor_sdl.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QFileInfo>
#include <QObject>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
#include <future>
#include <new>
#include <vector>

#include "audio/dispositivo_sdl.h"
#include "audio/memoria_sonidos.h"
#include "audio/wav_sdl.h"
#include "core/aviso_unico.h"
#include "core/traspaso_hilos.h"

namespace tiendal {
namespace {

// About three minutes of sound as the device takes it.
constexpr std::size_t kMemoriaBytes = 32u << 20;
// A longer sound starts on its first part, converted at once, while the whole of it is
// converted on another thread; it takes the place of the part long before that has played.
constexpr double kCabezaSegundos = 0.5;

QString ErrorSdl() { return QString::fromUtf8(SDL_GetError()); }

// Receives what the audio thread posts, in the thread that made the player; the event itself
// wakes that thread's event loop.
class Despertador final : public QObject {
 public:
  explicit Despertador(std::function<void()> alDespertar) : alDespertar_(std::move(alDespertar)) {}

  bool event(QEvent* evento) override {
    TraspasoRecibido(evento);
    if (evento->type() != QEvent::User) return QObject::event(evento);
    alDespertar_();
    return true;
  }

 private:
  std::function<void()> alDespertar_;
};

}  // namespace

// One player's sound, a track of the shared device.
struct ReproductorSdl::Estado final : DispositivoSdl::Pista {
  // Used on the players' thread only.
  static MemoriaSonidos& Memoria() {
    static MemoriaSonidos memoria(kMemoriaBytes);
    return memoria;
  }

  // A whole sound being converted on another thread, for the memory once it is done.
  struct Conversion {
    QString clave;
    MemoriaSonidos::Huella huella;
    std::future<MemoriaSonidos::Muestras> muestras;
  };

  explicit Estado(std::chrono::milliseconds reposo) : despertador([this] { AlDespertar(); }) {
    cierre.setSingleShot(true);
    cierre.setInterval(reposo);
    // The device is let go once every player has been quiet for a while.
    QObject::connect(&cierre, &QTimer::timeout, &despertador,
                     [] { DispositivoSdl::Compartido().CerrarSiReposa(); });
  }

  bool Conectar();
  void Desconectar();
  void AlDespertar();
  void Mezclar(Uint8* salida, std::size_t bytes) override;
  bool Sonando() const override { return ocupado.load(); }
  void AlCerrar() override;
  void Despertar() {
    auto* evento = new QEvent(QEvent::User);
    TraspasoHecho(evento);
    QCoreApplication::postEvent(&despertador, evento);
  }
  void Empezar(MemoriaSonidos::Muestras nuevas, bool completas);
  void ConvertirResto(std::shared_ptr<const WavDecodificado> wav, const QString& ruta,
                      const QString& clave, MemoriaSonidos::Huella huella);
  void RecogerConversiones(bool esperar);

  bool sdlIniciado = false;
  bool conectado = false;
  bool fallido = false;
  SDL_AudioDeviceID dispositivo = 0;
  SDL_AudioSpec formato{};
  double bytesPorSegundo = 1;
  double duracion = 0;
  std::vector<Conversion> conversiones;
  Despertador despertador;
  QTimer cierre;

  // Held under the device's lock: the audio thread reads them while filling a buffer.
  MemoriaSonidos::Muestras muestras;
  bool completas = true;  // false while the rest of the sound is still being converted
  std::uint64_t generacion = 0;
  std::size_t entregados = 0;

  std::atomic<bool> ocupado{false};
  std::atomic<std::size_t> bytesEntregados{0};
  // The last sound (by its `generacion`) that has reached the device, or is over before that.
  std::atomic<std::uint64_t> arrancada{0};
};

void ReproductorSdl::Estado::Mezclar(Uint8* salida, std::size_t bytes) {
  if (!ocupado.load()) return;
  const std::size_t quedan = muestras->size() - entregados;
  if (quedan == 0) {
    if (!completas) return;  // the rest is late: a moment of silence
    // The last samples went out with the previous buffer, which the device has now played.
    ocupado.store(false);
    bytesEntregados.store(0);
    Despertar();
    return;
  }
  const bool primero = entregados == 0;
  const std::size_t n = std::min(quedan, bytes);
  SDL_MixAudioFormat(salida, muestras->data() + entregados, formato.format, static_cast<Uint32>(n),
                     SDL_MIX_MAXVOLUME);
  entregados += n;
  bytesEntregados.store(entregados);
  if (primero) {
    Despertar();
    arrancada.store(generacion);
    arrancada.notify_all();
  }
}

bool ReproductorSdl::Estado::Conectar() {
  if (conectado) return true;
  if (fallido || !sdlIniciado) return false;
  DispositivoSdl& d = DispositivoSdl::Compartido();
  if (!d.Abrir()) {
    fallido = true;  // tried once per player: the next window tries again
    return false;
  }
  formato = d.Formato();
  bytesPorSegundo = static_cast<double>(formato.freq) * formato.channels *
                    (SDL_AUDIO_BITSIZE(formato.format) / 8);
  d.Unir(*this);
  dispositivo = d.Id();
  conectado = true;
  return true;
}

void ReproductorSdl::Estado::Desconectar() {
  if (!conectado) return;
  conectado = false;
  DispositivoSdl::Compartido().Separar(*this);
}

void ReproductorSdl::Estado::AlDespertar() {
  if (!ocupado.load()) cierre.start();
}

void ReproductorSdl::Estado::AlCerrar() {
  RecogerConversiones(true);  // they lock the device
  conectado = false;
  dispositivo = 0;
}

void ReproductorSdl::Estado::Empezar(MemoriaSonidos::Muestras nuevas, bool enteras) {
  const bool suena = nuevas && !nuevas->empty();
  SDL_LockAudioDevice(dispositivo);
  muestras.swap(nuevas);
  completas = enteras;
  ++generacion;
  entregados = 0;
  bytesEntregados.store(0);
  ocupado.store(suena);
  arrancada.store(suena ? generacion - 1 : generacion);
  SDL_UnlockAudioDevice(dispositivo);
  arrancada.notify_all();
  if (!suena) cierre.start();  // nothing will end: the quiet time starts now
  // The sound cut off, if any, is let go here, out of the audio thread's way.
}

void ReproductorSdl::Estado::ConvertirResto(std::shared_ptr<const WavDecodificado> wav,
                                            const QString& ruta, const QString& clave,
                                            MemoriaSonidos::Huella huella) {
  SDL_LockAudioDevice(dispositivo);
  const std::uint64_t estaVez = generacion;
  SDL_UnlockAudioDevice(dispositivo);
  auto tarea = [this, wav = std::move(wav), estaVez,
                ruta](bool esperar) -> MemoriaSonidos::Muestras {
    // Not before the first part has reached the device: the audio thread goes first.
    for (auto vista = arrancada.load(); esperar && vista < estaVez; vista = arrancada.load()) {
      arrancada.wait(vista);
    }
    std::vector<Uint8> convertidas;
    QString fallo;
    MemoriaSonidos::Muestras enteras;
    try {
      if (ConvertirWav(*wav, wav->bytes, formato, convertidas, fallo)) {
        enteras = std::make_shared<const std::vector<Uint8>>(std::move(convertidas));
      }
    } catch (const std::bad_alloc&) {
      AvisarUnaVez(QStringLiteral("memoria ") + ruta,
                   QCoreApplication::translate(
                       "Sonido", "Tiendal: no hay memoria para «%1» entero; sonará su comienzo.")
                       .arg(ruta));
    }
    // Whole or not, the sound is complete from here on: it never waits for a rest that failed.
    SDL_LockAudioDevice(dispositivo);
    if (generacion == estaVez) {
      // Same samples as the first part up to where it was cut, so the sound goes on seamlessly.
      if (enteras && enteras->size() >= entregados) muestras = enteras;
      completas = true;
    }
    SDL_UnlockAudioDevice(dispositivo);
    return enteras;
  };
  std::future<MemoriaSonidos::Muestras> resto;
  try {
    resto = std::async(std::launch::async, tarea, true);
  } catch (const std::exception&) {
    // No thread to be had (or no memory for one): the rest is converted here and now, inside
    // the event handler that asked for the sound, rather than an exception thrown out of it.
    std::promise<MemoriaSonidos::Muestras> aqui;
    aqui.set_value(tarea(false));
    resto = aqui.get_future();
  }
  conversiones.push_back({clave, huella, std::move(resto)});
}

void ReproductorSdl::Estado::RecogerConversiones(bool esperar) {
  std::erase_if(conversiones, [esperar](Conversion& c) {
    if (!esperar && c.muestras.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
      return false;
    }
    if (auto enteras = c.muestras.get()) Memoria().Guardar(c.clave, c.huella, std::move(enteras));
    return true;
  });
}

ReproductorSdl::ReproductorSdl(std::chrono::milliseconds reposo)
    : estado_(std::make_unique<Estado>(reposo)) {
  // SDL's own SIGINT/SIGTERM handlers would turn them into quit events that nobody reads.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  estado_->sdlIniciado = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  if (!estado_->sdlIniciado) {
    const QString error = ErrorSdl();
    AvisarUnaVez(
        QStringLiteral("audio ") + error,
        QCoreApplication::translate("Sonido", "Tiendal: no hay sonido (%1); no sonará nada.")
            .arg(error));
  }
}

ReproductorSdl::~ReproductorSdl() {
  Detener();
  estado_->RecogerConversiones(true);
  // Once off the device's list, the audio thread posts nothing more to the waker.
  estado_->Desconectar();
  if (estado_->sdlIniciado) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void ReproductorSdl::Abrir(const QString& ruta) {
  Estado& e = *estado_;
  e.duracion = 0;
  if (!e.Conectar()) return;
  e.RecogerConversiones(false);

  const QFileInfo info(ruta);
  const MemoriaSonidos::Huella huella{info.size(), info.lastModified().toMSecsSinceEpoch()};
  const QString clave = QStringLiteral("%1 %2 %3 ")
                            .arg(e.formato.freq)
                            .arg(e.formato.channels)
                            .arg(e.formato.format) +
                        ruta;
  if (auto guardadas = Estado::Memoria().Buscar(clave, huella)) {
    e.duracion = static_cast<double>(guardadas->size()) / e.bytesPorSegundo;
    e.Empezar(std::move(guardadas), true);
    return;
  }

  QString fallo;
  const auto wav = DecodificarWav(ruta, fallo);
  std::vector<Uint8> convertidas;
  bool enteras = true;
  bool convertido = false;
  if (wav) {
    const auto cabeza = static_cast<Uint32>(kCabezaSegundos * wav->formato.freq);
    enteras = wav->bytes / wav->BytesPorCuadro() <= cabeza + cabeza / 4;
    convertido = enteras ? ConvertirWav(*wav, wav->bytes, e.formato, convertidas, fallo)
                         : ConvertirComienzo(*wav, cabeza, e.formato, convertidas, fallo);
  }
  if (!convertido) {
    AvisarUnaVez(ruta,
                 QCoreApplication::translate("Sonido", "Tiendal: no se puede reproducir «%1»: %2")
                     .arg(ruta, fallo));
    e.Empezar(nullptr, true);
    return;
  }
  e.duracion = wav->Segundos();
  auto nuevas = std::make_shared<const std::vector<Uint8>>(std::move(convertidas));
  if (enteras) Estado::Memoria().Guardar(clave, huella, nuevas);
  e.Empezar(std::move(nuevas), enteras);
  if (!enteras) e.ConvertirResto(wav, ruta, clave, huella);
}

bool ReproductorSdl::Ocupado() const { return estado_->ocupado.load(); }

void ReproductorSdl::Detener() {
  Estado& e = *estado_;
  if (!e.conectado) return;
  SDL_LockAudioDevice(e.dispositivo);
  e.ocupado.store(false);
  e.bytesEntregados.store(0);
  e.arrancada.store(e.generacion);
  SDL_UnlockAudioDevice(e.dispositivo);
  e.arrancada.notify_all();
  e.cierre.start();  // a stopped sound never reports its end: the quiet time starts now
}

double ReproductorSdl::Posicion() const {
  if (!estado_->ocupado.load()) return 0;
  return static_cast<double>(estado_->bytesEntregados.load()) / estado_->bytesPorSegundo;
}

double ReproductorSdl::Duracion() const { return estado_->duracion; }

}  // namespace tiendal
