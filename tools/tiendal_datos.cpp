// tiendal-datos CARPETA: shows what Tiendal would make of a data folder (see README.md).

#include <QGuiApplication>
#include <QTextStream>

#include "tools/revision_datos.h"

int main(int argc, char** argv) {
  // Fonts are measured, nothing is shown: no display is needed.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QTextStream error(stderr);
  const QStringList args = app.arguments();
  if (args.size() != 2) {
    error << QStringLiteral("uso: tiendal-datos CARPETA\n");
    return 2;
  }
  const tiendal::RevisionDatos revision = tiendal::RevisarDatos(args[1]);
  if (revision.fallo) {
    error << QStringLiteral("tiendal-datos: ") << *revision.fallo << '\n';
    return 2;
  }
  QTextStream salida(stdout);
  tiendal::EscribirRevision(revision, salida);
  return revision.CodigoSalida();
}
