// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_TESTS_COMUN_REPRODUCTOR_FALSO_H
#define TIENDAL_TESTS_COMUN_REPRODUCTOR_FALSO_H

#include <QFileInfo>
#include <QStringList>

#include "core/reproductor.h"

namespace tiendal {

// Lists the file names it is given. Each sound ends at once, as one that cannot be played does,
// except `sinFin` ("*" for every one), which plays until the player is stopped.
class ReproductorFalso final : public Reproductor {
 public:
  void Abrir(const QString& ruta) override {
    abiertos << QFileInfo(ruta).fileName();
    sonando_ = sinFin == QStringLiteral("*") || abiertos.last() == sinFin;
  }
  bool Ocupado() const override { return sonando_; }
  void Detener() override {
    sonando_ = false;
    ++detenciones;
  }
  double Posicion() const override { return sonando_ ? 0.5 : 0.0; }

  QStringList abiertos;
  QString sinFin;
  int detenciones = 0;

 private:
  bool sonando_ = false;
};

}  // namespace tiendal

#endif
