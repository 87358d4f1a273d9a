// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/memoria_sonidos.h"

#include <utility>

namespace tiendal {

MemoriaSonidos::Muestras MemoriaSonidos::Buscar(const QString& clave, Huella huella) {
  const auto encontrada = indice_.constFind(clave);
  if (encontrada == indice_.constEnd()) return nullptr;
  const Lista::iterator entrada = *encontrada;
  if (!(entrada->huella == huella)) {
    Quitar(entrada);
    return nullptr;
  }
  entradas_.splice(entradas_.begin(), entradas_, entrada);
  return entrada->muestras;
}

void MemoriaSonidos::Guardar(const QString& clave, Huella huella, Muestras muestras) {
  if (!muestras || muestras->size() > maximo_) return;
  if (const auto vieja = indice_.constFind(clave); vieja != indice_.constEnd()) Quitar(*vieja);
  bytes_ += muestras->size();
  entradas_.push_front({clave, huella, std::move(muestras)});
  indice_.insert(clave, entradas_.begin());
  while (bytes_ > maximo_) Quitar(std::prev(entradas_.end()));
}

void MemoriaSonidos::Quitar(Lista::iterator entrada) {
  bytes_ -= entrada->muestras->size();
  indice_.remove(entrada->clave);
  entradas_.erase(entrada);
}

}  // namespace tiendal
