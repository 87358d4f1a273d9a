// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// From ReproducirSonido to the first buffer of the sound handed to the device: the file read,
// decoded and converted (or found converted already), then the audio thread's next callback.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>
#include <chrono>
#include <memory>
#include <random>
#include <thread>
#include <vector>

#include "audio/reproductor_sdl.h"
#include "core/reproductor_de.h"
#include "core/sonido.h"
#include "tests/comun/carpeta.h"

namespace tiendal {
namespace {

using Reloj = std::chrono::steady_clock;

// The tones are mono 16-bit at the rate of the program's recordings.
constexpr int kMuestrasPorSegundo = 22050;

// The position leaves zero when the audio thread hands the sound's first buffer over, and the
// player wakes the event loop then.
double HastaPrimerBloque(Sonido& sonido, Reproductor& reproductor, const QString& nombre) {
  const auto inicio = Reloj::now();
  sonido.ReproducirSonido(nombre);
  while (!(reproductor.Posicion() > 0) && reproductor.Ocupado()) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return std::chrono::duration<double>(Reloj::now() - inicio).count();
}

// A pause between sounds that lets starts fall anywhere in the device's period, after `antes`
// (time for the previous new sound's rest to be converted, as between the sounds of a reading).
void Pausa(std::mt19937& azar, std::chrono::milliseconds antes) {
  std::this_thread::sleep_for(
      antes + std::chrono::microseconds(std::uniform_int_distribution<int>(0, 14000)(azar)));
}

const char* Controlador() {
  const char* nombre = SDL_GetCurrentAudioDriver();
  return nombre != nullptr ? nombre : "sin sonido";
}

void Anotar(benchmark::State& state, std::vector<double> tiempos, const char* controlador) {
  std::sort(tiempos.begin(), tiempos.end());
  const auto percentil = [&](double p) {
    return 1000 * tiempos[static_cast<std::size_t>(p * static_cast<double>(tiempos.size() - 1))];
  };
  state.counters["mediana_ms"] = percentil(0.5);
  state.counters["p90_ms"] = percentil(0.9);
  state.counters["peor_ms"] = 1000 * tiempos.back();
  state.SetLabel(controlador);
}

// A window whose device already runs. Arguments: the sound's length in milliseconds, and
// whether it was played before (kept converted) or is new (read, decoded and converted now).
void BM_PrimerBloque(benchmark::State& state) {
  const double segundos = static_cast<double>(state.range(0)) / 1000;
  const bool repetido = state.range(1) != 0;
  Carpeta carpeta;
  ReproductorDe<ReproductorSdl> reproductor;
  Sonido sonido(reproductor, carpeta.Ruta());
  carpeta.Escribir(QStringLiteral("tono.wav"), Tono(segundos, kMuestrasPorSegundo));
  sonido.ReproducirSonido(QStringLiteral("tono.wav"));
  sonido.DetenerSonido();
  std::vector<double> tiempos;
  std::mt19937 azar(1);
  int vez = 0;
  for (auto _ : state) {
    QString nombre = QStringLiteral("tono.wav");
    if (!repetido) {
      state.PauseTiming();
      nombre = QStringLiteral("tono%1.wav").arg(++vez);
      carpeta.Escribir(nombre, Tono(segundos, kMuestrasPorSegundo));
      state.ResumeTiming();
    }
    const double t = HastaPrimerBloque(sonido, reproductor, nombre);
    state.SetIterationTime(t);
    tiempos.push_back(t);
    sonido.DetenerSonido();
    Pausa(azar, std::chrono::milliseconds(repetido ? 0 : 100));
  }
  Anotar(state, std::move(tiempos), Controlador());
}
BENCHMARK(BM_PrimerBloque)
    ->ArgNames({"ms", "repetido"})
    ->Args({700, 1})
    ->Args({700, 0})
    ->Args({5000, 1})
    ->Args({5000, 0})
    ->Iterations(40)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A window's first sound: its player made, SDL's audio started and the device opened.
void BM_PrimerBloqueDeUnaVentanaNueva(benchmark::State& state) {
  Carpeta carpeta;
  std::vector<double> tiempos;
  const char* controlador = "sin sonido";
  int vez = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const QString nombre = QStringLiteral("tono%1.wav").arg(++vez);
    carpeta.Escribir(nombre, Tono(0.7, kMuestrasPorSegundo));
    state.ResumeTiming();
    const auto inicio = Reloj::now();
    auto reproductor = std::make_unique<ReproductorDe<ReproductorSdl>>();
    Sonido sonido(*reproductor, carpeta.Ruta());
    const double t = std::chrono::duration<double>(Reloj::now() - inicio).count() +
                     HastaPrimerBloque(sonido, *reproductor, nombre);
    state.SetIterationTime(t);
    tiempos.push_back(t);
    controlador = Controlador();
  }
  Anotar(state, std::move(tiempos), controlador);
}
BENCHMARK(BM_PrimerBloqueDeUnaVentanaNueva)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tiendal
