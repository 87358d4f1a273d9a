// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <cmath>

#include "core/aleatorio.h"
#include "core/anotador.h"
#include "core/numeros.h"
#include "core/sesion.h"
#include "core/sonido.h"
#include "core/vista.h"
#include "core/voces.h"

namespace tiendal {
namespace {

// The rows the list holds for each type.
constexpr int kMaxFilas[] = {3, 2, 2, 2, 6};

}  // namespace

void Sesion::SortearEjercicio() {
  const auto tipo = static_cast<TipoDeEjercicio>(Sortear(kTiposDeEjercicio, 1));
  p_.TipoEjercicio = tipo;
  comprobaciones_ = 0;
  sonido_.ReproducirSonido(SonidoDelTipo(tipo));
  vista_.PonerInstrucciones(InstruccionesDelTipo(tipo));
  p_.MaxFilas = kMaxFilas[static_cast<int>(tipo) - 1];
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
    vista_.PonerNombre(0, QCoreApplication::translate("Sesion", "Billete entregado:"));
  if (p_.TipoEjercicio == TipoDeEjercicio::MasProductos) {
    vista_.PonerNombre(0, QCoreApplication::translate("Sesion", "Dinero disponible="));
    float total = 0.0f;
    for (int hueco = 0; hueco < kHuecos; ++hueco) total += p_.PrecioDeHueco(hueco);
    // Between a quarter and three quarters of the shelf, in whole hundredths.
    float dinero = static_cast<float>((azar_.Siguiente() * 50 + 25) * total / 100);
    dinero = RedondearCentesimas(dinero);
    if (p_.Opciones.ValoresEnteros) dinero = std::floor(dinero) + 1.0f;
    p_.DineroDisponible = dinero;
    vista_.PonerPrecio(0, FormatoPrecio(dinero));
  }
  if (anotador_) anotador_->EjercicioNuevo();
}

}  // namespace tiendal
