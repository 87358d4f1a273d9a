#ifndef TIENDAL_TESTS_MOUSE_WINDOW_ENTORNO_H
#define TIENDAL_TESTS_MOUSE_WINDOW_ENTORNO_H

#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <memory>
#include <ostream>
#include <utility>
#include <vector>

#include "audio/reproductor.h"
#include "core/aleatorio.h"
#include "mouse_window/form1.h"

inline void PrintTo(const QString& texto, std::ostream* os) {
  *os << '"' << texto.toStdString() << '"';
}

namespace tiendal {

// A player that remembers the file names it was given. Every sound ends at once, unless
// `sinFin` is set: then it plays until it is stopped.
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

// Random numbers from a script, in order; once it runs out, the draws step through the eighths
// (1/16, 3/16, ...), so that a shelf can still be chosen.
class AleatorioGuion final : public Aleatorio {
 public:
  double Siguiente() override {
    if (guion_.empty()) return ((sobrantes_++ % 8) + 0.5) / 8;
    const double r = guion_.front();
    guion_.pop_front();
    return r;
  }
  void Poner(double r) { guion_.push_back(r); }
  // The draws of one exercise: its type, catalogue places 0..N-1 for the six shelf slots and,
  // for type 5, the draw of the money.
  void Ejercicio(int tipo, std::vector<int> productos = {0, 1, 2, 3, 4, 5}, double dinero = 0.5);

 private:
  std::deque<double> guion_;
  int sobrantes_ = 0;
};

// A program folder with eight small pictures, the prices file and no settings file.
class CarpetaPrograma {
 public:
  CarpetaPrograma();
  QString Ruta() const { return dir_.path(); }
  QString Imagenes() const { return dir_.path() + QStringLiteral("/imágenes"); }
  void EscribirIni(const QByteArray& contenido) const;
  QByteArray LeerIni() const;
  bool HayIni() const;
  QStringList Archivos() const;  // every file under the folder, for "nothing was written"

  static constexpr int kProductos = 8;

 private:
  QTemporaryDir dir_;
};

// Writes a JPEG of the given size, its left half red and right half blue; with `orientacion`
// other than 1 it carries that EXIF orientation, and `miniatura` as its EXIF thumbnail.
void EscribirJpeg(const QString& ruta, int ancho, int alto, int orientacion = 1,
                  const QImage& miniatura = {});

// A Form1 on a folder with its fakes kept at hand.
struct VentanaDePrueba {
  std::unique_ptr<Form1> ventana;
  ReproductorGrabador* reproductor = nullptr;
  AleatorioGuion* azar = nullptr;
};
VentanaDePrueba CrearForm1(const QString& carpeta);
// Creates, scripts the first exercise, loads, shows and activates it.
VentanaDePrueba AbrirForm1(const QString& carpeta, int tipo,
                           std::vector<int> productos = {0, 1, 2, 3, 4, 5});

// The message boxes shown while it lives, each answered with OK as soon as it is open.
class Contestador final {
 public:
  struct Caja {
    QString titulo, texto;
    QMessageBox::Icon icono = QMessageBox::NoIcon;
    Qt::TextFormat formato = Qt::AutoText;
    int botones = 0;
  };

  Contestador();
  ~Contestador();
  Contestador(const Contestador&) = delete;
  Contestador& operator=(const Contestador&) = delete;

  std::vector<Caja> cajas;
  QStringList Textos() const;

 private:
  QTimer temporizador_;
};

template <typename T>
T* Hijo(const QWidget& ventana, const QString& nombre) {
  return ventana.findChild<T*>(nombre);
}

}  // namespace tiendal

#endif
