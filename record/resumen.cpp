// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/resumen.h"

#include <algorithm>

namespace tiendal {
namespace {

QDate Lunes(QDate dia) { return dia.addDays(1 - dia.dayOfWeek()); }

// The exercise a pupil is on while the lines are read, and the line that began it.
struct EnCurso {
  const Anotacion* primera = nullptr;
  const Anotacion* ultima = nullptr;
  bool bien = false;
};

void Cerrar(const EnCurso& ejercicio, CuentasPorTipo& cuentas) {
  for (const int tipo : {0, ejercicio.primera->ejercicio}) {
    Cuenta& c = cuentas[tipo];
    ++c.ejercicios;
    if (ejercicio.primera->correcta) {
      ++c.bienALaPrimera;
    } else if (ejercicio.bien) {
      ++c.bienDespues;
    } else {
      ++c.mal;
    }
  }
}

}  // namespace

bool EnPeriodo(QDate dia, Periodo periodo, QDate hoy) {
  switch (periodo) {
    case Periodo::Hoy:
      return dia == hoy;
    case Periodo::EstaSemana:
      return Lunes(dia) == Lunes(hoy);
    case Periodo::EsteMes:
      return dia.year() == hoy.year() && dia.month() == hoy.month();
    case Periodo::Todo:
      break;
  }
  return true;
}

std::map<QString, CuentasPorTipo> Contar(const std::vector<Anotacion>& anotaciones, Periodo periodo,
                                         QDate hoy) {
  std::map<QString, CuentasPorTipo> cuentas;
  std::map<QString, EnCurso> enCurso;
  const auto cerrar = [&](const QString& alumno, const EnCurso& ejercicio) {
    if (EnPeriodo(ejercicio.primera->fecha.date(), periodo, hoy)) {
      Cerrar(ejercicio, cuentas[alumno]);
    }
  };
  for (const Anotacion& a : anotaciones) {
    EnCurso& actual = enCurso[a.alumno];
    const bool sigue = actual.ultima && a.comprobacion == actual.ultima->comprobacion + 1 &&
                       a.ejercicio == actual.ultima->ejercicio;
    if (!sigue) {
      if (actual.primera) cerrar(a.alumno, actual);
      actual = {&a, &a, false};
    }
    actual.ultima = &a;
    actual.bien = actual.bien || a.correcta;
  }
  for (const auto& [alumno, ejercicio] : enCurso) cerrar(alumno, ejercicio);
  return cuentas;
}

std::vector<Semana> PorSemanas(const std::vector<Anotacion>& anotaciones, const QString& alumno,
                               Periodo periodo, QDate hoy) {
  std::map<QDate, Semana> semanas;
  for (const Anotacion& a : anotaciones) {
    const QDate dia = a.fecha.date();
    if (a.alumno != alumno || !EnPeriodo(dia, periodo, hoy)) continue;
    Semana& s = semanas[Lunes(dia)];
    s.lunes = Lunes(dia);
    for (const int tipo : {0, a.ejercicio}) {
      ++s.respuestas[tipo];
      if (a.correcta) ++s.correctas[tipo];
    }
  }
  std::vector<Semana> lista;
  for (const auto& [lunes, semana] : semanas) lista.push_back(semana);
  return lista;
}

std::vector<const Anotacion*> RespuestasDe(const std::vector<Anotacion>& anotaciones,
                                           const QString& alumno, Periodo periodo, QDate hoy) {
  std::vector<const Anotacion*> lista;
  for (const Anotacion& a : anotaciones) {
    if (a.alumno == alumno && EnPeriodo(a.fecha.date(), periodo, hoy)) lista.push_back(&a);
  }
  std::stable_sort(lista.begin(), lista.end(),
                   [](const Anotacion* x, const Anotacion* y) { return x->fecha > y->fecha; });
  return lista;
}

}  // namespace tiendal
