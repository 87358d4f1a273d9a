// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_CORE_CATALOGO_H
#define TIENDAL_CORE_CATALOGO_H

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace tiendal {

// The *.jpg files of the pictures folder (the extension in any case; not hidden, readable, a
// link only to such a file), in the order in which the folder listing yields them. A name that
// is not UTF-8 (a folder copied from an old Windows disk) can be neither shown nor matched with
// the prices file: it is passed over, and added to `pasados` when given.
QStringList ListarImagenes(const QString& carpetaImagenes, QStringList* pasados = nullptr);

// The product name of a picture: its file name less the last four characters.
QString NombreProducto(const QString& imagen);

// The line under a shelf picture: the name, two spaces, then the price in the price format.
QString TextoEstante(const QString& producto, float precio);
// The sound that names a product: its picture's file name with "wav" for the last three
// characters.
QString SonidoProducto(const QString& imagen);

// Reads the prices file and joins its lines, each followed by CR LF. A line ends at CR LF, LF
// or CR. Bytes are Windows-1252, unless they form valid UTF-8 with some non-ASCII character (or
// a byte-order mark), as files edited on Linux do. Empty when the file cannot be opened.
std::optional<QString> LeerTextoPrecios(const QString& ruta);
QString UnirLineasPrecios(const QByteArray& bytes);

// The price of each product as the prices text gives it: the number after the first "|" that
// follows the start of the product's first occurrence (the first "|" of the text when the name
// does not occur). With whole values, the price is its floor, and 1 where the floor is 0.
std::vector<float> PreciosDe(const QStringList& productos, const QString& texto,
                             bool valoresEnteros);

}  // namespace tiendal

#endif
