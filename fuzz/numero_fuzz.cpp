// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The number reading on any text, read from the bytes both as UTF-16 and as Latin-1, against a
// plain reading done character by character. Also the price format of whatever comes out.
#include <locale.h>

#include <QString>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/numeros.h"
#include "referencia.h"

namespace {

void ComprobarFormato(float valor) {
  const QString texto = tiendal::FormatoPrecio(valor);
  // Digits, at most one comma with no trailing zero after it, a minus only in front.
  FALLO_SI(texto.isEmpty());
  qsizetype i = texto.startsWith(u'-') ? 1 : 0;
  FALLO_SI(i == texto.size());
  const qsizetype coma = texto.indexOf(u',');
  for (; i < texto.size(); ++i) {
    const QChar c = texto[i];
    FALLO_SI(!(c.isDigit() && c.unicode() < 128) && !(c == u',' && i == coma));
  }
  if (coma >= 0) FALLO_SI(coma == texto.size() - 1 || texto.endsWith(u'0'));
  FALLO_SI(texto == QStringLiteral("-0"));
  // Read back, it is the value to seven significant digits.
  const float leido = tiendal::LeerCifra(texto);
  FALLO_SI(std::isfinite(valor) && std::fabs(leido - valor) > std::fabs(valor) * 1e-6f);
}

void Probar(const QString& texto) {
  const double leido = tiendal::LeerNumero(texto);
  const double esperado = tiendal::referencia::LeerNumero(texto);
  FALLO_SI(std::memcmp(&leido, &esperado, sizeof leido) != 0);

  const float simple = tiendal::ASimple(leido);
  FALLO_SI(!std::isfinite(simple));
  ComprobarFormato(simple);
  const float cifra = tiendal::LeerCifra(texto);
  ComprobarFormato(tiendal::RedondearCentesimas(std::isfinite(cifra) ? cifra : 0.0f));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
  const auto* bytes = reinterpret_cast<const char*>(datos);
  const auto n = static_cast<qsizetype>(largo);
  Probar(QString::fromLatin1(bytes, n));
  Probar(QString(reinterpret_cast<const QChar*>(datos), n / 2));
  return 0;
}
