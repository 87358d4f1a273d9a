#ifndef TIENDAL_APP_VENTANAS_H
#define TIENDAL_APP_VENTANAS_H

#include <QString>

#include "app/programa.h"

namespace tiendal {

// The program's own window makers: each window gets an SDL sound player and random numbers
// seeded from the clock when it is made.
FabricaVentanas FabricaDelPrograma(const QString& carpetaPrograma);

}  // namespace tiendal

#endif
