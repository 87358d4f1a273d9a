// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ventanas.h"

#include "audio/reproductor_sdl.h"
#include "core/aleatorio.h"
#include "core/reproductor_de.h"
#include "keyboard_window/ventana_teclado.h"
#include "mouse_window/ventana_raton.h"

namespace tiendal {
namespace {

Piezas PiezasDelPrograma() {
  return {std::make_unique<ReproductorDe<ReproductorSdl>>(),
          std::make_unique<AleatorioReloj>(SegundosDesdeMedianoche())};
}

}  // namespace

FabricaVentanas FabricaDelPrograma(const Rutas& rutas) {
  FabricaVentanas fabrica;
  fabrica.ratonYTeclado = [rutas] {
    return std::make_unique<VentanaRaton>(rutas, PiezasDelPrograma());
  };
  fabrica.soloTeclado = [rutas] {
    return std::make_unique<VentanaTeclado>(rutas, PiezasDelPrograma());
  };
  return fabrica;
}

}  // namespace tiendal
