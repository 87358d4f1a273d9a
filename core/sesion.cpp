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
  p_.MostrarResultado = true;
  p_.ValoresEnteros = false;
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
  Opciones opciones{p_.ValoresEnteros, p_.MostrarResultado};
  LeerArchivoOpciones(rutas_.Ini(), opciones);
  p_.ValoresEnteros = opciones.valoresEnteros;
  p_.MostrarResultado = opciones.mostrarResultado;
  vista_.MarcarOpcion(Opcion::ValoresEnteros, p_.ValoresEnteros);
  vista_.MarcarOpcion(Opcion::MostrarResultado, p_.MostrarResultado);
}

void Sesion::GuardarOpciones() {
  // A folder that cannot be written keeps the options for this window only, silently.
  EscribirArchivoOpciones(rutas_.Ini(), {p_.ValoresEnteros, p_.MostrarResultado});
}

void Sesion::CambiarValoresEnteros() {
  p_.ValoresEnteros = !p_.ValoresEnteros;
  vista_.MarcarOpcion(Opcion::ValoresEnteros, p_.ValoresEnteros);
  // Should the prices file have gone since start-up, the prices read then stay.
  CargarPrecios();
  NuevoEjercicio();
  GuardarOpciones();
}

void Sesion::CambiarMostrarResultado() {
  p_.MostrarResultado = !p_.MostrarResultado;
  vista_.MarcarOpcion(Opcion::MostrarResultado, p_.MostrarResultado);
  NuevoEjercicio();
  GuardarOpciones();
}

int Sesion::Sortear(int cuantos, int desde) {
  // floor(R * n) + k; the product of a draw just below 1 can round up to n itself.
  const int sorteo = static_cast<int>(azar_.Siguiente() * cuantos);
  return std::min(sorteo, cuantos - 1) + desde;
}

}  // namespace tiendal
