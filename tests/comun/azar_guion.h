// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_TESTS_COMUN_AZAR_GUION_H
#define TIENDAL_TESTS_COMUN_AZAR_GUION_H

#include <deque>
#include <functional>
#include <stdexcept>

#include "core/aleatorio.h"

namespace tiendal {

// Draws taken from a script, in order; once it runs out, from `despues`, which by default fails
// loudly.
class AleatorioGuion final : public Aleatorio {
 public:
  void Poner(double r) { guion_.push_back(r); }
  double Siguiente() override {
    if (guion_.empty()) return despues();
    const double r = guion_.front();
    guion_.pop_front();
    return r;
  }

  std::function<double()> despues = []() -> double {
    throw std::runtime_error("guion de azar agotado");
  };

 private:
  std::deque<double> guion_;
};

}  // namespace tiendal

#endif
