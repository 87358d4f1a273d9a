// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_base/filtro_teclas.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QWidget>
#include <utility>

namespace tiendal {

Tecla TeclaDe(int teclaQt) {
  switch (teclaQt) {
    case Qt::Key_F2:
      return Tecla::F2;
    case Qt::Key_F3:
      return Tecla::F3;
    case Qt::Key_Control:
      return Tecla::Control;
    case Qt::Key_Menu:
      return Tecla::Aplicaciones;
    case Qt::Key_Delete:
      return Tecla::Suprimir;
    case Qt::Key_F11:
      return Tecla::F11;
    case Qt::Key_Escape:
      return Tecla::Escape;
    default:
      return Tecla::Ninguna;
  }
}

FiltroTeclas::FiltroTeclas(QWidget* ventana, Manejador atender)
    : QObject(ventana), ventana_(ventana), atender_(std::move(atender)) {
  qApp->installEventFilter(this);
}

FiltroTeclas::~FiltroTeclas() { qApp->removeEventFilter(this); }

bool FiltroTeclas::EsPrimeraEntrega(const QObject* objeto) const {
  const QWidget* foco = QApplication::focusWidget();
  if (foco && foco->window() == ventana_) return objeto == foco;
  return objeto == ventana_;
}

bool FiltroTeclas::eventFilter(QObject* objeto, QEvent* evento) {
  const QEvent::Type tipo = evento->type();
  if (!activo_ || (tipo != QEvent::KeyPress && tipo != QEvent::ContextMenu)) return false;
  if (!objeto->isWidgetType() || static_cast<QWidget*>(objeto)->window() != ventana_) return false;
  if (tipo == QEvent::ContextMenu)
    return static_cast<QContextMenuEvent*>(evento)->reason() == QContextMenuEvent::Keyboard;
  if (!EsPrimeraEntrega(objeto)) return false;
  const Tecla tecla = TeclaDe(static_cast<QKeyEvent*>(evento)->key());
  return tecla != Tecla::Ninguna && atender_(tecla, static_cast<QWidget*>(objeto));
}

}  // namespace tiendal
