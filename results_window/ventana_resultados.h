// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_RESULTS_WINDOW_VENTANA_RESULTADOS_H
#define TIENDAL_RESULTS_WINDOW_VENTANA_RESULTADOS_H

#include <QDate>
#include <QStringList>
#include <QWidget>
#include <optional>

#include "record/lectura_registro.h"
#include "record/resumen.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPrinter;
class QTableWidget;

namespace tiendal {

class GraficoSemanas;

// The teacher's window over the pupils' records: a pupil and a period to choose; that pupil's
// exercises by type and how they ended, the week-by-week chart of right answers, and the answers
// themselves, newest first; the lines that could not be read, by file and line. The summary of
// every pupil can be saved as CSV and a pupil's page printed.
class VentanaResultados final : public QWidget {
  Q_OBJECT

 public:
  // Reads the record files and folders in `rutas`; periods count back from `hoy`.
  VentanaResultados(const QStringList& rutas, QDate hoy, QWidget* padre = nullptr);

  // Every pupil's counts for the chosen period, as CSV. Returns the reason when it could not.
  std::optional<QString> ExportarResumen(const QString& archivo) const;
  // The chosen pupil's page: counts, chart and answers.
  void Imprimir(QPrinter& impresora) const;

 private:
  void Mostrar();
  void PreguntarExportar();
  void PreguntarImprimir();
  QString Alumno() const;
  Periodo PeriodoElegido() const;
  QString PaginaHtml() const;

  Registros registros_;
  QDate hoy_;
  QComboBox* alumnos_ = nullptr;
  QComboBox* periodo_ = nullptr;
  QLabel* vacio_ = nullptr;
  QTableWidget* resumen_ = nullptr;
  GraficoSemanas* grafico_ = nullptr;
  QTableWidget* respuestas_ = nullptr;
  QPlainTextEdit* avisos_ = nullptr;
};

}  // namespace tiendal

#endif
