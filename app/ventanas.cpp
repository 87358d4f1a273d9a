// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ventanas.h"

#include <QFileInfo>

#include "audio/reproductor_sdl.h"
#include "core/aleatorio.h"
#include "core/reproductor_de.h"
#include "keyboard_window/ventana_teclado.h"
#include "mouse_window/ventana_raton.h"
#include "record/columnas.h"
#include "record/registro_csv.h"

namespace tiendal {
namespace {

Piezas PiezasDelPrograma(const Rutas& rutas, const QString& carpetaRegistro, Version version) {
  Piezas piezas{std::make_unique<ReproductorDe<ReproductorSdl>>(),
                std::make_unique<AleatorioReloj>(SegundosDesdeMedianoche()), nullptr};
  if (!carpetaRegistro.isEmpty()) {
    piezas.anotador = std::make_unique<RegistroCsv>(DestinoRegistro{
        carpetaRegistro, AlumnoActual(), version == Version::SoloTeclado ? kTeclado : kRaton,
        QFileInfo(rutas.Datos).fileName()});
  }
  return piezas;
}

}  // namespace

FabricaVentanas FabricaDelPrograma(const Rutas& rutas, const QString& carpetaRegistro) {
  FabricaVentanas fabrica;
  fabrica.ratonYTeclado = [rutas, carpetaRegistro] {
    return std::make_unique<VentanaRaton>(
        rutas, PiezasDelPrograma(rutas, carpetaRegistro, Version::RatonYTeclado));
  };
  fabrica.soloTeclado = [rutas, carpetaRegistro] {
    return std::make_unique<VentanaTeclado>(
        rutas, PiezasDelPrograma(rutas, carpetaRegistro, Version::SoloTeclado));
  };
  return fabrica;
}

}  // namespace tiendal
