// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "results_window/grafico_semanas.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

namespace tiendal {
namespace {

// All types in black, then one colour per exercise type; each line is also drawn with its own
// dash pattern, so that a black-and-white print still tells them apart.
const QColor kColores[] = {Qt::black,
                           QColor(0x1f, 0x77, 0xb4),
                           QColor(0xd6, 0x27, 0x28),
                           QColor(0x2c, 0xa0, 0x2c),
                           QColor(0xff, 0x7f, 0x0e),
                           QColor(0x94, 0x67, 0xbd)};
const Qt::PenStyle kTrazos[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                Qt::DashDotLine, Qt::DashDotDotLine, Qt::SolidLine};

QString Leyenda(int tipo) {
  return tipo == 0 ? QCoreApplication::translate("Resultados", "Todos")
                   : QCoreApplication::translate("Resultados", "Tipo %1").arg(tipo);
}

}  // namespace

GraficoSemanas::GraficoSemanas(QWidget* padre) : QWidget(padre) {
  setMinimumHeight(180);
  setAccessibleName(QCoreApplication::translate("Resultados", "Respuestas correctas por semana"));
}

void GraficoSemanas::PonerSemanas(std::vector<Semana> semanas) {
  semanas_ = std::move(semanas);
  update();
}

void GraficoSemanas::paintEvent(QPaintEvent*) {
  QPainter pintor(this);
  pintor.fillRect(rect(), palette().base());
  Dibujar(pintor, rect());
}

void GraficoSemanas::Dibujar(QPainter& pintor, const QRect& marco) const {
  pintor.save();
  pintor.setRenderHint(QPainter::Antialiasing);
  const QFontMetrics medida(pintor.font());
  const int alto = medida.height();
  const int margenIzquierdo = medida.horizontalAdvance(QStringLiteral("100 %")) + alto / 2;
  const int anchoLeyenda =
      std::max(medida.horizontalAdvance(Leyenda(5)), medida.horizontalAdvance(Leyenda(0))) +
      3 * alto;
  const QRect area = marco.adjusted(margenIzquierdo, alto / 2, -anchoLeyenda, -2 * alto);
  if (area.width() <= 0 || area.height() <= 0) {
    pintor.restore();
    return;
  }

  pintor.setPen(pintor.pen().color());
  for (int p = 0; p <= 100; p += 25) {
    const int y = area.bottom() - area.height() * p / 100;
    pintor.setPen(QPen(Qt::gray, 0, p == 0 ? Qt::SolidLine : Qt::DotLine));
    pintor.drawLine(area.left(), y, area.right(), y);
    pintor.setPen(Qt::black);
    pintor.drawText(QRect(marco.left(), y - alto / 2, margenIzquierdo - alto / 4, alto),
                    Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 %").arg(p));
  }
  if (semanas_.empty()) {
    pintor.drawText(area, Qt::AlignCenter,
                    QCoreApplication::translate("Resultados", "Sin respuestas en este periodo"));
    pintor.restore();
    return;
  }

  const int n = static_cast<int>(semanas_.size());
  const auto x = [&](int i) {
    return n == 1 ? area.center().x() : area.left() + area.width() * i / (n - 1);
  };
  // Only as many week labels as fit side by side.
  const int anchoEtiqueta = medida.horizontalAdvance(QStringLiteral("00/00 ")) + alto;
  const int cada = std::max(1, (n * anchoEtiqueta) / std::max(area.width(), 1) + 1);
  for (int i = 0; i < n; i += cada) {
    pintor.drawText(QRect(x(i) - anchoEtiqueta / 2, area.bottom() + alto / 2, anchoEtiqueta, alto),
                    Qt::AlignCenter, semanas_[i].lunes.toString(QStringLiteral("dd/MM")));
  }

  for (int tipo = 0; tipo < 6; ++tipo) {
    QPen pluma(kColores[tipo], tipo == 0 ? 3 : 2, kTrazos[tipo]);
    pintor.setPen(pluma);
    QPainterPath linea;
    bool empezada = false;
    for (int i = 0; i < n; ++i) {
      const Semana& s = semanas_[i];
      if (s.respuestas[tipo] == 0) continue;  // no answer of this type that week
      const QPointF punto(x(i), area.bottom() - area.height() * s.correctas[tipo] /
                                                    static_cast<double>(s.respuestas[tipo]));
      if (empezada) {
        linea.lineTo(punto);
      } else {
        linea.moveTo(punto);
        empezada = true;
      }
      pintor.drawEllipse(punto, 2.5, 2.5);
    }
    pintor.drawPath(linea);
    const int y = area.top() + tipo * alto * 3 / 2 + alto / 2;
    pintor.drawLine(area.right() + alto / 2, y, area.right() + 2 * alto, y);
    pintor.setPen(Qt::black);
    pintor.drawText(QPoint(area.right() + 5 * alto / 2, y + medida.ascent() / 2 - 1),
                    Leyenda(tipo));
  }
  pintor.restore();
}

}  // namespace tiendal
