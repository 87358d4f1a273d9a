#ifndef TIENDAL_TESTS_KEYBOARD_WINDOW_ENTORNO_H
#define TIENDAL_TESTS_KEYBOARD_WINDOW_ENTORNO_H

#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "audio/reproductor.h"
#include "core/aleatorio.h"
#include "keyboard_window/elegidor.h"
#include "keyboard_window/form2.h"

inline void PrintTo(const QString& texto, std::ostream* os) {
  *os << '"' << texto.toStdString() << '"';
}

namespace tiendal::prueba {

// A player that remembers the sounds it was given. A sound ends at once, as one that cannot be
// played does, unless its name is in `sinFin`: that one plays until it is stopped.
class ReproductorFalso final : public Reproductor {
 public:
  void Abrir(const QString& ruta) override;
  bool Ocupado() const override { return sonando_; }
  void Detener() override;
  double Posicion() const override { return sonando_ ? 0.25 : 0.0; }

  QStringList abiertos;
  QSet<QString> sinFin;
  int detenciones = 0;
  // Called as each sound starts, with its file name.
  std::function<void(const QString&)> alAbrir;

 private:
  bool sonando_ = false;
};

// Random numbers from a script, in order; after it, a fixed spread sequence that never repeats
// one value twice running.
class AleatorioGuion final : public Aleatorio {
 public:
  double Siguiente() override;
  void Poner(double r) { guion_.push_back(r); }

 private:
  std::deque<double> guion_;
  int despues_ = 0;
};

// A program folder: small pictures of the products below, their Windows-1252 prices file, and
// whatever settings file a test writes.
class CarpetaPrograma final {
 public:
  CarpetaPrograma();
  QString Ruta() const { return dir_.path(); }
  void EscribirIni(const QByteArray& contenido) const;
  QByteArray LeerIni() const;
  // The catalogue number (0-based) the program gives a product, found as the program finds it.
  int Numero(const QString& producto) const;
  int Productos() const { return static_cast<int>(catalogo_.size()); }

  // The draws of one exercise: its type, then the products of shelf slots 0 to 5 by name,
  // then, for type 5, the money's draw.
  void Ejercicio(AleatorioGuion& azar, int tipo, const QStringList& estante,
                 double dinero = 0.5) const;

 private:
  QTemporaryDir dir_;
  QStringList catalogo_;
};

// A Form2 with its fakes at hand. The chooser is the test's own, with a counted beep.
struct VentanaDePrueba {
  std::unique_ptr<Form2> ventana;
  ReproductorFalso* reproductor = nullptr;
  AleatorioGuion* azar = nullptr;
};
VentanaDePrueba CrearForm2(const CarpetaPrograma& carpeta, Elegidor& elegidor);
// Creates, scripts the first exercise, loads, shows and activates it.
VentanaDePrueba AbrirForm2(const CarpetaPrograma& carpeta, Elegidor& elegidor, int tipo,
                           const QStringList& estante);

// Answers the modal windows that open while it lives: each message box with OK (its text is
// kept), each opening of the chooser with the next of the pupil's actions (its lines are kept).
class Contestador final {
 public:
  Contestador();
  Contestador(const Contestador&) = delete;
  Contestador& operator=(const Contestador&) = delete;

  void Elegir(std::function<void(QWidget&)> accion) { acciones_.push_back(std::move(accion)); }

  QStringList mensajes;
  std::vector<QStringList> lineas;  // the chooser's lines at each opening
  std::vector<int> marcada;         // its selected line at each opening

 private:
  void Mirar();

  QTimer temporizador_;
  std::deque<std::function<void(QWidget&)>> acciones_;
  bool mirando_ = false;
};

// A key to the control that has the focus in the window, as the keyboard would send it.
void Pulsar(QWidget& ventana, Qt::Key tecla, Qt::KeyboardModifiers mod = Qt::NoModifier);

// The Applications key, then the given action in the chooser.
void Elegir(QWidget& ventana, Contestador& contestador, std::function<void(QWidget&)> accion);

// Accepts line `linea` of the chooser by the arrow keys and Enter.
std::function<void(QWidget&)> Linea(int linea);

}  // namespace tiendal::prueba

#endif
