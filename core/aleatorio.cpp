// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/aleatorio.h"

#include <QTime>

namespace tiendal {

AleatorioReloj::AleatorioReloj(int segundosDesdeMedianoche)
    : motor_(static_cast<std::uint64_t>(segundosDesdeMedianoche)) {}

double AleatorioReloj::Siguiente() {
  // The top 53 bits as a fraction: uniform on [0, 1), never 1.0.
  return static_cast<double>(motor_() >> 11) * 0x1.0p-53;
}

int SegundosDesdeMedianoche() { return QTime::currentTime().msecsSinceStartOfDay() / 1000; }

}  // namespace tiendal
