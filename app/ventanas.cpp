#include "app/ventanas.h"

#include "audio/reproductor_sdl.h"
#include "core/aleatorio.h"
#include "core/reproductor_de.h"
#include "keyboard_window/form2.h"
#include "mouse_window/form1.h"

namespace tiendal {
namespace {

Piezas PiezasDelPrograma() {
  return {std::make_unique<ReproductorDe<ReproductorSdl>>(),
          std::make_unique<AleatorioReloj>(SegundosDesdeMedianoche())};
}

}  // namespace

FabricaVentanas FabricaDelPrograma(const QString& carpetaPrograma) {
  FabricaVentanas fabrica;
  fabrica.ratonYTeclado = [carpetaPrograma] {
    return std::make_unique<Form1>(carpetaPrograma, PiezasDelPrograma());
  };
  fabrica.soloTeclado = [carpetaPrograma] {
    return std::make_unique<Form2>(carpetaPrograma, PiezasDelPrograma());
  };
  return fabrica;
}

}  // namespace tiendal
