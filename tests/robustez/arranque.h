#ifndef TIENDAL_ROBUSTEZ_ARRANQUE_H
#define TIENDAL_ROBUSTEZ_ARRANQUE_H

#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <memory>
#include <ostream>
#include <vector>

#include "app/programa.h"
#include "mouse_window/ventana_practica.h"

inline void PrintTo(const QString& texto, std::ostream* os) {
  *os << '"' << texto.toStdString() << '"';
}

namespace tiendal::robustez {

// Every message box that opens while it lives is noted and answered with its first button.
class Contestador final {
 public:
  struct Caja {
    QString titulo, texto;
    QMessageBox::Icon icono = QMessageBox::NoIcon;
    int botones = 0;
  };

  Contestador();
  Contestador(const Contestador&) = delete;
  Contestador& operator=(const Contestador&) = delete;

  std::vector<Caja> cajas;

 private:
  void Mirar();

  QTimer temporizador_;
};

// The program started on a folder as the executable starts it: its own window makers, SDL
// players and clock-seeded random numbers. The message boxes of the start are answered.
struct Arranque {
  bool iniciado = false;
  std::vector<Contestador::Caja> cajas;
  std::unique_ptr<Programa> programa;

  VentanaPractica* Ventana() const { return programa ? programa->Ventana() : nullptr; }
  ~Arranque();
};
std::unique_ptr<Arranque> Arrancar(const QString& carpeta);

// Main windows of any kind that are visible.
int VentanasVisibles();

// Handles pending events, deferred deletes included.
void Vaciar();

}  // namespace tiendal::robustez

#endif
