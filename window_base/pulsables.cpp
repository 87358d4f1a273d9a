// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_base/pulsables.h"

#include <QMouseEvent>

namespace tiendal {
namespace {

bool EsClic(const QWidget& control, const QMouseEvent& evento) {
  return evento.button() == Qt::LeftButton && control.rect().contains(evento.position().toPoint());
}

}  // namespace

// A label or frame that ignored the press would pass it to its parent, which would then get the
// release: take the press so the release comes here.
void EtiquetaPulsable::mousePressEvent(QMouseEvent* evento) { evento->accept(); }

void EtiquetaPulsable::mouseReleaseEvent(QMouseEvent* evento) {
  evento->accept();
  if (EsClic(*this, *evento)) emit pulsada();
}

void CajaPulsable::mouseReleaseEvent(QMouseEvent* evento) {
  QLineEdit::mouseReleaseEvent(evento);
  if (EsClic(*this, *evento)) emit pulsada();
}

void MarcoPulsable::mousePressEvent(QMouseEvent* evento) {
  QFrame::mousePressEvent(evento);
  evento->accept();
}

void MarcoPulsable::mouseReleaseEvent(QMouseEvent* evento) {
  evento->accept();
  if (EsClic(*this, *evento)) emit pulsado();
}

}  // namespace tiendal
