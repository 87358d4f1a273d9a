// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sesion.h"

#include <algorithm>

#include "core/aleatorio.h"
#include "core/opciones.h"
#include "core/sonido.h"
#include "core/vista.h"

namespace tiendal {

Sesion::Sesion(Vista& vista, VistaEstante* estante, Sonido& sonido, Aleatorio& azar, Rutas rutas)
    : vista_(vista),
      estante_(estante),
      sonido_(sonido),
      azar_(azar),
      rutas_(std::move(rutas)),
      carpetaImagenes_(rutas_.Imagenes()) {}

std::optional<QString> Sesion::Empezar() {
  p_.Opciones = Opciones{};
  LeerOpciones();
  if (auto fallo = ExplorarCatalogo()) return fallo;
  if (auto fallo = CargarPrecios()) return fallo;
  SortearEjercicio();
  return std::nullopt;
}

void Sesion::NuevoEjercicio() {
  vista_.PonerResultado(QString());
  p_.NumFilas = 0;
  for (int hueco = 0; hueco < kHuecos; ++hueco) {
    p_.EnLista[hueco] = false;
    if (estante_) estante_->ResaltarHueco(hueco, false);
  }
  p_.HuecoFila = Practica::VaciarFilas();
  SortearEjercicio();
}

void Sesion::LeerOpciones() {
  LeerArchivoOpciones(rutas_.Ini(), p_.Opciones);
  vista_.MarcarOpcion(Opcion::ValoresEnteros, p_.Opciones.ValoresEnteros);
  vista_.MarcarOpcion(Opcion::MostrarResultado, p_.Opciones.MostrarResultado);
}

void Sesion::GuardarOpciones() {
  // A folder that cannot be written keeps the options for this window only, silently.
  EscribirArchivoOpciones(rutas_.Ini(), p_.Opciones);
}

void Sesion::CambiarValoresEnteros() {
  p_.Opciones.ValoresEnteros = !p_.Opciones.ValoresEnteros;
  vista_.MarcarOpcion(Opcion::ValoresEnteros, p_.Opciones.ValoresEnteros);
  // Should the prices file have gone since start-up, the prices read then stay.
  CargarPrecios();
  NuevoEjercicio();
  GuardarOpciones();
}

void Sesion::CambiarMostrarResultado() {
  p_.Opciones.MostrarResultado = !p_.Opciones.MostrarResultado;
  vista_.MarcarOpcion(Opcion::MostrarResultado, p_.Opciones.MostrarResultado);
  NuevoEjercicio();
  GuardarOpciones();
}

int Sesion::Sortear(int cuantos, int desde) {
  // floor(R * n) + k; the product of a draw just below 1 can round up to n itself.
  const int sorteo = static_cast<int>(azar_.Siguiente() * cuantos);
  return std::min(sorteo, cuantos - 1) + desde;
}

}  // namespace tiendal
