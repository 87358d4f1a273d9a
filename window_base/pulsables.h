// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_WINDOW_BASE_PULSABLES_H
#define TIENDAL_WINDOW_BASE_PULSABLES_H

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace tiendal {

// Controls that report a click: the left button pressed and released over the same control,
// as the window system's click event of a label, text box or frame.

class EtiquetaPulsable final : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 signals:
  void pulsada();

 protected:
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
};

class CajaPulsable final : public QLineEdit {
  Q_OBJECT
 public:
  using QLineEdit::QLineEdit;

 signals:
  void pulsada();

 protected:
  void mouseReleaseEvent(QMouseEvent* evento) override;
};

class MarcoPulsable final : public QFrame {
  Q_OBJECT
 public:
  using QFrame::QFrame;

 signals:
  void pulsado();

 protected:
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
};

}  // namespace tiendal

#endif
