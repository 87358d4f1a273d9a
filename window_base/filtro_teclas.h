// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_WINDOW_BASE_FILTRO_TECLAS_H
#define TIENDAL_WINDOW_BASE_FILTRO_TECLAS_H

#include <QObject>
#include <functional>

#include "core/tecla.h"

class QWidget;

namespace tiendal {

// The key for a Qt key: the keys the program acts on, Tecla::Ninguna for every other.
Tecla TeclaDe(int teclaQt);

// Every key press in one window, whichever of its controls has the focus, turned into the core's
// Tecla once and handed to the window before the focused control gets it. The handler returns
// whether the press stops there; otherwise the control gets it as well.
//
// An application-wide filter sees a press first at the focused control (or at the window, when
// nothing in it has the focus) and again at each parent the control passes it up to: only that
// first delivery is handed over. The context-menu request that X sends ahead of the
// Applications key is dropped, since that key is one of the program's own.
class FiltroTeclas final : public QObject {
 public:
  using Manejador = std::function<bool(Tecla tecla, QWidget* destino)>;

  FiltroTeclas(QWidget* ventana, Manejador atender);
  ~FiltroTeclas() override;
  FiltroTeclas(const FiltroTeclas&) = delete;
  FiltroTeclas& operator=(const FiltroTeclas&) = delete;

  // From now on nothing is handed over (the window has closed).
  void Desactivar() { activo_ = false; }

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  bool EsPrimeraEntrega(const QObject* objeto) const;

  QWidget* ventana_;
  Manejador atender_;
  bool activo_ = true;
};

}  // namespace tiendal

#endif
