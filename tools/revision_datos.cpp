// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/revision_datos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cmath>

#include "core/apariciones.h"
#include "core/catalogo.h"
#include "core/comprobaciones.h"
#include "core/numeros.h"
#include "core/rutas.h"
#include "core/sonido.h"
#include "core/voces.h"
#include "window_base/medidas.h"
#include "window_base/twips.h"

namespace tiendal {

namespace {

const QString kFinLinea = QStringLiteral("\r\n");

QString Tamano(const QString& ruta) {
  QImageReader lector(ruta);
  const QImage imagen = lector.read();
  if (imagen.isNull() || imagen.height() == 0)
    return QCoreApplication::translate("RevisionDatos", "ilegible");
  return QStringLiteral("%1x%2").arg(imagen.width()).arg(imagen.height());
}

// The line of the joined prices text that holds position `pos`, without its CR LF.
QStringView LineaDe(const QString& texto, qsizetype pos, qsizetype& inicio) {
  inicio = pos == 0 ? 0 : texto.lastIndexOf(u'\n', pos - 1) + 1;
  qsizetype fin = texto.indexOf(kFinLinea, pos);
  if (fin < 0) fin = texto.size();
  return QStringView(texto).sliced(inicio, fin - inicio);
}

enum class Linea { Ajena, Propia, PropiaSinBarra };

// A product's own line starts with its name, then (after blanks, if any) the "|". Without any
// "|", a line that goes on with a number, or with nothing, is its own line less the bar.
Linea ClaseDeLinea(QStringView linea, const QString& nombre) {
  if (!linea.startsWith(nombre)) return Linea::Ajena;
  const QStringView resto = linea.sliced(nombre.size());
  for (const QChar c : resto) {
    if (c == u'|') return Linea::Propia;
    if (c != u' ' && c != u'\t') break;
  }
  const QStringView valor = resto.trimmed();
  if (!resto.contains(u'|') && (valor.isEmpty() || EmpiezaPorNumero(valor)))
    return Linea::PropiaSinBarra;
  return Linea::Ajena;
}

// A line of the prices file as a warning quotes it: a very long one is cut.
QString Cita(QStringView linea) {
  constexpr qsizetype kLargo = 60;
  return linea.size() <= kLargo ? linea.toString()
                                : linea.first(kLargo).toString() + QStringLiteral("…");
}

void AvisarApariciones(const QStringList& productos, const QString& texto,
                       const std::vector<qsizetype>& apariciones, const std::vector<float>& precios,
                       QStringList& avisos) {
  for (qsizetype k = 0; k < productos.size(); ++k) {
    const qsizetype pos = apariciones[static_cast<size_t>(k)];
    const QString precio = FormatoPrecio(precios[static_cast<size_t>(k)]);
    if (pos < 0) {
      avisos << QCoreApplication::translate(
                    "RevisionDatos",
                    "«%1» no tiene línea en precios.txt y toma el precio de la "
                    "primera línea: %2")
                    .arg(productos[k], precio);
      continue;
    }
    qsizetype inicio = 0;
    const QStringView linea = LineaDe(texto, pos, inicio);
    const Linea clase = pos == inicio ? ClaseDeLinea(linea, productos[k]) : Linea::Ajena;
    if (clase == Linea::Propia) continue;
    if (clase == Linea::PropiaSinBarra) {
      avisos << QCoreApplication::translate(
                    "RevisionDatos",
                    "la línea «%1» de precios.txt no lleva «|» entre el nombre y el precio: "
                    "«%2» lee el precio %3")
                    .arg(Cita(linea), productos[k], precio);
      continue;
    }
    avisos << QCoreApplication::translate(
                  "RevisionDatos",
                  "«%1» aparece antes dentro de la línea «%2» de precios.txt y lee "
                  "el precio %3")
                  .arg(productos[k], linea.toString(), precio);
  }
}

// The price is read after the first "|" that follows the first character of the name's first
// occurrence, or from the start of the text when no "|" follows.
void AvisarPrecios(const QStringList& productos, const QString& texto,
                   const std::vector<qsizetype>& apariciones, const std::vector<float>& precios,
                   QStringList& avisos) {
  for (qsizetype k = 0; k < productos.size(); ++k) {
    const qsizetype pos = apariciones[static_cast<size_t>(k)];
    const QString& nombre = productos[k];
    if (pos >= 0 && nombre.indexOf(u'|', 1) >= 0) {
      avisos << QCoreApplication::translate(
                    "RevisionDatos",
                    "el nombre «%1» lleva «|» y su precio se lee tras esa barra: %2")
                    .arg(nombre, FormatoPrecio(precios[static_cast<size_t>(k)]));
      continue;
    }
    const qsizetype barra = texto.indexOf(u'|', pos < 0 ? 0 : pos + 1);
    const qsizetype inicio = barra < 0 ? 0 : barra + 1;
    qsizetype inicioLinea = 0;
    const QString linea = Cita(LineaDe(texto, barra < 0 ? 0 : barra, inicioLinea));
    const QStringView numero = QStringView(texto).sliced(inicio);
    if (!EmpiezaPorNumero(numero)) {
      avisos << QCoreApplication::translate(
                    "RevisionDatos",
                    "el precio de «%1» no tiene número en la línea «%2» de precios.txt: "
                    "cuenta como 0")
                    .arg(nombre, linea);
      continue;
    }
    const double leido = LeerNumero(numero);
    if (leido != 0.0 && ASimple(leido) == 0.0f) {
      avisos << QCoreApplication::translate(
                    "RevisionDatos",
                    "el precio de «%1» en la línea «%2» de precios.txt no cabe en precisión "
                    "simple: cuenta como 0")
                    .arg(nombre, linea);
    }
  }
}

// The text line under a shelf picture, in the window's font, with whole values off and on. The
// frame reaches past the window's right edge, and the text starts inside its box (one pixel of
// frame and Qt's two of margin): what the pupil sees is narrower than the frame.
void AvisarAnchos(const QStringList& productos, const std::vector<float>& precios,
                  const std::vector<float>& preciosEnteros, QStringList& avisos) {
  const QFontMetricsF medida(medidas::FuenteVentana());
  constexpr int kSangriaTexto = 3;
  const int visible = std::min(Pixeles(medidas::kAnchoCliente),
                               Pixeles(medidas::kIzquierdaEstante + medidas::kAnchoMarco)) -
                      Pixeles(medidas::kIzquierdaEstante) - kSangriaTexto;
  for (qsizetype k = 0; k < productos.size(); ++k) {
    const auto i = static_cast<size_t>(k);
    for (const float precio : {precios[i], preciosEnteros[i]}) {
      const QString texto = TextoEstante(productos[k], precio);
      const double ancho = medida.horizontalAdvance(texto);
      if (ancho <= visible) continue;
      avisos << QCoreApplication::translate(
                    "RevisionDatos",
                    "«%1» no cabe en su marco del estante: mide %2 píxeles y se ven %3")
                    .arg(texto, QString::number(std::ceil(ancho)), QString::number(visible));
      break;
    }
  }
}

// Whether the program finds a file to play for `nombre`, as it looks for it.
bool TieneSonido(const QString& carpetaSonidos, const QString& nombre) {
  return QFileInfo(ArchivoDeSonido(carpetaSonidos, nombre)).isFile();
}

}  // namespace

int RevisionDatos::CodigoSalida() const {
  if (fallo) return 2;
  return avisos.isEmpty() ? 0 : 1;
}

RevisionDatos RevisarDatos(const QString& carpeta) {
  RevisionDatos revision;
  const Rutas rutas{carpeta};
  // Each folder is found once, whatever the Unicode form of its name.
  const QString carpetaImagenes = rutas.Imagenes();
  const QString carpetaSonidos = rutas.Sonidos();
  const auto rutaImagen = [&carpetaImagenes](const QString& archivo) {
    return carpetaImagenes + u'/' + archivo;
  };
  // The program's own start-up checks, in its words. Too few or too many pictures still let the
  // products be listed.
  QStringList pasados;
  const QStringList imagenes = ListarImagenes(carpetaImagenes, &pasados);
  for (const QString& nombre : pasados) {
    revision.avisos << QCoreApplication::translate(
                           "RevisionDatos",
                           "el nombre de la imagen «%1» no está en UTF-8: el programa "
                           "no la ve (cámbiele el nombre)")
                           .arg(nombre);
  }
  revision.fallo = FalloDelCatalogo(carpetaImagenes, imagenes.size());
  if (imagenes.isEmpty()) return revision;
  const auto texto = LeerTextoPrecios(rutas.Precios());
  if (!texto) {
    if (!revision.fallo) revision.fallo = FalloDePrecios(rutas.Precios());
    return revision;
  }

  QStringList productos;
  for (const QString& imagen : imagenes) productos << NombreProducto(imagen);
  const auto precios = PreciosDe(productos, *texto, false);
  const auto preciosEnteros = PreciosDe(productos, *texto, true);

  for (qsizetype k = 0; k < imagenes.size(); ++k) {
    const auto i = static_cast<size_t>(k);
    FilaRevision fila{productos[k],
                      imagenes[k],
                      Tamano(rutaImagen(imagenes[k])),
                      FormatoPrecio(precios[i]),
                      FormatoPrecio(preciosEnteros[i]),
                      TieneSonido(carpetaSonidos, SonidoProducto(imagenes[k]))};
    revision.filas.push_back(fila);
  }

  const auto apariciones = PrimerasApariciones(productos, *texto);
  AvisarApariciones(productos, *texto, apariciones, precios, revision.avisos);
  AvisarPrecios(productos, *texto, apariciones, precios, revision.avisos);
  AvisarAnchos(productos, precios, preciosEnteros, revision.avisos);
  for (const FilaRevision& fila : revision.filas) {
    if (fila.tamano == QCoreApplication::translate("RevisionDatos", "ilegible")) {
      revision.avisos << QCoreApplication::translate("RevisionDatos",
                                                     "la imagen %1 no se puede leer como imagen")
                             .arg(rutaImagen(fila.imagen));
    }
  }
  for (const SonidoFijo& sonido : SonidosFijos()) {
    if (!TieneSonido(carpetaSonidos, sonido.archivo)) {
      revision.avisos << QCoreApplication::translate("RevisionDatos", "falta el sonido %1")
                             .arg(carpetaSonidos + u'/' + sonido.archivo);
    }
  }
  return revision;
}

void EscribirRevision(const RevisionDatos& revision, QTextStream& salida) {
  salida << QCoreApplication::translate(
      "RevisionDatos", "producto\timagen\ttamaño\tprecio\tprecio_entero\tsonido\n");
  for (const FilaRevision& f : revision.filas) {
    salida << f.producto << '\t' << f.imagen << '\t' << f.tamano << '\t' << f.precio << '\t'
           << f.precioEntero << '\t'
           << (f.sonido ? QCoreApplication::translate("RevisionDatos", "sí")
                        : QCoreApplication::translate("RevisionDatos", "falta"))
           << '\n';
  }
  for (const QString& aviso : revision.avisos)
    salida << QCoreApplication::translate("RevisionDatos", "aviso: ") << aviso << '\n';
  salida.flush();
}

void EscribirTextosVoces(QTextStream& salida) {
  for (const SonidoFijo& sonido : SonidosFijos()) {
    QString texto = sonido.texto;
    texto.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'\t', QStringLiteral("\\t"))
        .replace(u'\r', QStringLiteral("\\r"))
        .replace(u'\n', QStringLiteral("\\n"));
    salida << sonido.archivo << '\t' << texto << '\n';
  }
  salida.flush();
}

}  // namespace tiendal
