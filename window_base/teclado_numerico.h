// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_WINDOW_BASE_TECLADO_NUMERICO_H
#define TIENDAL_WINDOW_BASE_TECLADO_NUMERICO_H

#include <QPointer>
#include <QWidget>
#include <vector>

class QLineEdit;
class QPushButton;

namespace tiendal {

// The number pad of a window in full screen, for a whiteboard or a touch screen: the ten digits,
// the decimal comma, erase and clear, each a large button that types into the focused figure box
// as the keyboard would (the same key presses, through the same key filter), or into the result
// box when no box that takes typing has the focus (a shelf frame, a list row). Its buttons never
// take the focus, so that the caret stays where the pupil left it, unless a keyboard-only pupil
// asks to reach them with Tab.
class TecladoNumerico final : public QWidget {
  Q_OBJECT

 public:
  // The pad's size as designed, in twips.
  static constexpr int kAncho = 3000;
  static constexpr int kAlto = 5100;

  TecladoNumerico(QWidget* padre, QLineEdit* resultado);

  // Size, places and font at the scale of the moment.
  void Maquetar();
  // Whether Tab reaches the buttons.
  void AlcanzableConTab(bool alcanzable);

 private:
  // Sends the key to the focused box when it takes typing; `vaciar` selects its text first.
  void Pulsar(int teclaQt, const QString& texto, bool vaciar = false);

  std::vector<QPushButton*> botones_;
  QLineEdit* resultado_;
  QPointer<QWidget> destino_;  // the window's box last focused
};

}  // namespace tiendal

#endif
