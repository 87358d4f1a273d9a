// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/voces.h"

#include <QCoreApplication>
#include <QStringList>

namespace tiendal {
namespace {

// The texts are translated where they are used, in the language of the moment.
constexpr const char* kInstrucciones[] = {
    QT_TRANSLATE_NOOP("Voces", "Elige tres productos y calcula cuánto cuestan en total"),
    QT_TRANSLATE_NOOP("Voces", "Elige un producto y calcula cuánto dinero te deben devolver"),
    QT_TRANSLATE_NOOP("Voces",
                      "Añade a la lista el producto más caro, después añade el más barato y por "
                      "último calcula la diferencia entre sus precios."),
    QT_TRANSLATE_NOOP("Voces",
                      "Elige uno de los productos y calcula cuánto costarán tantos productos "
                      "iguales como se indica en número de unidades"),
    QT_TRANSLATE_NOOP("Voces",
                      "Añade a la lista el máximo número de productos que puedes comprar con el "
                      "dinero disponible  \r\nDespués suma los precios de los productos que "
                      "has elegido."),
};

// The figures as the voice says them, in words.
constexpr const char* kCifras[] = {
    QT_TRANSLATE_NOOP("Voces", "cero"),   QT_TRANSLATE_NOOP("Voces", "uno"),
    QT_TRANSLATE_NOOP("Voces", "dos"),    QT_TRANSLATE_NOOP("Voces", "tres"),
    QT_TRANSLATE_NOOP("Voces", "cuatro"), QT_TRANSLATE_NOOP("Voces", "cinco"),
    QT_TRANSLATE_NOOP("Voces", "seis"),   QT_TRANSLATE_NOOP("Voces", "siete"),
    QT_TRANSLATE_NOOP("Voces", "ocho"),   QT_TRANSLATE_NOOP("Voces", "nueve")};

QString Traducir(const char* texto) { return QCoreApplication::translate("Voces", texto); }

}  // namespace

QString InstruccionesDelTipo(TipoDeEjercicio tipo) {
  return Traducir(kInstrucciones[static_cast<int>(tipo) - 1]);
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
  sonidos.push_back({kSonidoLista, QCoreApplication::translate("Voces", "Los productos son")});
  for (int cifra = 0; cifra <= 9; ++cifra)
    sonidos.push_back({SonidoDeCifra(cifra), Traducir(kCifras[cifra])});
  sonidos.push_back({kSonidoComa, QCoreApplication::translate("Voces", "coma")});
  sonidos.push_back({kSonidoIgual, QCoreApplication::translate("Voces", "igual")});
  sonidos.push_back({kSonidoError, QString()});
  sonidos.push_back({kSonidoAplauso, QString()});
  return sonidos;
}

}  // namespace tiendal
