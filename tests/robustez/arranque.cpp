#include "arranque.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMainWindow>

#include "app/ventanas.h"

namespace tiendal::robustez {

Contestador::Contestador() {
  temporizador_.setInterval(1);
  QObject::connect(&temporizador_, &QTimer::timeout, [this] { Mirar(); });
  temporizador_.start();
}

void Contestador::Mirar() {
  auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (caja == nullptr || !caja->isVisible()) return;
  cajas.push_back(
      {caja->windowTitle(), caja->text(), caja->icon(), static_cast<int>(caja->buttons().size())});
  caja->buttons().first()->click();
}

Arranque::~Arranque() {
  if (VentanaPractica* ventana = Ventana()) ventana->close();
  Vaciar();
  programa.reset();
  Vaciar();
}

std::unique_ptr<Arranque> Arrancar(const QString& carpeta) {
  auto arranque = std::make_unique<Arranque>();
  Contestador contestador;
  arranque->programa = std::make_unique<Programa>(FabricaDelPrograma(carpeta));
  arranque->iniciado = arranque->programa->Iniciar();
  QApplication::processEvents();
  arranque->cajas = contestador.cajas;
  return arranque;
}

int VentanasVisibles() {
  int visibles = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (qobject_cast<QMainWindow*>(w) != nullptr && w->isVisible()) ++visibles;
  }
  return visibles;
}

void Vaciar() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
  }
}

}  // namespace tiendal::robustez
