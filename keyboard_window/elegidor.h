// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_KEYBOARD_WINDOW_ELEGIDOR_H
#define TIENDAL_KEYBOARD_WINDOW_ELEGIDOR_H

#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

namespace tiendal {

// The product chooser of the keyboard window: a modal list of text lines that hands back the
// index of the accepted line, or -1. It knows nothing of products; the keyboard window fills it
// and reads it. Enter on the list or a double click on a line accepts that line.
class Elegidor final : public QDialog {
 public:
  // `pitido` sounds the beep of accepting with nothing selected; the system beep by default.
  explicit Elegidor(QWidget* dueno, std::function<void()> pitido = {});
  Elegidor(const Elegidor&) = delete;
  Elegidor& operator=(const Elegidor&) = delete;

  // Size, places and fonts at the scale of the moment.
  void Maquetar();

  void VaciarLista();
  void PonerSeleccionado(std::int16_t valor);
  void AgregarLinea(const QString& texto);
  void SeleccionarLinea(int indice);
  // Returns once "Aceptar" or "Cancelar" has hidden the chooser, or its close box has closed it.
  void MostrarModal();
  std::int16_t Seleccionado() const { return seleccionado_; }

  // Whether the last showing ended by the close box (or Alt+F4) rather than OK or Cancel.
  bool CerradoPorCaja() const { return cerradoPorCaja_; }

  // Escape: the cancel button.
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  // The selected line, or a beep when there is none.
  void Aceptar();
  void Cancelar();
  int IndiceElegido() const;

  QLabel* etiqueta_;
  QListWidget* lista_;
  QPushButton* aceptar_;
  QPushButton* cancelar_;
  std::function<void()> pitido_;
  std::int16_t seleccionado_ = 0;
  bool cerradoPorCaja_ = false;
};

}  // namespace tiendal

#endif
