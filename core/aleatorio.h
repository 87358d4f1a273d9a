// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_CORE_ALEATORIO_H
#define TIENDAL_CORE_ALEATORIO_H

#include <cstdint>
#include <random>

namespace tiendal {

// Source of the exercise's random numbers: every draw is uniform on [0, 1).
class Aleatorio {
 public:
  virtual ~Aleatorio() = default;
  virtual double Siguiente() = 0;
};

// The program's generator, seeded once per window load from the clock.
class AleatorioReloj final : public Aleatorio {
 public:
  explicit AleatorioReloj(int segundosDesdeMedianoche);
  double Siguiente() override;

 private:
  std::mt19937_64 motor_;
};

// Seconds since local midnight, the seed of each window's generator.
int SegundosDesdeMedianoche();

}  // namespace tiendal

#endif
