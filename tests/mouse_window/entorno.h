#ifndef TIENDAL_TESTS_MOUSE_WINDOW_ENTORNO_H
#define TIENDAL_TESTS_MOUSE_WINDOW_ENTORNO_H

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <memory>
#include <ostream>
#include <vector>

#include "audio/reproductor.h"
#include "core/aleatorio.h"
#include "mouse_window/form1.h"
#include "tests/mouse_window/jpeg_exif.h"

inline void PrintTo(const QString& texto, std::ostream* os) {
  *os << '"' << texto.toStdString() << '"';
}

namespace tiendal {

// Remembers the file names it was given; a sound ends at once unless `sinFin` is set.
class ReproductorGrabador final : public Reproductor {
 public:
  void Abrir(const QString& ruta) override {
    abiertos.append(QFileInfo(ruta).fileName());
    sonando_ = sinFin;
  }
  bool Ocupado() const override { return sonando_; }
  void Detener() override {
    sonando_ = false;
    ++detenciones;
  }
  double Posicion() const override { return sonando_ ? 0.5 : 0.0; }

  QStringList abiertos;
  int detenciones = 0;
  bool sinFin = false;

 private:
  bool sonando_ = false;
};

inline constexpr int kProductos = 8;

// Draws from a script; once it runs out, they step through the eighths so a shelf can be chosen.
class AleatorioGuion final : public Aleatorio {
 public:
  double Siguiente() override {
    if (guion_.empty()) return ((sobrantes_++ % kProductos) + 0.5) / kProductos;
    const double r = guion_.front();
    guion_.pop_front();
    return r;
  }
  // An exercise of `tipo` with catalogue places 0..5 on the shelf and, for type 5, middling money.
  void Ejercicio(int tipo) {
    guion_.push_back((tipo - 0.5) / 5);
    for (int p = 0; p < 6; ++p) guion_.push_back((p + 0.5) / kProductos);
    if (tipo == 5) guion_.push_back(0.5);
  }

 private:
  std::deque<double> guion_;
  int sobrantes_ = 0;
};

// Left half red, right half blue, stored with the given EXIF orientation.
inline void EscribirJpeg(const QString& ruta, int ancho, int alto, int orientacion = 1) {
  QImage imagen(ancho, alto, QImage::Format_RGB32);
  imagen.fill(Qt::blue);
  QPainter(&imagen).fillRect(0, 0, ancho / 2, alto, Qt::red);
  QFile archivo(ruta);
  archivo.open(QIODevice::WriteOnly);
  archivo.write(JpegConExif(imagen, orientacion));
}

// A program folder with eight pictures, the prices file and no settings file.
class CarpetaPrograma {
 public:
  CarpetaPrograma() {
    QDir(Ruta()).mkdir(QStringLiteral("imágenes"));
    const char16_t* nombres[kProductos] = {u"pan",   u"leche",  u"queso",   u"piña",
                                           u"arroz", u"huevos", u"manzana", u"tomate"};
    QStringEncoder windows1252("windows-1252");
    QByteArray precios;
    for (int i = 0; i < kProductos; ++i) {
      const QString nombre = QString::fromUtf16(nombres[i]);
      EscribirJpeg(Imagenes() + u'/' + nombre + QStringLiteral(".jpg"), 60, 40);
      precios += QByteArray(windows1252(nombre)) + '|' + QByteArray::number(i + 1.25) + "\r\n";
    }
    Escribir(QStringLiteral("precios.txt"), precios);
  }
  QString Ruta() const { return dir_.path(); }
  QString Imagenes() const { return Ruta() + QStringLiteral("/imágenes"); }
  void Escribir(const QString& nombre, const QByteArray& contenido) const {
    QFile archivo(Ruta() + u'/' + nombre);
    archivo.open(QIODevice::WriteOnly);
    archivo.write(contenido);
  }
  QByteArray Ini() const {
    QFile archivo(Ruta() + QStringLiteral("/Tiendal.ini"));
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
  }
  QStringList Archivos() const {
    QStringList archivos;
    QDirIterator it(Ruta(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) archivos.append(it.next());
    archivos.sort();
    return archivos;
  }

 private:
  QTemporaryDir dir_;
};

// A Form1 on a folder with its fakes kept at hand.
struct VentanaDePrueba {
  std::unique_ptr<Form1> ventana;
  ReproductorGrabador* reproductor = nullptr;
  AleatorioGuion* azar = nullptr;
};

inline VentanaDePrueba CrearForm1(const QString& carpeta, int tipo) {
  auto reproductor = std::make_unique<ReproductorGrabador>();
  auto azar = std::make_unique<AleatorioGuion>();
  azar->Ejercicio(tipo);
  VentanaDePrueba prueba{nullptr, reproductor.get(), azar.get()};
  prueba.ventana =
      std::make_unique<Form1>(carpeta, Piezas{std::move(reproductor), std::move(azar)});
  return prueba;
}

inline VentanaDePrueba AbrirForm1(const QString& carpeta, int tipo) {
  VentanaDePrueba prueba = CrearForm1(carpeta, tipo);
  if (const auto fallo = prueba.ventana->Cargar()) qFatal("%s", qPrintable(*fallo));
  prueba.ventana->show();
  QApplication::setActiveWindow(prueba.ventana.get());
  if (!QTest::qWaitForWindowActive(prueba.ventana.get())) qFatal("la ventana no se activa");
  return prueba;
}

// Records every message box shown while it lives ("title|text") and answers it at once.
class Contestador final {
 public:
  Contestador() {
    QObject::connect(&temporizador_, &QTimer::timeout, [this] {
      auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!caja || !caja->isVisible()) return;
      cajas.append(caja->windowTitle() + u'|' + caja->text());
      caja->buttons().isEmpty() ? caja->done(0) : caja->buttons().first()->click();
    });
    temporizador_.start(1);
  }

  QStringList cajas;

 private:
  QTimer temporizador_;
};

}  // namespace tiendal

#endif
