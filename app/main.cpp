#include <QApplication>

#include "app/programa.h"
#include "app/ventanas.h"

int main(int argc, char* argv[]) {
  QApplication aplicacion(argc, argv);
  // The program, not Qt, decides when it ends: a window switch leaves no window open for a
  // moment.
  QApplication::setQuitOnLastWindowClosed(false);

  tiendal::Programa programa(tiendal::FabricaDelPrograma(QCoreApplication::applicationDirPath()));
  QObject::connect(&programa, &tiendal::Programa::terminado, &aplicacion,
                   [](int estado) { QCoreApplication::exit(estado); });
  if (!programa.Iniciar()) return 1;
  const int estado = QApplication::exec();
  // The closed window still waits for its deferred deletion: its sound player goes now, while
  // the application is still there.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return estado;
}
