// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_RECORD_REGISTRO_CSV_H
#define TIENDAL_RECORD_REGISTRO_CSV_H

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QThreadPool>
#include <functional>
#include <optional>

#include "core/anotador.h"

namespace tiendal {

// Who and where a main window's verdicts are recorded for.
struct DestinoRegistro {
  QString carpeta;       // the record folder
  QString alumno;        // the login name, first part of each file's name
  QString ventana;       // kRaton or kTeclado
  QString carpetaDatos;  // the data folder's name
};

// The login name of the user running the program, fit for a file name.
QString AlumnoActual();

// The record file of a pupil for a month: <alumno>-<AAAA>-<MM>.csv in the record folder.
QString ArchivoDelMes(const QString& carpeta, const QString& alumno, QDate dia);

// One main window's record: each verdict appends one CSV line to the pupil's file of the month,
// which starts with the header line. A line is written whole, with one write, and flushed to the
// disk before the next, on a thread of its own, so that the check never waits for the disk; a
// last line left half-written by an earlier crash is ended first, so that it is never glued to
// the new one. A file that cannot be written is passed over, told once per run on standard
// error.
class RegistroCsv final : public Anotador {
 public:
  explicit RegistroCsv(DestinoRegistro destino,
                       std::function<QDateTime()> reloj = &QDateTime::currentDateTime);
  ~RegistroCsv() override;  // waits for the lines still being written
  RegistroCsv(const RegistroCsv&) = delete;
  RegistroCsv& operator=(const RegistroCsv&) = delete;

  void EjercicioNuevo() override;
  void Anotar(const Respuesta& respuesta) override;

  // Returns once every line asked for so far is on the disk (or was passed over).
  void Esperar();

 private:
  DestinoRegistro destino_;
  std::function<QDateTime()> reloj_;
  QDateTime inicio_;
  QThreadPool escritor_;
};

// Appends `linea` to `archivo`, made with `cabecera` when new, as described above. Returns the
// reason when it could not.
std::optional<QString> AnadirLinea(const QString& archivo, const QByteArray& cabecera,
                                   const QByteArray& linea);

}  // namespace tiendal

#endif
