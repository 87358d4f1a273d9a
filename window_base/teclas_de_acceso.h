// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_WINDOW_BASE_TECLAS_DE_ACCESO_H
#define TIENDAL_WINDOW_BASE_TECLAS_DE_ACCESO_H

#include <QString>

namespace tiendal {

// A caption as a screen reader says it, without its access key's mark ("&Corregir": "Corregir").
inline QString SinMarca(QString texto) { return texto.remove(u'&'); }

// The letter after a caption's "&", as a shortcut names it ("&Corregir": "C"). Each language
// has its own access keys, so the descriptions that name them take them from the captions.
inline QString TeclaDeAcceso(const QString& texto) {
  const qsizetype marca = texto.indexOf(u'&');
  return marca < 0 || marca + 1 >= texto.size() ? QString() : texto.mid(marca + 1, 1).toUpper();
}

}  // namespace tiendal

#endif
