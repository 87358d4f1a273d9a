// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/linea_de_ordenes.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

#include "core/idioma.h"

namespace tiendal {
namespace {

// Translated where it is shown, in the language already chosen.
constexpr const char* kAyuda = QT_TRANSLATE_NOOP(
    "LineaDeOrdenes",
    "Uso: tiendal [--datos CARPETA] [--teclado] [--registro CARPETA | --sin-registro]\n"
    "             [--pantalla-completa] [--escala FACTOR] [--idioma IDIOMA]\n"
    "     tiendal --resultados [ARCHIVO|CARPETA...]\n"
    "Tiendal: prácticas de cálculo en la tienda. Una estantería de seis productos con sus\n"
    "precios, cinco clases de ejercicio, la lista de la compra y la corrección del resultado.\n"
    "\n"
    "Opciones:\n"
    "  --datos CARPETA  toma los productos de CARPETA (imágenes/, precios.txt, Sonidos/)\n"
    "  --teclado        empieza en la versión para sólo teclado\n"
    "  --registro CARPETA  anota las respuestas en CARPETA, un archivo por alumno y mes\n"
    "  --sin-registro   no anota las respuestas\n"
    "  --pantalla-completa  llena la pantalla, para la pizarra digital, con un teclado\n"
    "                   numérico (F11 o Escape la dejan)\n"
    "  --escala FACTOR  dibuja la ventana de 1 a 4 veces más grande\n"
    "  --resultados     abre los resultados de los alumnos: los registros dados, o los\n"
    "                   del usuario\n"
    "  --idioma IDIOMA  habla en IDIOMA: ca (catalán), es (español), eu (euskera) o\n"
    "                   gl (gallego); sin ella, en el idioma de la sesión\n"
    "  -h, --help       muestra esta ayuda y termina\n"
    "  -v, --version    muestra la versión y termina\n"
    "\n"
    "Sin --datos, los productos se toman de la carpeta del programa cuando tiene imágenes/\n"
    "(la copia portátil) y si no de la carpeta de datos instalada de su idioma, junto al\n"
    "programa en ../share/tiendal. Las dos opciones del menú se guardan en Tiendal.ini, en\n"
    "la carpeta de los datos cuando se puede escribir en ella y si no en ~/.config/tiendal/.\n"
    "\n"
    "Cada corrección se anota, sin salir del equipo, en ~/.local/share/tiendal/registro/\n"
    "(un archivo CSV por alumno y mes), salvo con --registro o --sin-registro.\n");

QString Traducir(const char* texto) { return QCoreApplication::translate("LineaDeOrdenes", texto); }

FinSinVentana Error(const QString& texto) {
  return {2, QCoreApplication::translate("LineaDeOrdenes", "tiendal: %1 (pruebe «tiendal --help»)")
                     .arg(texto) +
                 u'\n'};
}

// The argument QCommandLineParser stopped at, when it was no unknown option: an option that
// takes no value given one, or else the last argument, an option that takes one (--datos,
// --registro, --escala, --idioma) with nothing after it.
QString ErrorDeValor(const QStringList& argumentos) {
  for (const QString& argumento : argumentos.mid(1)) {
    if (argumento == QLatin1String("--")) break;
    const qsizetype igual = argumento.indexOf(u'=');
    const QStringView nombre = QStringView(argumento).first(std::max<qsizetype>(igual, 0));
    if (igual > 0 && nombre != u"--datos" && nombre != u"--registro" && nombre != u"--escala" &&
        nombre != u"--idioma") {
      return QCoreApplication::translate("LineaDeOrdenes", "la opción «%1» no lleva valor")
          .arg(nombre);
    }
  }
  const QString& opcion = argumentos.last();
  if (opcion == QLatin1String("--escala")) {
    return QCoreApplication::translate("LineaDeOrdenes", "falta el factor tras «--escala»");
  }
  if (opcion == QLatin1String("--idioma")) {
    return QCoreApplication::translate("LineaDeOrdenes", "falta el idioma tras «--idioma»");
  }
  return QCoreApplication::translate("LineaDeOrdenes", "falta la carpeta tras «%1»").arg(opcion);
}

// Qt's own options, which QApplication takes out of the command line itself, with one dash or
// two: those that take the next argument as their value, and those that take none. The X11
// ones are taken only on X11 and are harmless elsewhere.
bool EsOpcionDeQt(QStringView argumento, bool& llevaValor) {
  static const QStringList kConValor = {
      QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
      QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
      QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
      QStringLiteral("qwindowtitle"),    QStringLiteral("session"),
      QStringLiteral("style"),           QStringLiteral("stylesheet"),
      QStringLiteral("qmljsdebugger"),   QStringLiteral("display"),
      QStringLiteral("geometry"),        QStringLiteral("icon"),
      QStringLiteral("title"),           QStringLiteral("name"),
      QStringLiteral("visual")};
  static const QStringList kSinValor = {QStringLiteral("reverse"), QStringLiteral("testability"),
                                        QStringLiteral("widgetcount"), QStringLiteral("dograb"),
                                        QStringLiteral("nograb")};
  static const QStringList kConIgual = {QStringLiteral("style="), QStringLiteral("stylesheet="),
                                        QStringLiteral("qmljsdebugger=")};
  if (!argumento.startsWith(u'-')) return false;
  QStringView nombre = argumento.sliced(argumento.startsWith(u"--") ? 2 : 1);
  llevaValor = kConValor.contains(nombre);
  if (llevaValor || kSinValor.contains(nombre)) return true;
  return std::any_of(kConIgual.begin(), kConIgual.end(),
                     [nombre](const QString& prefijo) { return nombre.startsWith(prefijo); });
}

// The arguments less Qt's own options and their values.
QStringList SinOpcionesDeQt(const QStringList& argumentos) {
  QStringList quedan;
  for (qsizetype i = 0; i < argumentos.size(); ++i) {
    bool llevaValor = false;
    if (i == 0 || !EsOpcionDeQt(argumentos[i], llevaValor)) {
      quedan.append(argumentos[i]);
    } else if (llevaValor) {
      ++i;
    }
  }
  return quedan;
}

}  // namespace

std::variant<Ordenes, FinSinVentana> LeerLineaDeOrdenes(const QStringList& todos) {
  const QStringList argumentos = SinOpcionesDeQt(todos);
  QCommandLineParser analizador;
  const QCommandLineOption datos(QStringLiteral("datos"), QString(), QStringLiteral("CARPETA"));
  const QCommandLineOption teclado(QStringLiteral("teclado"));
  const QCommandLineOption registro(QStringLiteral("registro"), QString(),
                                    QStringLiteral("CARPETA"));
  const QCommandLineOption sinRegistro(QStringLiteral("sin-registro"));
  const QCommandLineOption resultados(QStringLiteral("resultados"));
  const QCommandLineOption pantallaCompleta(QStringLiteral("pantalla-completa"));
  const QCommandLineOption escala(QStringLiteral("escala"), QString(), QStringLiteral("FACTOR"));
  const QCommandLineOption idioma(QStringLiteral("idioma"), QString(), QStringLiteral("IDIOMA"));
  const QCommandLineOption ayuda(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
  analizador.addOptions({datos, teclado, registro, sinRegistro, resultados, pantallaCompleta,
                         escala, idioma, ayuda, version});

  if (!analizador.parse(argumentos)) {
    const QStringList desconocidas = analizador.unknownOptionNames();
    if (!desconocidas.isEmpty()) {
      const QString guiones =
          desconocidas.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
      return Error(QCoreApplication::translate("LineaDeOrdenes", "opción desconocida «%1%2»")
                       .arg(guiones, desconocidas.first()));
    }
    return Error(ErrorDeValor(argumentos));
  }
  const QStringList posicionales = analizador.positionalArguments();
  if (!posicionales.isEmpty() && !analizador.isSet(resultados)) {
    return Error(QCoreApplication::translate("LineaDeOrdenes", "argumento de más «%1»")
                     .arg(posicionales.first()));
  }
  if (analizador.isSet(ayuda)) return FinSinVentana{0, Traducir(kAyuda)};
  if (analizador.isSet(version)) {
    return FinSinVentana{0, QStringLiteral("tiendal %1\n").arg(QStringLiteral(TIENDAL_VERSION))};
  }

  Ordenes ordenes;
  ordenes.teclado = analizador.isSet(teclado);
  ordenes.sinRegistro = analizador.isSet(sinRegistro);
  ordenes.resultados = analizador.isSet(resultados);
  ordenes.archivosResultados = posicionales;
  ordenes.pantallaCompleta = analizador.isSet(pantallaCompleta);
  if (analizador.isSet(escala)) {
    QString factor = analizador.value(escala);
    bool numero = false;
    ordenes.escala = factor.replace(u',', u'.').toDouble(&numero);
    if (!numero || !(ordenes.escala >= 1.0 && ordenes.escala <= 4.0)) {
      return Error(
          QCoreApplication::translate("LineaDeOrdenes", "la escala «%1» no es un número de 1 a 4")
              .arg(analizador.value(escala)));
    }
  }
  if (analizador.isSet(idioma)) {
    ordenes.idioma = analizador.value(idioma);
    if (!kIdiomas.contains(ordenes.idioma)) {
      return Error(QCoreApplication::translate("LineaDeOrdenes",
                                               "no hay textos en el idioma «%1»; los hay en %2")
                       .arg(ordenes.idioma, kIdiomas.join(QStringLiteral(", "))));
    }
  }
  if (ordenes.sinRegistro && analizador.isSet(registro)) {
    return Error(QCoreApplication::translate("LineaDeOrdenes",
                                             "«--registro» y «--sin-registro» no van juntas"));
  }
  // A folder option's value, made absolute: empty when not given, and when missing an error.
  const auto carpeta = [&analizador](const QCommandLineOption& opcion, QString& destino) {
    const QString valor = analizador.value(opcion);
    if (!analizador.isSet(opcion)) return true;
    destino = QDir(valor).absolutePath();
    const QFileInfo info(valor);
    return !valor.isEmpty() && info.isDir();
  };
  if (!carpeta(datos, ordenes.datos)) {
    return Error(QCoreApplication::translate("LineaDeOrdenes", "no existe la carpeta de datos «%1»")
                     .arg(analizador.value(datos)));
  }
  if (!carpeta(registro, ordenes.registro)) {
    return Error(
        QCoreApplication::translate("LineaDeOrdenes", "no existe la carpeta del registro «%1»")
            .arg(analizador.value(registro)));
  }
  return ordenes;
}

int Acabar(const FinSinVentana& fin) {
  const QByteArray texto = fin.texto.toLocal8Bit();
  std::FILE* salida = fin.estado == 0 ? stdout : stderr;
  std::fwrite(texto.constData(), 1, static_cast<size_t>(texto.size()), salida);
  std::fflush(salida);
  return fin.estado;
}

}  // namespace tiendal
