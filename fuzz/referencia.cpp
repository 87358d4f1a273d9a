// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "referencia.h"

#include <locale.h>

#include <cmath>
#include <string>

#include "core/numeros.h"

namespace tiendal::referencia {

double LeerNumero(const QString& texto) {
  std::string limpio;
  qsizetype i = 0;
  const auto blanco = [&] {
    return i < texto.size() && (texto[i] == u' ' || texto[i] == u'\t' || texto[i] == u'\n');
  };
  const auto cifra = [&] { return i < texto.size() && texto[i] >= u'0' && texto[i] <= u'9'; };
  const auto saltar = [&] {
    while (blanco()) ++i;
  };
  const auto cifras = [&] {
    int cuantas = 0;
    for (saltar(); cifra(); saltar()) {
      limpio += static_cast<char>(texto[i++].unicode());
      ++cuantas;
    }
    return cuantas;
  };

  saltar();
  if (i < texto.size() && (texto[i] == u'+' || texto[i] == u'-')) {
    limpio += static_cast<char>(texto[i++].unicode());
  }
  int mantisa = cifras();
  if (i < texto.size() && texto[i] == u'.') {
    ++i;
    limpio += '.';
    mantisa += cifras();
  }
  if (mantisa == 0) return 0.0;
  if (i < texto.size() && QStringLiteral("EeDd").contains(texto[i])) {
    const std::string sinExponente = limpio;
    ++i;
    limpio += 'e';
    saltar();
    if (i < texto.size() && (texto[i] == u'+' || texto[i] == u'-')) {
      limpio += static_cast<char>(texto[i++].unicode());
    }
    if (cifras() == 0) limpio = sinExponente;
  }
  static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
  return strtod_l(limpio.c_str(), nullptr, c);
}

std::vector<float> PreciosDe(const QStringList& nombres, const QString& texto, bool enteros) {
  std::vector<float> precios;
  for (const QString& nombre : nombres) {
    const qsizetype p = texto.indexOf(nombre);
    const qsizetype q = texto.indexOf(u'|', p < 0 ? 0 : p + 1);
    float precio = ASimple(LeerNumero(q < 0 ? texto : texto.mid(q + 1)));
    if (enteros) {
      precio = std::floor(precio);
      if (precio == 0.0f) precio = 1.0f;
    }
    precios.push_back(precio);
  }
  return precios;
}

void AplicarTextoOpciones(const QByteArray& contenido, Opciones& opciones) {
  QString texto = QString::fromLatin1(contenido);
  texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
  QStringList lineas = texto.split(u'\n');
  if (texto.endsWith(u'\n')) lineas.removeLast();
  if (texto.isEmpty()) lineas.clear();
  if (lineas.size() > 0) opciones.ValoresEnteros = LeerNumero(lineas[0]) == 1.0;
  if (lineas.size() > 1) opciones.MostrarResultado = LeerNumero(lineas[1]) == 1.0;
}

}  // namespace tiendal::referencia
