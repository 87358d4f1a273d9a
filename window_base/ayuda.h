// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_WINDOW_BASE_AYUDA_H
#define TIENDAL_WINDOW_BASE_AYUDA_H

#include <QString>
#include <QStringList>

namespace tiendal {

// A main window's help box: how its products are chosen, the paragraphs both windows share
// (the sum, the buttons, F2 and F3), then any paragraphs of its own; joined by CR LF.
QString TextoAyuda(const QString& comoElegir, const QStringList& despues = {});

}  // namespace tiendal

#endif
