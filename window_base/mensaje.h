// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_WINDOW_BASE_MENSAJE_H
#define TIENDAL_WINDOW_BASE_MENSAJE_H

#include <QString>

class QWidget;

namespace tiendal {

// The program's message box: title "Tiendal", the text as plain text (never taken for rich
// text), one OK button and no icon. Returns once the pupil has closed it.
void MostrarMensaje(QWidget* padre, const QString& texto);

}  // namespace tiendal

#endif
