// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_RECORD_LECTURA_REGISTRO_H
#define TIENDAL_RECORD_LECTURA_REGISTRO_H

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

namespace tiendal {

// One line of a record, read back.
struct Anotacion {
  QDateTime fecha;  // with the offset it was written with: date() is the pupil's local day
  QString alumno;
  QString ventana;
  int ejercicio = 0;  // 1 to 5
  QString carpeta;
  QString productos;
  QString dinero;
  QString unidades;
  QString esperado;
  QString tecleado;
  bool correcta = false;
  int comprobacion = 0;
  int segundos = 0;
};

// What the records given hold: their lines in the order read, and one message per line or file
// that could not be read ("file, línea N: why"), whose fellows are read all the same.
struct Registros {
  std::vector<Anotacion> anotaciones;
  QStringList avisos;
};

// Reads record files, and the .csv files of folders, in name order.
Registros LeerRegistros(const QStringList& rutas);

// Reads the bytes of one record file, named `nombre` in the messages.
void LeerTextoRegistro(const QByteArray& datos, const QString& nombre, Registros& registros);

}  // namespace tiendal

#endif
