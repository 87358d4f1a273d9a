// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "core/aleatorio.h"
#include "core/numeros.h"
#include "core/sesion.h"
#include "core/sonido.h"
#include "core/vista.h"

namespace tiendal {
namespace {

struct Tipo {
  const char16_t* instrucciones;
  const char16_t* sonido;
  int maxFilas;
};

constexpr Tipo kTipos[] = {
    {u"Elige tres productos y calcula cuánto cuestan en total", u"tipo1.wav", 3},
    {u"Elige un producto y calcula cuánto dinero te deben devolver", u"tipo2.wav", 2},
    {u"Añade a la lista el producto más caro, después añade el más barato y por último calcula "
     u"la diferencia entre sus precios.",
     u"tipo3.wav", 2},
    {u"Elige uno de los productos y calcula cuánto costarán tantos productos iguales como se "
     u"indica en número de unidades",
     u"tipo4.wav", 2},
    {u"Añade a la lista el máximo número de productos que puedes comprar con el dinero "
     u"disponible  \r\nDespués suma los precios de los productos que has elegido.",
     u"tipo5.wav", 6},
};

}  // namespace

void Sesion::SortearEjercicio() {
  const int sorteado = Sortear(kTiposDeEjercicio, 1);
  p_.TipoEjercicio = static_cast<TipoDeEjercicio>(sorteado);
  const Tipo& tipo = kTipos[sorteado - 1];
  sonido_.ReproducirSonido(QString::fromUtf16(tipo.sonido));
  vista_.PonerInstrucciones(QString::fromUtf16(tipo.instrucciones));
  p_.MaxFilas = tipo.maxFilas;
  if (p_.TieneDineroEnFila0()) p_.NumFilas = 1;

  ElegirProductos();

  while (vista_.ContarFilas() > p_.MaxFilas) vista_.RetirarFila(vista_.ContarFilas() - 1);
  while (vista_.ContarFilas() < p_.MaxFilas) vista_.CrearFila();

  vista_.MostrarFilas();
  for (int fila = 0; fila < p_.MaxFilas; ++fila) {
    vista_.PonerNombre(fila, QString());
    vista_.PonerPrecio(fila, QStringLiteral("0"));
  }

  if (p_.TipoEjercicio == TipoDeEjercicio::Cambio)
    vista_.PonerNombre(0, QStringLiteral("Billete entregado:"));
  if (p_.TipoEjercicio == TipoDeEjercicio::MasProductos) {
    vista_.PonerNombre(0, QStringLiteral("Dinero disponible="));
    float total = 0.0f;
    for (int hueco = 0; hueco < kHuecos; ++hueco) total += p_.PrecioDeHueco(hueco);
    // Between a quarter and three quarters of the shelf, in whole hundredths.
    float dinero = static_cast<float>((azar_.Siguiente() * 50 + 25) * total / 100);
    dinero = RedondearCentesimas(dinero);
    if (p_.Opciones.ValoresEnteros) dinero = std::floor(dinero) + 1.0f;
    p_.DineroDisponible = dinero;
    vista_.PonerPrecio(0, FormatoPrecio(dinero));
  }
}

}  // namespace tiendal
