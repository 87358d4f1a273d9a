// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_CORE_REPRODUCTOR_DE_H
#define TIENDAL_CORE_REPRODUCTOR_DE_H

#include <QString>
#include <utility>

#include "core/reproductor.h"

namespace tiendal {

// A player class with the same four operations, such as the SDL one, as a Reproductor: the
// player itself needs to know nothing of this interface.
template <typename Jugador>
class ReproductorDe final : public Reproductor {
 public:
  template <typename... Argumentos>
  explicit ReproductorDe(Argumentos&&... argumentos)
      : jugador_(std::forward<Argumentos>(argumentos)...) {}

  void Abrir(const QString& ruta) override { jugador_.Abrir(ruta); }
  bool Ocupado() const override { return jugador_.Ocupado(); }
  void Detener() override { jugador_.Detener(); }
  double Posicion() const override { return jugador_.Posicion(); }

  Jugador& jugador() { return jugador_; }
  const Jugador& jugador() const { return jugador_; }

 private:
  Jugador jugador_;
};

}  // namespace tiendal

#endif
