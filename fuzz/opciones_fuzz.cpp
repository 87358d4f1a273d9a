// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file from its bytes, from both starting values of the options, against the
// plain reading; and what the program writes reads back as what it wrote.
#include <QByteArray>
#include <cstdint>

#include "core/opciones.h"
#include "referencia.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
  const QByteArray bytes(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(largo));
  for (const tiendal::Opciones inicio : {tiendal::Opciones{false, true}, {true, false}}) {
    tiendal::Opciones leidas = inicio;
    tiendal::Opciones esperadas = inicio;
    tiendal::AplicarTextoOpciones(bytes, leidas);
    tiendal::referencia::AplicarTextoOpciones(bytes, esperadas);
    FALLO_SI(leidas.ValoresEnteros != esperadas.ValoresEnteros);
    FALLO_SI(leidas.MostrarResultado != esperadas.MostrarResultado);

    tiendal::Opciones releidas =
        inicio.ValoresEnteros ? tiendal::Opciones{false, true} : tiendal::Opciones{true, false};
    tiendal::AplicarTextoOpciones(tiendal::TextoOpciones(leidas), releidas);
    FALLO_SI(releidas.ValoresEnteros != leidas.ValoresEnteros);
    FALLO_SI(releidas.MostrarResultado != leidas.MostrarResultado);
  }
  return 0;
}
