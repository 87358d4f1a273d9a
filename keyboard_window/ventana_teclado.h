// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_KEYBOARD_WINDOW_VENTANA_TECLADO_H
#define TIENDAL_KEYBOARD_WINDOW_VENTANA_TECLADO_H

#include <QString>
#include <cstdint>
#include <vector>

#include "keyboard_window/elegidor.h"
#include "window_base/ventana_practica.h"

namespace tiendal {

// The window for the keyboard alone: the shared main window without a shelf. The products of
// the exercise are reached through the chooser (Applications key) and read aloud by F3; a
// product leaves the list by Delete on its row's price box, or by a click on its name.
class Form2 final : public VentanaPractica {
  Q_OBJECT

 public:
  Form2(Rutas rutas, Piezas piezas, Elegidor& elegidor = Elegidor::DelPrograma(),
        QWidget* padre = nullptr);

  // The help box: four paragraphs joined by CR LF.
  static QString TextoAyuda();

  // Line k of the chooser's last opening offered the product of this shelf slot.
  const std::vector<std::int16_t>& HuecoElegible() const { return huecoElegible_; }

  // Each new row's price box tells a screen reader what Delete does there.
  void CrearFila() override;

 protected:
  void Form_KeyDown(int codigo) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void ElegirProducto();
  void TBPrecio_KeyDown(int fila);
  int FilaDePrecio(const QObject* objeto) const;
  void NombrarControles();
  void DescribirFila(int fila);

  Elegidor& elegidor_;
  std::vector<std::int16_t> huecoElegible_;
};

}  // namespace tiendal

#endif
