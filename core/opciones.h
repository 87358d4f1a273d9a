// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_CORE_OPCIONES_H
#define TIENDAL_CORE_OPCIONES_H

#include <QByteArray>
#include <QString>

namespace tiendal {

// The options of the "Opciones" menu that are kept in the settings file.
struct Opciones {
  bool ValoresEnteros = false;   // prices and money in whole numbers
  bool MostrarResultado = true;  // a wrong answer is told with the right figure
};

// Applies the settings file to `opciones`. A missing file changes nothing; a line that is
// missing keeps that option's value; a line is on exactly when its number is 1.
void LeerArchivoOpciones(const QString& ruta, Opciones& opciones);
void AplicarTextoOpciones(const QByteArray& contenido, Opciones& opciones);

// The file's bytes: " 1 \r\n 0 \r\n" style, one line per option.
QByteArray TextoOpciones(const Opciones& opciones);

// Replaces the file atomically, making its folder first when it is missing. In a folder where
// no new file can be made, an existing file that can be written is overwritten in place. A
// failure leaves any earlier file whole and returns false.
bool EscribirArchivoOpciones(const QString& ruta, const Opciones& opciones);

}  // namespace tiendal

#endif
