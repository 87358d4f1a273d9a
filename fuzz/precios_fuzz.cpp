// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The prices file from its bytes: lines joined, names looked for, prices read. The names are a
// fixed list of traps plus the names the file itself gives (each line up to its "|", and those
// less their first character, so that names overlap). Every first occurrence and every price
// must be what the plain search and reading give.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstring>

#include "core/apariciones.h"
#include "core/catalogo.h"
#include "referencia.h"

namespace {

constexpr int kNombresDelTexto = 48;

QStringList Nombres(const QString& texto) {
  QStringList nombres = {
      QStringLiteral("pan"),     QStringLiteral("empanada"),
      QStringLiteral("Pan"),     QString(),
      QStringLiteral("pan"),     QStringLiteral("|"),
      QStringLiteral("pan|"),    QStringLiteral("1"),
      QStringLiteral("a"),       QStringLiteral("aa"),
      QStringLiteral("aaa"),     QStringLiteral("piña"),
      QStringLiteral("€"),       QStringLiteral("\r\n"),
      QStringLiteral(" "),       QStringLiteral("ñ"),
      QStringLiteral("pan pan"), QString(QChar(u'\0')),
      QStringLiteral("\uFFFD"),  QStringLiteral("leche"),
  };
  const QStringList lineas = texto.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  for (const QString& linea : lineas) {
    if (nombres.size() >= kNombresDelTexto) break;
    const QString nombre = linea.section(u'|', 0, 0);
    nombres << nombre << nombre.mid(1);
  }
  return nombres;
}

bool Iguales(const std::vector<float>& a, const std::vector<float>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
  const QByteArray bytes(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(largo));
  const QString texto = tiendal::UnirLineasPrecios(bytes);
  // Every line, the last one too, ends in CR LF, and no CR or LF stands alone.
  FALLO_SI(!texto.isEmpty() && !texto.endsWith(QStringLiteral("\r\n")));
  FALLO_SI(QString(texto).remove(QStringLiteral("\r\n")).contains(u'\r'));
  FALLO_SI(QString(texto).remove(QStringLiteral("\r\n")).contains(u'\n'));

  // Each search builds a table of 64 Ki entries, most of an input's time: an input checks either
  // the first occurrences (even length) or the prices (odd length, whole values on for every
  // other one).
  const QStringList nombres = Nombres(texto);
  if (largo % 2 == 0) {
    const auto apariciones = tiendal::PrimerasApariciones(nombres, texto);
    FALLO_SI(apariciones.size() != static_cast<size_t>(nombres.size()));
    for (qsizetype k = 0; k < nombres.size(); ++k) {
      FALLO_SI(apariciones[static_cast<size_t>(k)] != texto.indexOf(nombres[k]));
    }
  } else {
    const bool enteros = largo % 4 == 3;
    FALLO_SI(!Iguales(tiendal::PreciosDe(nombres, texto, enteros),
                      tiendal::referencia::PreciosDe(nombres, texto, enteros)));
  }
  return 0;
}
