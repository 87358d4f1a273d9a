// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_TESTS_RECORD_CLASE_GENERADA_H
#define TIENDAL_TESTS_RECORD_CLASE_GENERADA_H

#include <QRandomGenerator>
#include <QTimeZone>
#include <map>
#include <tuple>

#include "record/columnas.h"
#include "record/resumen.h"
#include "tests/comun/carpeta.h"

namespace tiendal {

// Monday 7 December 2026: the week and the month of the results' "today".
inline const QDate kHoy(2026, 12, 7);

// A class folder written from made-up exercises, one file per pupil and month, and the counts
// those exercises must give, kept while making them.
struct ClaseGenerada {
  Carpeta carpeta;
  QStringList alumnos = {QStringLiteral("ana"), QStringLiteral("bea"), QStringLiteral("íñigo")};
  // Per period, pupil and type (0 all), the counts of the exercises begun then.
  std::map<Periodo, std::map<QString, CuentasPorTipo>> esperadas;
  std::map<QString, int> lineas;

  explicit ClaseGenerada(int ejerciciosPorAlumno, quint32 semilla = 7) {
    QRandomGenerator azar(semilla);
    for (const QString& alumno : alumnos) {
      std::map<QString, QByteArray> archivos;
      for (int e = 0; e < ejerciciosPorAlumno; ++e) {
        // Any of the last hundred days, in no order; the last few today.
        const QDate dia = e + 5 >= ejerciciosPorAlumno ? kHoy : kHoy.addDays(-azar.bounded(100));
        const QDateTime cuando(dia, QTime(8, 0).addSecs(azar.bounded(6 * 3600)), QTimeZone(3600));
        const int tipo = azar.bounded(1, 6);
        const int final = azar.bounded(3);  // right at the first check, after more, never
        const int checks = final == 0 ? azar.bounded(1, 3) : azar.bounded(2, 4);
        for (int c = 1; c <= checks; ++c) {
          const bool bien = final == 0 ? c == 1 : final == 1 && c == checks;
          const QDateTime en = cuando.addSecs(10 * c);
          QByteArray& archivo = archivos[alumno + en.toString(QStringLiteral("-yyyy-MM"))];
          archivo += LineaCsv({en.toString(Qt::ISODate),
                               alumno,
                               kRaton,
                               QString::number(tipo),
                               QStringLiteral("datos"),
                               QStringLiteral("pan 1,20"),
                               {},
                               {},
                               QStringLiteral("1,2"),
                               QString::number(c),
                               bien ? kCorrecta : kIncorrecta,
                               QString::number(c),
                               QString::number(10 * c)});
          ++lineas[alumno];
        }
        // Today is a Monday: this week has not gone back past it.
        for (const Periodo p :
             {Periodo::Hoy, Periodo::EstaSemana, Periodo::EsteMes, Periodo::Todo}) {
          if (p != Periodo::Todo && dia != kHoy && (p != Periodo::EsteMes || dia.month() != 12))
            continue;
          for (const int t : {0, tipo}) {
            Cuenta& c = esperadas[p][alumno][t];
            ++c.ejercicios;
            ++(final == 0 ? c.bienALaPrimera : final == 1 ? c.bienDespues : c.mal);
          }
        }
      }
      for (const auto& [nombre, bytes] : archivos) carpeta.Escribir(nombre + ".csv", bytes);
    }
  }
};

inline bool operator==(const Cuenta& a, const Cuenta& b) {
  return std::tie(a.ejercicios, a.bienALaPrimera, a.bienDespues, a.mal) ==
         std::tie(b.ejercicios, b.bienALaPrimera, b.bienDespues, b.mal);
}

}  // namespace tiendal

#endif
