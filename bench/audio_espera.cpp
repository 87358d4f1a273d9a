// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a reading's wait costs: CPU while a sound plays, and how soon the end of a sound is seen.
#include <SDL.h>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include "audio/reproductor_sdl.h"
#include "core/reproductor_de.h"
#include "core/sonido.h"
#include "tests/comun/carpeta.h"

namespace tiendal {
namespace {

using Reloj = std::chrono::steady_clock;

// The tones are mono 16-bit at the rate of the program's recordings.
constexpr int kMuestrasPorSegundo = 22050;

double SegundosCpu(int quien) {
  rusage uso{};
  getrusage(quien, &uso);
  const auto segundos = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
  };
  return segundos(uso.ru_utime) + segundos(uso.ru_stime);
}

double Desde(Reloj::time_point inicio) {
  return std::chrono::duration<double>(Reloj::now() - inicio).count();
}

// CPU of the whole process (the audio thread included) and of the waiting thread alone, as a
// share of one core, while EsperarSonido waits on a sound of `segundos`.
void MedirCpu(benchmark::State& state, double segundos, bool girando) {
  Carpeta carpeta;
  carpeta.Escribir(QStringLiteral("tono.wav"), Tono(segundos, kMuestrasPorSegundo));
  ReproductorDe<ReproductorSdl> reproductor;
  std::function<void()> atender;
  if (girando) atender = [] { QCoreApplication::processEvents(QEventLoop::AllEvents); };
  Sonido sonido(reproductor, carpeta.Ruta(), atender);
  state.SetLabel(SDL_GetCurrentAudioDriver() ? SDL_GetCurrentAudioDriver() : "sin sonido");
  // Once converted, the sound is taken from memory: only the wait is measured.
  sonido.ReproducirSonido(QStringLiteral("tono.wav"));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  double proceso = 0;
  double hilo = 0;
  double pared = 0;
  for (auto _ : state) {
    sonido.ReproducirSonido(QStringLiteral("tono.wav"));
    const double proceso0 = SegundosCpu(RUSAGE_SELF);
    const double hilo0 = SegundosCpu(RUSAGE_THREAD);
    const auto inicio = Reloj::now();
    sonido.EsperarSonido();
    pared += Desde(inicio);
    proceso += SegundosCpu(RUSAGE_SELF) - proceso0;
    hilo += SegundosCpu(RUSAGE_THREAD) - hilo0;
  }
  state.counters["cpu_proceso_%"] = 100 * proceso / pared;
  state.counters["cpu_hilo_espera_%"] = 100 * hilo / pared;
  state.counters["espera_s"] = pared / static_cast<double>(state.iterations());
}

void BM_CpuEsperandoSonido5s(benchmark::State& state) { MedirCpu(state, 5.0, false); }
BENCHMARK(BM_CpuEsperandoSonido5s)->Iterations(3)->Unit(benchmark::kSecond);

// The same wait handling events without blocking: what the event loop's wait saves.
void BM_CpuEsperandoGirando1s(benchmark::State& state) { MedirCpu(state, 1.0, true); }
BENCHMARK(BM_CpuEsperandoGirando1s)->Iterations(1)->Unit(benchmark::kSecond);

// From the moment the player turns stopped (seen by a thread that watches it without pause) to
// the return of EsperarSonido, blocked in the event loop until the audio thread wakes it.
void BM_FinDelSonidoNotado(benchmark::State& state) {
  Carpeta carpeta;
  carpeta.Escribir(QStringLiteral("tono.wav"), Tono(0.2, kMuestrasPorSegundo));
  ReproductorDe<ReproductorSdl> reproductor;
  Sonido sonido(reproductor, carpeta.Ruta());
  double peor = 0;
  double suma = 0;
  for (auto _ : state) {
    sonido.ReproducirSonido(QStringLiteral("tono.wav"));
    std::atomic<Reloj::time_point> fin{};
    std::thread vigia([&] {
      while (reproductor.Ocupado()) {
      }
      fin.store(Reloj::now());
    });
    sonido.EsperarSonido();
    const auto vuelta = Reloj::now();
    vigia.join();
    const double retraso =
        std::max(0.0, std::chrono::duration<double>(vuelta - fin.load()).count());
    state.SetIterationTime(retraso);
    suma += retraso;
    peor = std::max(peor, retraso);
  }
  state.counters["medio_ms"] = 1000 * suma / static_cast<double>(state.iterations());
  state.counters["peor_ms"] = 1000 * peor;
}
BENCHMARK(BM_FinDelSonidoNotado)->Iterations(20)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tiendal
