// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program as `tiendal` runs it, instrumented from outside its own code:
//   ventana_medida arranque            prints the CLOCK_MONOTONIC time (ns) at which VentanaRaton
//   has
//                                      first been painted with its first exercise, the peak
//                                      resident set size (kB) and the CPU time used (ms) at that
//                                      moment; then exits
//   ventana_medida reposo SEGUNDOS     the same, then stays idle that long and prints the CPU
//                                      time (ms) the process used meanwhile, and the part of it
//                                      used by the window's own (main) thread
//   ventana_medida captura ARCHIVO     puts a product or two on the list (as a click on their
//                                      text lines does) and saves a screenshot of the window as
//                                      shown on the screen
// With --pantalla-completa last, the window opens in full screen (the screenshot is then the
// whole screen); with --idioma xx anywhere, in that language (the session's otherwise). The
// languages' catalogues are read and the command line's own application made and gone, as the
// program does. It runs on the data beside it, like the program.
#include <sys/resource.h>

#include <QApplication>
#include <QPixmap>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <ctime>

#include "app/programa.h"
#include "app/ventanas.h"
#include "core/idioma.h"

namespace {

long long Monotonico() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec * 1'000'000'000LL + ts.tv_nsec;
}

double CpuMs() {
  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  const long long us = (uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) * 1'000'000LL +
                       uso.ru_utime.tv_usec + uso.ru_stime.tv_usec;
  return static_cast<double>(us) / 1e3;
}

double CpuHiloMs() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

long PicoRssKb() {
  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  return uso.ru_maxrss;
}

// Calls back once the window has been painted and the painting handed to the window system.
class PrimeraPintura final : public QObject {
 public:
  PrimeraPintura(QWidget* ventana, std::function<void()> hecho)
      : ventana_(ventana), hecho_(std::move(hecho)) {
    ventana_->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override {
    if (objeto == ventana_ && evento->type() == QEvent::Paint && !visto_) {
      visto_ = true;
      // Runs after this paint has been flushed to the screen.
      QTimer::singleShot(0, this, [this] { hecho_(); });
    }
    return false;
  }

 private:
  QWidget* ventana_;
  std::function<void()> hecho_;
  bool visto_ = false;
};

// A list with something on it: an exercise other than "dearest first", and as many products as
// it takes without a refusal.
void Rellenar(tiendal::VentanaPractica& ventana) {
  auto* nuevo = ventana.findChild<QPushButton*>(QStringLiteral("nuevoEjercicio"));
  for (int i = 0;
       i < 50 && ventana.sesion().practica().TipoEjercicio == tiendal::TipoDeEjercicio::Diferencia;
       ++i)
    nuevo->click();
  const auto tipo = ventana.sesion().practica().TipoEjercicio;
  const int productos =
      tipo == tiendal::TipoDeEjercicio::Total || tipo == tiendal::TipoDeEjercicio::MasProductos ? 2
                                                                                                : 1;
  for (int hueco = 0; hueco < productos; ++hueco) {
    auto* texto = ventana.findChild<QWidget*>(QStringLiteral("textoHueco%1").arg(hueco * 2 + 1));
    QTest::mouseClick(texto, Qt::LeftButton);
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QStringList argumentos;
  for (int i = 0; i < argc; ++i) argumentos << QString::fromLocal8Bit(argv[i]);
  const tiendal::Traducciones traducciones(
      tiendal::IdiomaElegido(argumentos, QProcessEnvironment::systemEnvironment()));
  {
    QCoreApplication consola(argc, argv);
    traducciones.Instalar();
  }
  QApplication aplicacion(argc, argv);
  traducciones.Instalar();
  QApplication::setQuitOnLastWindowClosed(false);
  const QString modo = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("arranque");
  const QString argumento = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();

  const bool completa = QCoreApplication::arguments().endsWith(u"--pantalla-completa"_qs);
  tiendal::Programa programa(tiendal::FabricaDelPrograma(QCoreApplication::applicationDirPath()));
  programa.PonerModo(1.0, completa);
  if (!programa.Iniciar()) return 1;
  QWidget* ventana = programa.Ventana();

  PrimeraPintura pintura(ventana, [&] {
    const long long listo = Monotonico();
    std::printf("%lld %ld %.3f\n", listo, PicoRssKb(), CpuMs());
    if (modo == QLatin1String("captura")) {
      Rellenar(*programa.Ventana());
      QTimer::singleShot(200, [&] {
        const QPixmap pantalla = ventana->screen()->grabWindow(completa ? 0 : ventana->winId());
        (pantalla.isNull() ? ventana->grab() : pantalla).save(argumento);
        QCoreApplication::quit();
      });
    } else if (modo == QLatin1String("reposo")) {
      const double antes = CpuMs();
      const double antesHilo = CpuHiloMs();
      QTimer::singleShot(static_cast<int>(argumento.toDouble() * 1000), [antes, antesHilo] {
        std::printf("%.3f %.3f\n", CpuMs() - antes, CpuHiloMs() - antesHilo);
        QCoreApplication::quit();
      });
    } else {
      QCoreApplication::quit();
    }
    std::fflush(stdout);
  });
  const int estado = QApplication::exec();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return estado;
}
