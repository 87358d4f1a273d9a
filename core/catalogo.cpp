// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/catalogo.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>
#include <memory>
#include <string_view>
#include <vector>

#include "core/apariciones.h"
#include "core/numeros.h"

namespace tiendal {

QStringList ListarImagenes(const QString& carpetaImagenes, QStringList* pasados) {
  // The C library's listing sees every entry, whatever bytes its name holds; Qt's own stops at
  // the first name that is not UTF-8 in some versions, dropping the rest of the folder.
  QStringList imagenes;
  const QByteArray carpeta = QFile::encodeName(carpetaImagenes) + '/';
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(carpeta.constData()), closedir);
  while (const dirent* entrada = dir ? readdir(dir.get()) : nullptr) {
    const QByteArray nombre(entrada->d_name);
    // Cameras write ".JPG": the extension is matched in any case.
    if (nombre.startsWith('.') || !nombre.toLower().endsWith(".jpg")) continue;
    const QByteArray ruta = carpeta + nombre;
    struct stat datos = {};
    if (stat(ruta.constData(), &datos) != 0 || !S_ISREG(datos.st_mode) ||
        access(ruta.constData(), R_OK) != 0) {
      continue;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texto = utf8.decode(nombre);
    if (!utf8.hasError()) {
      imagenes << texto;
    } else if (pasados != nullptr) {
      *pasados << texto;  // with U+FFFD for what is not UTF-8
    }
  }
  return imagenes;
}

QString NombreProducto(const QString& imagen) { return imagen.chopped(4); }

QString TextoEstante(const QString& producto, float precio) {
  return producto + QStringLiteral("  ") + FormatoPrecio(precio);
}

QString SonidoProducto(const QString& imagen) {
  return imagen.left(std::max<qsizetype>(imagen.size() - 3, 0)) + QStringLiteral("wav");
}

namespace {

// Decoded into a buffer with room for one more line end, which the last line may need.
QString Decodificar(QStringDecoder& decodificador, const QByteArray& bytes) {
  QString texto(decodificador.requiredSpace(bytes.size()) + 2, Qt::Uninitialized);
  const QChar* fin = decodificador.appendToBuffer(texto.data(), bytes);
  texto.truncate(fin - texto.constData());
  return texto;
}

QString Decodificar(const QByteArray& bytes) {
  const bool conBom = bytes.startsWith("\xEF\xBB\xBF");
  const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (!ascii || conBom) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString texto = Decodificar(utf8, bytes);
    if (conBom || !utf8.hasError()) return texto;
  }
  QStringDecoder windows1252("windows-1252");
  if (!windows1252.isValid()) return QString::fromLatin1(bytes);
  return Decodificar(windows1252, bytes);
}

// Whether every line already ends in CR LF, the last one perhaps excepted.
bool SoloCrLf(QStringView texto) {
  const qsizetype n = texto.size();
  for (qsizetype i = texto.indexOf(u'\r'); i >= 0; i = texto.indexOf(u'\r', i + 1)) {
    if (i + 1 == n || texto[i + 1] != u'\n') return false;
  }
  for (qsizetype i = texto.indexOf(u'\n'); i >= 0; i = texto.indexOf(u'\n', i + 1)) {
    if (i == 0 || texto[i - 1] != u'\r') return false;
  }
  return true;
}

}  // namespace

QString UnirLineasPrecios(const QByteArray& bytes) {
  QString texto = Decodificar(bytes);
  if (SoloCrLf(texto)) {
    if (!texto.isEmpty() && !texto.endsWith(QStringLiteral("\r\n")))
      texto += QStringLiteral("\r\n");
    return texto;
  }
  QString unido;
  unido.reserve(texto.size() + texto.size() / 8 + 2);
  qsizetype inicio = 0;
  const qsizetype n = texto.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = texto[i];
    if (c != u'\r' && c != u'\n') continue;
    unido += QStringView(texto).sliced(inicio, i - inicio);
    unido += QStringLiteral("\r\n");
    if (c == u'\r' && i + 1 < n && texto[i + 1] == u'\n') ++i;
    inicio = i + 1;
  }
  if (inicio < n) {
    unido += QStringView(texto).sliced(inicio);
    unido += QStringLiteral("\r\n");
  }
  return unido;
}

std::optional<QString> LeerTextoPrecios(const QString& ruta) {
  QFile archivo(ruta);
  if (!archivo.open(QIODevice::ReadOnly)) return std::nullopt;
  return UnirLineasPrecios(archivo.readAll());
}

std::vector<float> PreciosDe(const QStringList& productos, const QString& texto,
                             bool valoresEnteros) {
  std::vector<qsizetype> barras;
  for (qsizetype i = texto.indexOf(u'|'); i >= 0; i = texto.indexOf(u'|', i + 1)) {
    barras.push_back(i);
  }
  // Where to start looking for the first "|" at or after a position: the first one of its
  // 64-character block, so that each look-up reads a few neighbours and no binary search.
  constexpr qsizetype kBloque = 64;
  std::vector<size_t> primeraDelBloque(static_cast<size_t>(texto.size() / kBloque) + 1);
  for (size_t b = 0, k = 0; b < primeraDelBloque.size(); ++b) {
    while (k < barras.size() && barras[k] < static_cast<qsizetype>(b) * kBloque) ++k;
    primeraDelBloque[b] = k;
  }
  const auto apariciones = PrimerasApariciones(productos, texto);
  // Names that share a "|" share its price text: each is read once.
  std::vector<std::optional<float>> leidos(barras.size() + 1);

  std::vector<float> precios;
  precios.reserve(apariciones.size());
  for (const qsizetype aparicion : apariciones) {
    // The "|" is looked for from the character after the name's first one.
    const qsizetype desde = aparicion < 0 ? 0 : aparicion + 1;
    size_t k = primeraDelBloque[static_cast<size_t>(desde / kBloque)];
    while (k < barras.size() && barras[k] < desde) ++k;
    // Without a "|" after the name, the number is read from the start of the text.
    const size_t cual = k == barras.size() ? 0 : k + 1;
    if (!leidos[cual]) {
      const qsizetype inicio = cual == 0 ? 0 : barras[k] + 1;
      leidos[cual] = ASimple(LeerNumero(QStringView(texto).sliced(inicio)));
    }
    float precio = *leidos[cual];
    if (valoresEnteros) {
      precio = std::floor(precio);
      if (precio == 0.0f) precio = 1.0f;
    }
    precios.push_back(precio);
  }
  return precios;
}

}  // namespace tiendal
