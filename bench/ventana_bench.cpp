// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's figures. Run under Xvfb for the xcb figures:
//   xvfb-run -s "-screen 0 1280x800x24" build/.../bin/ventana_bench
// Arranque: process start to the first exercise painted (ventana_medida, bundled data), one
//   launch per repetition, so that the median is over launches; with
//   the peak RSS at that moment as a counter. /0 the ordinary window, /1 in full screen.
// Reposo: CPU time the idle program uses in 5 s once its window is up, in all and in its main
//   (window) thread.
// NuevoEjercicio: "Nuevo ejercicio" pressed and the window repainted, on the bundled data and
//   on a shelf of six 12-megapixel JPEGs (two of them with an EXIF rotation), with the EXIF
//   thumbnail that cameras and phones write and without it.
// PrimerEjercicio: a fresh VentanaRaton loaded and painted on those six photos, nothing decoded
// yet. NuevoEjercicioCatalogo: "Nuevo ejercicio" on a catalogue of twelve such photos without
//   thumbnails, once the window has decoded ahead the pictures not yet shown.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>
#include <ctime>
#include <memory>
#include <random>

#include "audio/reproductor_sdl.h"
#include "core/aleatorio.h"
#include "core/reproductor_de.h"
#include "mouse_window/ventana_raton.h"
#include "tests/comun/jpeg.h"

namespace {

QString Medidor() {
  return QCoreApplication::applicationDirPath() + QStringLiteral("/ventana_medida");
}

long long Monotonico() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec * 1'000'000'000LL + ts.tv_nsec;
}

QStringList Medir(const QStringList& argumentos, int esperaMs) {
  QProcess proceso;
  proceso.setProcessChannelMode(QProcess::SeparateChannels);
  proceso.start(Medidor(), argumentos);
  proceso.waitForFinished(esperaMs);
  return QString::fromLatin1(proceso.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

void BM_Arranque(benchmark::State& estado) {
  double rss = 0;
  double cpu = 0;
  for (auto _ : estado) {
    QProcess proceso;
    const long long inicio = Monotonico();
    QStringList argumentos = {QStringLiteral("arranque")};
    if (estado.range(0) == 2) argumentos << QStringLiteral("--idioma") << QStringLiteral("ca");
    if (estado.range(0) == 1) argumentos << QStringLiteral("--pantalla-completa");
    proceso.start(Medidor(), argumentos);
    proceso.waitForFinished(10000);
    const QStringList campos = QString::fromLatin1(proceso.readAllStandardOutput()).split(u' ');
    if (campos.size() < 2) {
      estado.SkipWithError("ventana_medida no contestó");
      return;
    }
    estado.SetIterationTime(static_cast<double>(campos[0].toLongLong() - inicio) / 1e9);
    rss = std::max(rss, campos[1].toDouble());
    cpu += campos.size() > 2 ? campos[2].trimmed().toDouble() : 0;
  }
  estado.counters["pico_rss_MB"] = rss / 1024;
  estado.counters["cpu_ms"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
  estado.SetLabel(estado.range(0) == 1   ? "pantalla completa"
                  : estado.range(0) == 2 ? "ventana en catalán"
                                         : "ventana");
}
BENCHMARK(BM_Arranque)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(25)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("max", [](const std::vector<double>& v) {
      return *std::max_element(v.begin(), v.end());
    });

void BM_Reposo(benchmark::State& estado) {
  for (auto _ : estado) {
    const QStringList lineas = Medir({QStringLiteral("reposo"), QStringLiteral("5")}, 20000);
    if (lineas.size() < 2) {
      estado.SkipWithError("ventana_medida no contestó");
      return;
    }
    const QStringList cpu = lineas[1].split(u' ');
    estado.counters["cpu_ms_en_5s"] = cpu[0].toDouble();
    estado.counters["cpu_ms_en_5s_ventana"] = cpu.size() > 1 ? cpu[1].toDouble() : -1;
  }
}
BENCHMARK(BM_Reposo)->Iterations(1)->Unit(benchmark::kSecond);

// A photograph-like 12-megapixel picture: smooth shading with grain, so that it compresses
// like a camera's (about 2 MB). Cameras and phones add a 160 x 120 EXIF thumbnail.
QByteArray Foto12Mp(unsigned semilla, int orientacion, bool conMiniatura) {
  QImage imagen(4000, 3000, QImage::Format_RGB32);
  std::mt19937 azar(semilla);
  std::uniform_int_distribution<int> grano(-6, 6);
  for (int y = 0; y < imagen.height(); ++y) {
    auto* linea = reinterpret_cast<QRgb*>(imagen.scanLine(y));
    for (int x = 0; x < imagen.width(); ++x) {
      const int base = (x / 16 + y / 12 + static_cast<int>(semilla) * 40) % 200;
      const int g = grano(azar);
      linea[x] = qRgb(std::clamp(base + g, 0, 255), std::clamp(255 - base + g, 0, 255),
                      std::clamp((x ^ y) / 32 % 256 + g, 0, 255));
    }
  }
  const QImage miniatura =
      conMiniatura ? imagen.scaled(160, 120, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                   : QImage();
  return tiendal::JpegConExif(imagen, orientacion, miniatura);
}

struct Carpeta {
  QTemporaryDir dir;
  Carpeta(bool conMiniaturas, unsigned fotos) {
    const QString programa = QCoreApplication::applicationDirPath();
    QDir(dir.path()).mkdir(QStringLiteral("imágenes"));
    QDir(dir.path()).mkdir(QStringLiteral("Sonidos"));
    for (const QString& wav : QDir(programa + QStringLiteral("/Sonidos")).entryList(QDir::Files)) {
      if (wav.startsWith(QLatin1String("tipo"))) {
        QFile::copy(programa + QStringLiteral("/Sonidos/") + wav,
                    dir.path() + QStringLiteral("/Sonidos/") + wav);
      }
    }
    QByteArray precios;
    for (unsigned i = 0; i < fotos; ++i) {
      const QByteArray nombre = "foto" + QByteArray::number(i);
      QFile foto(dir.path() + QStringLiteral("/imágenes/") + QLatin1String(nombre) +
                 QStringLiteral(".jpg"));
      foto.open(QIODevice::WriteOnly);
      foto.write(Foto12Mp(i, i % 3 == 0 ? 6 : 1, conMiniaturas));
      precios += nombre + "|" + QByteArray::number(i + 1) + ".25\r\n";
    }
    QFile archivo(dir.path() + QStringLiteral("/precios.txt"));
    archivo.open(QIODevice::WriteOnly);
    archivo.write(precios);
  }
};

std::unique_ptr<tiendal::VentanaRaton> Abrir(const QString& carpeta, benchmark::State& estado) {
  auto ventana = std::make_unique<tiendal::VentanaRaton>(
      carpeta, tiendal::Piezas{std::make_unique<tiendal::ReproductorDe<tiendal::ReproductorSdl>>(),
                               std::make_unique<tiendal::AleatorioReloj>(1234)});
  if (const auto fallo = ventana->Cargar()) {
    estado.SkipWithError(qPrintable(*fallo));
    return nullptr;
  }
  ventana->show();
  // Painting before the X server has mapped the window would draw nothing.
  while (!ventana->windowHandle()->isExposed()) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  ventana->repaint();
  return ventana;
}

// "Nuevo ejercicio" again and again, once the window has nothing left to decode.
void NuevoEjercicio(benchmark::State& estado, const QString& carpeta) {
  const auto ventana = Abrir(carpeta, estado);
  if (!ventana) return;
  ventana->fotos().Esperar();
  auto* nuevo = ventana->findChild<QPushButton*>(QStringLiteral("nuevoEjercicio"));
  for (auto _ : estado) {
    nuevo->click();
    ventana->repaint();
  }
  ventana->sonido().Cerrar();
}

// A fresh window each time: every picture is decoded, from its thumbnail or from the picture.
void PrimerEjercicio(benchmark::State& estado, const QString& carpeta) {
  for (auto _ : estado) {
    auto ventana = Abrir(carpeta, estado);
    if (!ventana) return;
    ventana->fotos().Esperar();
    // Closing the sound device waits for SDL's mixing thread: not part of the showing.
    estado.PauseTiming();
    ventana->sonido().Cerrar();
    ventana.reset();
    estado.ResumeTiming();
  }
}

const QString& Fotos(bool conMiniaturas) {
  static Carpeta con(true, 6);
  static Carpeta sin(false, 6);
  static const QString rutas[] = {con.dir.path(), sin.dir.path()};
  return rutas[conMiniaturas ? 0 : 1];
}

const QString& Catalogo() {
  static Carpeta doce(false, 12);
  static const QString ruta = doce.dir.path();
  return ruta;
}

void BM_NuevoEjercicioDatosDelPrograma(benchmark::State& estado) {
  NuevoEjercicio(estado, QCoreApplication::applicationDirPath());
}
void BM_NuevoEjercicioFotos12Mp(benchmark::State& estado) { NuevoEjercicio(estado, Fotos(true)); }
void BM_NuevoEjercicioFotos12MpSinMiniatura(benchmark::State& estado) {
  NuevoEjercicio(estado, Fotos(false));
}
void BM_PrimerEjercicioFotos12Mp(benchmark::State& estado) { PrimerEjercicio(estado, Fotos(true)); }
void BM_PrimerEjercicioFotos12MpSinMiniatura(benchmark::State& estado) {
  PrimerEjercicio(estado, Fotos(false));
}
void BM_NuevoEjercicioCatalogo12MpSinMiniatura(benchmark::State& estado) {
  NuevoEjercicio(estado, Catalogo());
}
BENCHMARK(BM_NuevoEjercicioDatosDelPrograma)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(BM_NuevoEjercicioFotos12Mp)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(BM_NuevoEjercicioFotos12MpSinMiniatura)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(BM_NuevoEjercicioCatalogo12MpSinMiniatura)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(BM_PrimerEjercicioFotos12Mp)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(BM_PrimerEjercicioFotos12MpSinMiniatura)->Unit(benchmark::kMillisecond)->Repetitions(3);

}  // namespace
