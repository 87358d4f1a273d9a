// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main of every benchmark program: Qt's application object, then Google Benchmark. The
// window benchmarks are built with TIENDAL_BENCH_VENTANAS and get a QApplication.
#include <benchmark/benchmark.h>

#if defined(TIENDAL_BENCH_VENTANAS)
#include <QApplication>
using Aplicacion = QApplication;
#else
#include <QCoreApplication>
using Aplicacion = QCoreApplication;
#endif

int main(int argc, char** argv) {
  // Unless told otherwise, sound goes to SDL's dummy driver, which plays in real time: the
  // figures do not depend on the machine's sound card.
  qputenv("SDL_AUDIODRIVER", qEnvironmentVariable("SDL_AUDIODRIVER", "dummy").toUtf8());
  Aplicacion aplicacion(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
