// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/programa.h"

#include <QApplication>
#include <QDebug>

#include "window_base/mensaje.h"
#include "window_base/twips.h"

namespace tiendal {
namespace {

Version Otra(Version version) {
  return version == Version::RatonYTeclado ? Version::SoloTeclado : Version::RatonYTeclado;
}

}  // namespace

Programa::Programa(FabricaVentanas fabrica, QObject* padre)
    : QObject(padre), fabrica_(std::move(fabrica)) {}

Programa::~Programa() { delete ventana_.data(); }

const std::function<std::unique_ptr<VentanaPractica>()>& Programa::Fabrica(Version version) const {
  return version == Version::RatonYTeclado ? fabrica_.ratonYTeclado : fabrica_.soloTeclado;
}

void AvisarFalloDeArranque(const QString& fallo) {
  QString linea = QStringLiteral("Tiendal: ") + fallo;
  linea.replace(u'\r', u' ').replace(u'\n', u' ');
  qWarning().noquote() << linea;
  MostrarMensaje(nullptr, fallo);
}

bool Programa::Iniciar(Version version) { return Abrir(version); }

void Programa::PonerModo(double escala, bool pantallaCompleta,
                         std::function<void(bool)> alCambiar) {
  escala_ = escala;
  pantallaCompleta_ = pantallaCompleta;
  alCambiarPantalla_ = std::move(alCambiar);
}

bool Programa::Abrir(Version version) {
  const auto& fabrica = Fabrica(version);
  // The window lays itself out once, at the program's scale, and comes back to it from full
  // screen.
  FijarEscala(escala_);
  std::unique_ptr<VentanaPractica> ventana = fabrica ? fabrica() : nullptr;
  if (!ventana) return false;
  if (const auto fallo = ventana->Cargar()) {
    ventana.reset();  // stops its sound before the message
    AvisarFalloDeArranque(*fallo);
    return false;
  }
  ventana->PermitirCambioDeVersion(static_cast<bool>(Fabrica(Otra(version))));
  connect(ventana.get(), &VentanaPractica::cambioDeVersionPedido, this, &Programa::CambiarVersion);
  connect(ventana.get(), &VentanaPractica::cerrada, this, &Programa::VentanaCerrada);
  connect(ventana.get(), &VentanaPractica::pantallaCompletaCambiada, this, [this](bool completa) {
    pantallaCompleta_ = completa;
    alCambiarPantalla_(completa);
  });
  version_ = version;
  ventana_ = ventana.release();  // from here on the window deletes itself once closed
  if (pantallaCompleta_) {
    ventana_->PonerPantallaCompleta(true);
  } else {
    ventana_->show();
  }
  return true;
}

// The window that asked is inside its own menu handler: closing it stops its sound and hides
// it, and it goes away once that handler returns.
void Programa::CambiarVersion() {
  if (!ventana_) return;
  cambiando_ = true;
  ventana_->close();
  cambiando_ = false;
  ventana_ = nullptr;
  if (!Abrir(Otra(version_))) emit terminado(1);
}

void Programa::VentanaCerrada() {
  if (cambiando_) return;
  ventana_ = nullptr;
  emit terminado(0);
}

int Ejecutar(Programa& programa, Version version) {
  QObject::connect(&programa, &Programa::terminado, &programa,
                   [](int estado) { QCoreApplication::exit(estado); });
  if (!programa.Iniciar(version)) return 1;
  const int estado = QApplication::exec();
  // The closed window still waits for its deferred deletion: its sound player goes now, while
  // the application is still there.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return estado;
}

}  // namespace tiendal
