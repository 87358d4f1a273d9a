// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_base/mensaje.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace tiendal {

// Qt's own catalogue names the OK button in Spanish and Catalan but not in Basque or Galician:
// the program's catalogue supplies it there, under Qt's own context.
[[maybe_unused]] constexpr const char* kAceptar = QT_TRANSLATE_NOOP("QPlatformTheme", "OK");

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
