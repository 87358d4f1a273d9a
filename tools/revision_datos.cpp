// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/revision_datos.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QImageReader>
#include <cmath>

#include "core/apariciones.h"
#include "core/catalogo.h"
#include "core/numeros.h"
#include "core/practica.h"
#include "core/rutas.h"
#include "window_base/medidas.h"
#include "window_base/twips.h"

namespace tiendal {

namespace {

const QString kFinLinea = QStringLiteral("\r\n");

QString Tamano(const QString& ruta) {
  QImageReader lector(ruta);
  const QImage imagen = lector.read();
  if (imagen.isNull() || imagen.height() == 0) return QStringLiteral("ilegible");
  return QStringLiteral("%1x%2").arg(imagen.width()).arg(imagen.height());
}

// The line of the joined prices text that holds position `pos`, without its CR LF.
QStringView LineaDe(const QString& texto, qsizetype pos, qsizetype& inicio) {
  inicio = pos == 0 ? 0 : texto.lastIndexOf(u'\n', pos - 1) + 1;
  qsizetype fin = texto.indexOf(kFinLinea, pos);
  if (fin < 0) fin = texto.size();
  return QStringView(texto).sliced(inicio, fin - inicio);
}

// A product's own line starts with its name, then (after blanks, if any) the "|".
bool EsLineaPropia(QStringView linea, const QString& nombre) {
  if (!linea.startsWith(nombre)) return false;
  for (const QChar c : linea.sliced(nombre.size())) {
    if (c == u'|') return true;
    if (c != u' ' && c != u'\t') return false;
  }
  return false;
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
      avisos << QStringLiteral(
                    "«%1» no tiene línea en precios.txt y toma el precio de la "
                    "primera línea: %2")
                    .arg(productos[k], precio);
      continue;
    }
    qsizetype inicio = 0;
    const QStringView linea = LineaDe(texto, pos, inicio);
    if (pos == inicio && EsLineaPropia(linea, productos[k])) continue;
    avisos << QStringLiteral(
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
      avisos << QStringLiteral("el nombre «%1» lleva «|» y su precio se lee tras esa barra: %2")
                    .arg(nombre, FormatoPrecio(precios[static_cast<size_t>(k)]));
      continue;
    }
    const qsizetype barra = texto.indexOf(u'|', pos < 0 ? 0 : pos + 1);
    const qsizetype inicio = barra < 0 ? 0 : barra + 1;
    qsizetype inicioLinea = 0;
    const QString linea = Cita(LineaDe(texto, barra < 0 ? 0 : barra, inicioLinea));
    const QStringView numero = QStringView(texto).sliced(inicio);
    if (!EmpiezaPorNumero(numero)) {
      avisos << QStringLiteral(
                    "el precio de «%1» no tiene número en la línea «%2» de precios.txt: "
                    "cuenta como 0")
                    .arg(nombre, linea);
      continue;
    }
    const double leido = LeerNumero(numero);
    if (leido != 0.0 && ASimple(leido) == 0.0f) {
      avisos << QStringLiteral(
                    "el precio de «%1» en la línea «%2» de precios.txt no cabe en precisión "
                    "simple: cuenta como 0")
                    .arg(nombre, linea);
    }
  }
}

// The text line under a shelf picture, in the window's font, with whole values off and on.
void AvisarAnchos(const QStringList& productos, const std::vector<float>& precios,
                  const std::vector<float>& preciosEnteros, QStringList& avisos) {
  const QFontMetricsF medida(medidas::FuenteVentana());
  const int marco = Pixeles(medidas::kAnchoMarco);
  for (qsizetype k = 0; k < productos.size(); ++k) {
    const auto i = static_cast<size_t>(k);
    for (const float precio : {precios[i], preciosEnteros[i]}) {
      const QString texto = TextoEstante(productos[k], precio);
      const double ancho = medida.horizontalAdvance(texto);
      if (ancho <= marco) continue;
      avisos << QStringLiteral(
                    "«%1» no cabe en su marco del estante: mide %2 píxeles y el marco %3")
                    .arg(texto, QString::number(std::ceil(ancho)), QString::number(marco));
      break;
    }
  }
}

// The sounds every data folder needs besides one per product.
QStringList SonidosFijos() {
  QStringList nombres;
  for (int tipo = 1; tipo <= 5; ++tipo) nombres << QStringLiteral("tipo%1.wav").arg(tipo);
  nombres << QStringLiteral("lista.wav");
  for (int cifra = 0; cifra <= 9; ++cifra) nombres << QStringLiteral("%1.wav").arg(cifra);
  nombres << QStringLiteral("coma.wav") << QStringLiteral("igual.wav")
          << QStringLiteral("error.wav") << QStringLiteral("Aplauso.wav");
  return nombres;
}

}  // namespace

int RevisionDatos::CodigoSalida() const {
  if (fallo) return 2;
  return avisos.isEmpty() ? 0 : 1;
}

RevisionDatos RevisarDatos(const QString& carpeta) {
  RevisionDatos revision;
  const Rutas rutas{carpeta};
  if (!QFileInfo(carpeta).isDir()) {
    revision.fallo = QStringLiteral("no existe la carpeta %1").arg(carpeta);
    return revision;
  }
  // Each folder is found once, whatever the Unicode form of its name.
  const QString carpetaImagenes = rutas.Imagenes();
  const QString carpetaSonidos = rutas.Sonidos();
  const auto rutaImagen = [&carpetaImagenes](const QString& archivo) {
    return carpetaImagenes + u'/' + archivo;
  };
  if (!QFileInfo(carpetaImagenes).isDir()) {
    revision.fallo = QStringLiteral("no existe la carpeta de imágenes %1").arg(carpetaImagenes);
    return revision;
  }
  const auto texto = LeerTextoPrecios(rutas.Precios());
  if (!texto) {
    revision.fallo =
        QStringLiteral("no se puede leer el archivo de precios %1").arg(rutas.Precios());
    return revision;
  }

  const QStringList imagenes = ListarImagenes(carpetaImagenes);
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
                      QFileInfo(carpetaSonidos + u'/' + SonidoProducto(imagenes[k])).isFile()};
    revision.filas.push_back(fila);
  }

  const auto apariciones = PrimerasApariciones(productos, *texto);
  AvisarApariciones(productos, *texto, apariciones, precios, revision.avisos);
  AvisarPrecios(productos, *texto, apariciones, precios, revision.avisos);
  AvisarAnchos(productos, precios, preciosEnteros, revision.avisos);
  for (const FilaRevision& fila : revision.filas) {
    if (fila.tamano == QStringLiteral("ilegible")) {
      revision.avisos << QStringLiteral("la imagen %1 no se puede leer como imagen")
                             .arg(rutaImagen(fila.imagen));
    }
  }
  for (const QString& sonido : SonidosFijos()) {
    const QString ruta = carpetaSonidos + u'/' + sonido;
    if (!QFileInfo(ruta).isFile())
      revision.avisos << QStringLiteral("falta el sonido %1").arg(ruta);
  }
  if (imagenes.size() < kHuecos) {
    revision.avisos << QStringLiteral("hay %1 productos y el estante necesita al menos seis")
                           .arg(imagenes.size());
  }
  return revision;
}

void EscribirRevision(const RevisionDatos& revision, QTextStream& salida) {
  salida << QStringLiteral("producto\timagen\ttamaño\tprecio\tprecio_entero\tsonido\n");
  for (const FilaRevision& f : revision.filas) {
    salida << f.producto << '\t' << f.imagen << '\t' << f.tamano << '\t' << f.precio << '\t'
           << f.precioEntero << '\t' << (f.sonido ? QStringLiteral("sí") : QStringLiteral("falta"))
           << '\n';
  }
  for (const QString& aviso : revision.avisos) salida << QStringLiteral("aviso: ") << aviso << '\n';
  salida.flush();
}

}  // namespace tiendal
