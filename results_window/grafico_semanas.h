// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_RESULTS_WINDOW_GRAFICO_SEMANAS_H
#define TIENDAL_RESULTS_WINDOW_GRAFICO_SEMANAS_H

#include <QWidget>
#include <vector>

#include "record/resumen.h"

namespace tiendal {

// A pupil's share of right answers week by week: one line for all types and one per exercise
// type, from 0 % to 100 %, with the weeks' Mondays along the bottom.
class GraficoSemanas final : public QWidget {
  Q_OBJECT

 public:
  explicit GraficoSemanas(QWidget* padre = nullptr);

  void PonerSemanas(std::vector<Semana> semanas);
  const std::vector<Semana>& Semanas() const { return semanas_; }

  // Draws the chart in `marco`, on the screen or on a printed page.
  void Dibujar(QPainter& pintor, const QRect& marco) const;

 protected:
  void paintEvent(QPaintEvent* evento) override;

 private:
  std::vector<Semana> semanas_;
};

}  // namespace tiendal

#endif
