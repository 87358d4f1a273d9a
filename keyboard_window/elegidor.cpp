// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard_window/elegidor.h"

#include <QCoreApplication>
#include <QWidget>

namespace tiendal {

Elegidor::Elegidor(std::function<void()> pitido) : pitido_(std::move(pitido)) {}

Elegidor::~Elegidor() {
  // The program's own one goes after the application; by then its window has gone with its owner.
  if (QCoreApplication::instance() != nullptr) delete dialogo_.data();
}

Elegidor& Elegidor::DelPrograma() {
  static Elegidor elegidor;
  return elegidor;
}

void Elegidor::PonerDueno(QWidget* dueno) {
  dueno_ = dueno;
  if (dialogo_ && dialogo_->parentWidget() != dueno) {
    dialogo_->setParent(dueno, dialogo_->windowFlags());
  }
}

Dialog& Elegidor::Crear() {
  if (!dialogo_) {
    dialogo_ = new Dialog(dueno_, pitido_);
    seleccionado_ = dialogo_->Seleccionado();
  }
  return *dialogo_;
}

void Elegidor::VaciarLista() { Crear().VaciarLista(); }

void Elegidor::PonerSeleccionado(std::int16_t valor) {
  seleccionado_ = valor;
  Crear().PonerSeleccionado(valor);
}

void Elegidor::AgregarLinea(const QString& texto) { Crear().AgregarLinea(texto); }

std::int16_t Elegidor::ContarLineas() { return Crear().ContarLineas(); }

void Elegidor::SeleccionarLinea(int indice) { Crear().SeleccionarLinea(indice); }

void Elegidor::MostrarModal() {
  QPointer<Dialog> dialogo(&Crear());
  dialogo->MostrarModal();
  // Its owner may have gone while it was shown; then it has gone too.
  if (!dialogo) return;
  seleccionado_ = dialogo->Seleccionado();
  if (dialogo->CerradoPorCaja()) delete dialogo.data();
}

std::int16_t Elegidor::Seleccionado() const {
  return dialogo_ ? dialogo_->Seleccionado() : seleccionado_;
}

}  // namespace tiendal
