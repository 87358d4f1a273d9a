// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_base/mensaje.h"

#include <QMessageBox>

namespace tiendal {

void MostrarMensaje(QWidget* padre, const QString& texto) {
  QMessageBox caja(padre);
  caja.setWindowTitle(QStringLiteral("Tiendal"));
  caja.setIcon(QMessageBox::NoIcon);
  caja.setTextFormat(Qt::PlainText);
  caja.setText(texto);
  caja.setStandardButtons(QMessageBox::Ok);
  caja.exec();
}

}  // namespace tiendal
