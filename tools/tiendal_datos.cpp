// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// tiendal-datos CARPETA: shows what Tiendal would make of a data folder (manual page:
// packaging/tiendal-datos.1).
// tiendal-datos --textos-voces: the fixed sounds and what each says, for the voice generator.

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QProcessEnvironment>
#include <QTextStream>

#include "core/idioma.h"
#include "tools/revision_datos.h"

namespace {

// Translated where it is shown.
constexpr const char* kAyuda = QT_TRANSLATE_NOOP(
    "TiendalDatos",
    "Uso: tiendal-datos [--idioma IDIOMA] CARPETA\n"
    "     tiendal-datos [--idioma IDIOMA] --textos-voces\n"
    "Muestra lo que Tiendal hace de una carpeta de datos (imágenes/, precios.txt, Sonidos/):\n"
    "una línea por producto, separada por tabuladores, con su imagen, su tamaño, su precio,\n"
    "su precio entero y si tiene sonido, y después un aviso por cada problema.\n"
    "Estado de salida: 0 sin avisos, 1 con avisos, 2 si Tiendal no puede arrancar con ella.\n"
    "\n"
    "Opciones:\n"
    "  --textos-voces muestra cada sonido fijo y lo que dice, separados por un tabulador,\n"
    "                 y termina (generar-voces.sh lo lee)\n"
    "  --idioma IDIOMA  habla en IDIOMA (ca, es, eu o gl); sin ella, en el de la sesión\n"
    "  -h, --help     muestra esta ayuda y termina\n"
    "  -v, --version  muestra la versión y termina\n");

}  // namespace

int main(int argc, char** argv) {
  // Fonts are measured, nothing is shown: no display is needed.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const tiendal::Traducciones traducciones(
      tiendal::IdiomaElegido(app.arguments(), QProcessEnvironment::systemEnvironment()));
  traducciones.Instalar();
  QTextStream error(stderr);
  QTextStream salida(stdout);
  QCommandLineParser analizador;
  const QCommandLineOption ayuda(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
  const QCommandLineOption textosVoces(QStringLiteral("textos-voces"));
  const QCommandLineOption idioma(QStringLiteral("idioma"), QString(), QStringLiteral("IDIOMA"));
  analizador.addOptions({ayuda, version, textosVoces, idioma});
  const bool leida = analizador.parse(app.arguments());
  if (leida && analizador.isSet(ayuda)) {
    salida << QCoreApplication::translate("TiendalDatos", kAyuda);
    return 0;
  }
  if (leida && analizador.isSet(version)) {
    salida << QStringLiteral("tiendal-datos %1\n").arg(QStringLiteral(TIENDAL_VERSION));
    return 0;
  }
  const QStringList args = analizador.positionalArguments();
  if (leida && analizador.isSet(idioma) && !tiendal::kIdiomas.contains(analizador.value(idioma))) {
    error << QCoreApplication::translate("TiendalDatos",
                                         "tiendal-datos: no hay textos en el idioma «%1»; los hay "
                                         "en %2")
                 .arg(analizador.value(idioma), tiendal::kIdiomas.join(QStringLiteral(", ")))
          << '\n';
    return 2;
  }
  if (leida && analizador.isSet(textosVoces) && args.isEmpty()) {
    tiendal::EscribirTextosVoces(salida);
    return 0;
  }
  if (!leida || args.size() != 1 || analizador.isSet(textosVoces)) {
    error << QCoreApplication::translate("TiendalDatos",
                                         "uso: tiendal-datos CARPETA | --textos-voces")
          << '\n';
    return 2;
  }
  const tiendal::RevisionDatos revision = tiendal::RevisarDatos(args[0]);
  // Too few or too many pictures stop the program, but the products are still listed.
  if (!revision.fallo || !revision.filas.empty()) tiendal::EscribirRevision(revision, salida);
  if (revision.fallo) error << "tiendal-datos: " << *revision.fallo << '\n';
  return revision.CodigoSalida();
}
