// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_RECORD_RESUMEN_H
#define TIENDAL_RECORD_RESUMEN_H

#include <QDate>
#include <QString>
#include <array>
#include <map>
#include <vector>

#include "record/lectura_registro.h"

namespace tiendal {

// The dates the teacher looks at, counted back from today.
enum class Periodo { Hoy, EstaSemana, EsteMes, Todo };
bool EnPeriodo(QDate dia, Periodo periodo, QDate hoy);

// A pupil's exercises and how each ended. An exercise is right at the first check, right after
// more checks, or wrong when no check of it was right.
struct Cuenta {
  int ejercicios = 0;
  int bienALaPrimera = 0;
  int bienDespues = 0;
  int mal = 0;
};
// Index 0 counts every type; 1 to 5 each exercise type.
using CuentasPorTipo = std::array<Cuenta, 6>;

// Every pupil's counts, by login name, for the exercises begun in the period. The lines of one
// pupil are taken in the order read: a check numbered 1, or not one more than the last, or of
// another type, begins an exercise.
std::map<QString, CuentasPorTipo> Contar(const std::vector<Anotacion>& anotaciones, Periodo periodo,
                                         QDate hoy);

// A pupil's answers in one week: how many checks and how many right, by type as above.
struct Semana {
  QDate lunes;
  std::array<int, 6> respuestas{};
  std::array<int, 6> correctas{};
};
// The weeks of the period in which the pupil answered, oldest first.
std::vector<Semana> PorSemanas(const std::vector<Anotacion>& anotaciones, const QString& alumno,
                               Periodo periodo, QDate hoy);

// The pupil's answers in the period, newest first.
std::vector<const Anotacion*> RespuestasDe(const std::vector<Anotacion>& anotaciones,
                                           const QString& alumno, Periodo periodo, QDate hoy);

}  // namespace tiendal

#endif
