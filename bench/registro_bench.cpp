// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pupils' record:
// Corregir: one check of a type-1 exercise, as the practice runs it, without a record and with
//   the CSV record in a folder on the disk. The line's write and flush go to the record's own
//   thread; the batches wait for them outside the timing, so that the queue stays short.
// LeerClase: the reading alone of that folder.
// AbrirClase: the results window opened and painted on a class folder of 30 pupils with 6700
//   lines each, about 200 000 lines in all (read, counted, charted, the first pupil's answers
//   listed).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include "core/aleatorio.h"
#include "core/reproductor.h"
#include "core/sesion.h"
#include "core/sonido.h"
#include "core/vista.h"
#include "record/columnas.h"
#include "record/lectura_registro.h"
#include "record/registro_csv.h"
#include "results_window/ventana_resultados.h"

namespace {

using namespace tiendal;

// A window and a player that do nothing: the figures are the practice's and the record's.
class Muda final : public Vista, public Reproductor {
 public:
  void PonerInstrucciones(const QString&) override {}
  int ContarFilas() const override { return static_cast<int>(precios_.size()); }
  void CrearFila() override { precios_.append(QString()); }
  void RetirarFila(int) override { precios_.removeLast(); }
  void MostrarFilas() override {}
  void PonerNombre(int, const QString&) override {}
  QString Nombre(int) const override { return {}; }
  void PonerPrecio(int fila, const QString& texto) override { precios_[fila] = texto; }
  QString Precio(int fila) const override { return precios_[fila]; }
  void EnfocarPrecio(int) override {}
  void PonerResultado(const QString&) override {}
  QString Resultado() const override { return QStringLiteral("6,65"); }
  void MarcarOpcion(Opcion, bool) override {}
  void Mensaje(const QString&) override {}
  void Pitido() override {}
  void Abrir(const QString&) override {}
  bool Ocupado() const override { return false; }
  void Detener() override {}
  double Posicion() const override { return 0; }

 private:
  QStringList precios_;
};

// The sixths in turn: type 1 first, then six different products.
class AzarFijo final : public Aleatorio {
 public:
  double Siguiente() override { return (n_++ % 6 + 0.5) / 6; }

 private:
  int n_ = 0;
};

void BM_Corregir(benchmark::State& estado) {
  QTemporaryDir carpeta;
  Muda vista;
  AzarFijo azar;
  Sonido sonido(vista, carpeta.path());
  Sesion sesion(vista, nullptr, sonido, azar, Rutas(carpeta.path()));
  Practica& p = sesion.practica();
  for (int i = 0; i < 6; ++i) {
    p.Productos << QStringLiteral("producto %1").arg(i);
    p.Imagenes << p.Productos.back() + QStringLiteral(".jpg");
    p.Precios.push_back(1.25f * static_cast<float>(i + 1));
  }
  RegistroCsv registro({carpeta.path(), QStringLiteral("ana"), kRaton, QStringLiteral("datos")});
  if (estado.range(0) != 0) sesion.PonerAnotador(&registro);
  sesion.NuevoEjercicio();
  for (int hueco : {0, 1, 2}) sesion.AgregarDelEstante(hueco);
  int n = 0;
  for (auto _ : estado) {
    sesion.Corregir();
    if (++n % 100 == 0) {
      estado.PauseTiming();
      registro.Esperar();
      estado.ResumeTiming();
    }
  }
  estado.SetLabel(estado.range(0) != 0 ? "con registro" : "sin registro");
}
BENCHMARK(BM_Corregir)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A class folder of 30 pupils with 6700 lines each.
void EscribirClase(const QTemporaryDir& carpeta) {
  const QDateTime inicio(QDate(2025, 12, 1), QTime(9, 0), QTimeZone(3600));
  for (int alumno = 0; alumno < 30; ++alumno) {
    QFile archivo(carpeta.filePath(QStringLiteral("alumno%1-2026.csv").arg(alumno)));
    if (!archivo.open(QIODevice::WriteOnly)) return;
    for (int linea = 0; linea < 6700; ++linea) {
      const QDateTime cuando = inicio.addSecs(linea * 4700);
      archivo.write(LineaCsv({cuando.toString(Qt::ISODate),
                              QStringLiteral("alumno%1").arg(alumno),
                              kRaton,
                              QString::number(linea % 5 + 1),
                              QStringLiteral("datos"),
                              QStringLiteral("pan 1,20; leche 0,95; queso 4,50"),
                              {},
                              {},
                              QStringLiteral("6,65"),
                              QStringLiteral("6,65"),
                              linea % 3 ? kCorrecta : kIncorrecta,
                              QString::number(linea % 3 + 1),
                              QStringLiteral("12")}));
    }
  }
}

void BM_LeerClase(benchmark::State& estado) {
  QTemporaryDir carpeta;
  EscribirClase(carpeta);
  for (auto _ : estado) benchmark::DoNotOptimize(LeerRegistros({carpeta.path()}));
}
BENCHMARK(BM_LeerClase)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_AbrirClase(benchmark::State& estado) {
  QTemporaryDir carpeta;
  EscribirClase(carpeta);
  for (auto _ : estado) {
    VentanaResultados ventana({carpeta.path()}, QDate(2026, 12, 7));
    ventana.show();
    ventana.grab();
  }
}
BENCHMARK(BM_AbrirClase)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
