// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// CargarPrecios at the largest catalogue: 32767 products and a prices file of 32767 lines.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "core/catalogo.h"
#include "core/practica.h"

namespace {

struct Datos {
  QTemporaryDir dir;
  QStringList productos;
  QString ruta;
};

// Names of 4 to 14 letters; every tenth one is a short name found inside longer ones
// (pan / empanada), and the lines stand in a different order from the pictures.
Datos& Preparar() {
  static Datos d = [] {
    // Between iterations the memory stays with the process, whatever glibc's heuristics would
    // decide, so that the warm figure is the reading's own work.
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    Datos datos;
    std::mt19937 azar(7);
    const QString letras = QStringLiteral("abcdefghijklmnñopqrstuvwxyzáéíóú");
    for (int k = 0; k < tiendal::kMaxProductos; ++k) {
      QString nombre;
      const int largo = k % 10 == 0 ? 3 : 4 + static_cast<int>(azar() % 11);
      for (int i = 0; i < largo; ++i)
        nombre += letras[static_cast<qsizetype>(azar() % letras.size())];
      datos.productos << nombre + QString::number(k % 10 == 0 ? 0 : k);
    }
    QStringList lineas;
    for (const QString& p : datos.productos) {
      lineas
          << p + QStringLiteral("|%1.%2").arg(azar() % 100).arg(azar() % 100, 2, 10, QChar(u'0'));
    }
    std::shuffle(lineas.begin(), lineas.end(), azar);
    datos.ruta = datos.dir.filePath(QStringLiteral("precios.txt"));
    QFile f(datos.ruta);
    f.open(QIODevice::WriteOnly);
    f.write(lineas.join(QStringLiteral("\r\n")).toUtf8());
    return datos;
  }();
  return d;
}

// Warm, the memory staying with the process between iterations; or cold, as the program
// does it once at start-up: the memory the reading takes is fresh from the system, with its
// page faults, because the heap is handed back to the system between iterations.
void CargarPrecios(benchmark::State& state, bool enFrio) {
  Datos& d = Preparar();
  for (auto _ : state) {
    const auto texto = tiendal::LeerTextoPrecios(d.ruta);
    auto precios = tiendal::PreciosDe(d.productos, *texto, false);
    benchmark::DoNotOptimize(precios);
    if (!enFrio) continue;
    state.PauseTiming();
    malloc_trim(0);
    state.ResumeTiming();
  }
}
BENCHMARK_CAPTURE(CargarPrecios, Caliente, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CargarPrecios, EnFrio, true)->Unit(benchmark::kMillisecond);

}  // namespace
