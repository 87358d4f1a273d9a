// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_RECORD_COLUMNAS_H
#define TIENDAL_RECORD_COLUMNAS_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

namespace tiendal {

// The record's columns, in the order of every line, as the header line names them.
enum Columna {
  kFecha,         // local date and time with its offset, ISO 8601
  kAlumno,        // the login name
  kVentana,       // kRaton or kTeclado
  kEjercicio,     // the exercise type, 1 to 5
  kCarpeta,       // the data folder's name
  kProductos,     // the products on the list with their prices as shown
  kDinero,        // the banknote or the money, as shown
  kUnidades,      // the number of units, as shown
  kEsperado,      // the expected figure, as shown
  kTecleado,      // the result box, as typed
  kVeredicto,     // kCorrecta or kIncorrecta
  kComprobacion,  // the exercise's checks so far, this one included
  kSegundos,      // whole seconds since the exercise began
  kColumnas
};

inline const std::array<QString, kColumnas> kNombresColumnas = {
    QStringLiteral("fecha"),     QStringLiteral("alumno"),    QStringLiteral("ventana"),
    QStringLiteral("ejercicio"), QStringLiteral("carpeta"),   QStringLiteral("productos"),
    QStringLiteral("dinero"),    QStringLiteral("unidades"),  QStringLiteral("esperado"),
    QStringLiteral("tecleado"),  QStringLiteral("veredicto"), QStringLiteral("comprobación"),
    QStringLiteral("segundos")};

inline const QString kRaton = QStringLiteral("ratón");
inline const QString kTeclado = QStringLiteral("teclado");
inline const QString kCorrecta = QStringLiteral("correcta");
inline const QString kIncorrecta = QStringLiteral("incorrecta");

// The header line that starts every record file.
const QByteArray& CabeceraCsv();

// One CSV line, LF-ended: every field quoted, its quotes doubled, in UTF-8.
QByteArray LineaCsv(const QStringList& campos);

}  // namespace tiendal

#endif
