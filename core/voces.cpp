// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/voces.h"

#include <QStringList>

namespace tiendal {
namespace {

constexpr const char16_t* kInstrucciones[] = {
    u"Elige tres productos y calcula cuánto cuestan en total",
    u"Elige un producto y calcula cuánto dinero te deben devolver",
    u"Añade a la lista el producto más caro, después añade el más barato y por último calcula la "
    u"diferencia entre sus precios.",
    u"Elige uno de los productos y calcula cuánto costarán tantos productos iguales como se "
    u"indica en número de unidades",
    u"Añade a la lista el máximo número de productos que puedes comprar con el dinero "
    u"disponible  \r\nDespués suma los precios de los productos que has elegido.",
};

constexpr const char16_t* kCifras[] = {u"cero",  u"uno",  u"dos",   u"tres", u"cuatro",
                                       u"cinco", u"seis", u"siete", u"ocho", u"nueve"};

}  // namespace

QString InstruccionesDelTipo(TipoDeEjercicio tipo) {
  return QString::fromUtf16(kInstrucciones[static_cast<int>(tipo) - 1]);
}

QString SonidoDelTipo(TipoDeEjercicio tipo) {
  return QStringLiteral("tipo%1.wav").arg(static_cast<int>(tipo));
}

QString SonidoDeCifra(int cifra) { return QStringLiteral("%1.wav").arg(cifra); }

std::vector<SonidoFijo> SonidosFijos() {
  std::vector<SonidoFijo> sonidos;
  for (int numero = 1; numero <= kTiposDeEjercicio; ++numero) {
    const auto tipo = static_cast<TipoDeEjercicio>(numero);
    sonidos.push_back({SonidoDelTipo(tipo), InstruccionesDelTipo(tipo)});
  }
  sonidos.push_back({kSonidoLista, QStringLiteral("Los productos son")});
  for (int cifra = 0; cifra <= 9; ++cifra)
    sonidos.push_back({SonidoDeCifra(cifra), QString::fromUtf16(kCifras[cifra])});
  sonidos.push_back({kSonidoComa, QStringLiteral("coma")});
  sonidos.push_back({kSonidoIgual, QStringLiteral("igual")});
  sonidos.push_back({kSonidoError, QString()});
  sonidos.push_back({kSonidoAplauso, QString()});
  return sonidos;
}

}  // namespace tiendal
