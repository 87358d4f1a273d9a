// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_KEYBOARD_WINDOW_VENTANA_TECLADO_H
#define TIENDAL_KEYBOARD_WINDOW_VENTANA_TECLADO_H

#include <QPointer>
#include <QString>
#include <cstdint>
#include <vector>

#include "keyboard_window/elegidor.h"
#include "window_base/ventana_practica.h"

namespace tiendal {

// The window for the keyboard alone: the shared main window without a shelf. The products of
// the exercise are reached through the product chooser (Applications key) and read aloud by
// F3; a product leaves the list by Delete on its row's figure box, or by a click on its name.
class VentanaTeclado final : public VentanaPractica {
  Q_OBJECT

 public:
  VentanaTeclado(Rutas rutas, Piezas piezas, QWidget* padre = nullptr);

  // The help box: four paragraphs joined by CR LF.
  static QString TextoAyuda();

  // Line k of the chooser's last opening offered the product of this shelf slot.
  const std::vector<std::int16_t>& HuecoElegible() const { return huecoElegible_; }

  // The chooser as it stands: made on first use, only hidden after "Aceptar" or "Cancelar" so
  // that it waits for the next use, and gone after its close box (the next use makes it anew).
  // Null before its first use and after its close box.
  Elegidor* ElegidorExistente() const { return elegidor_.data(); }

 protected:
  // The Applications key opens the chooser; Delete on a figure box takes its product off; F2,
  // F3 and Ctrl read aloud. Those four stop here: no control has a use for them, and once the
  // chooser or a message box has closed the window may not have its focus back yet, so the same
  // press travelling on would be taken for a second one.
  bool AtenderTecla(Tecla tecla, QWidget* destino) override;
  // The chooser, while it lasts, follows the window's scale.
  void Maquetar() override;

 private:
  void ElegirProducto();
  void NombrarControles();

  QPointer<Elegidor> elegidor_;
  std::vector<std::int16_t> huecoElegible_;
};

}  // namespace tiendal

#endif
