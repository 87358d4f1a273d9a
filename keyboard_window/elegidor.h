// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_KEYBOARD_WINDOW_ELEGIDOR_H
#define TIENDAL_KEYBOARD_WINDOW_ELEGIDOR_H

#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>

#include "keyboard_window/dialogo.h"

class QWidget;

namespace tiendal {

// The program's one product chooser, as its caller sees it. The Dialog is made on first use,
// only hidden after OK or Cancel, so that it and its lines wait for the next use, and destroyed
// when the pupil closes it with its close box; the next use then makes it anew with an empty
// list. It belongs to the window that shows it, so it never outlives the main windows.
class Elegidor final {
 public:
  explicit Elegidor(std::function<void()> pitido = {});
  Elegidor(const Elegidor&) = delete;
  Elegidor& operator=(const Elegidor&) = delete;
  ~Elegidor();

  // The one the program's keyboard windows share.
  static Elegidor& DelPrograma();

  // The window the chooser opens over and belongs to.
  void PonerDueno(QWidget* dueno);

  void VaciarLista();
  void PonerSeleccionado(std::int16_t valor);
  void AgregarLinea(const QString& texto);
  std::int16_t ContarLineas();
  void SeleccionarLinea(int indice);
  void MostrarModal();
  std::int16_t Seleccionado() const;

  // The chooser as it stands, or null before its first use and after its close box.
  Dialog* Existente() const { return dialogo_.data(); }

 private:
  Dialog& Crear();

  std::function<void()> pitido_;
  QPointer<QWidget> dueno_;
  QPointer<Dialog> dialogo_;
  std::int16_t seleccionado_ = 0;
};

}  // namespace tiendal

#endif
