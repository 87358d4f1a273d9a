// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sonido.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <utility>

#include "core/en_curso.h"
#include "core/entradas.h"
#include "core/reproductor.h"

namespace tiendal {

Sonido::Sonido(Reproductor& reproductor, QString carpetaSonidos,
               std::function<void()> atenderEventos)
    : reproductor_(reproductor),
      carpeta_(std::move(carpetaSonidos)),
      atenderEventos_(std::move(atenderEventos)) {}

QString ArchivoDeSonido(const QString& carpetaSonidos, const QString& nombre) {
  return EntradaDe(carpetaSonidos, nombre, Qt::CaseInsensitive, QDir::Files);
}

void Sonido::ReproducirSonido(const QString& nombre) {
  if (cerrado_) return;
  reproductor_.Abrir(ArchivoDeSonido(carpeta_, nombre));
}

void Sonido::AtenderEventos() {
  if (atenderEventos_) {
    atenderEventos_();
  } else {
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
}

bool Sonido::EsperarSonido(const std::function<bool()>& detener) {
  const EnCurso espera(esperas_);
  for (;;) {
    if (cerrado_) return true;
    if (!reproductor_.Ocupado()) return false;
    AtenderEventos();
    if (cerrado_) return true;
    if (detener && detener()) return true;
  }
}

bool Sonido::EsperarPosicion(const std::function<bool()>& detener) {
  const EnCurso espera(esperas_);
  while (!(reproductor_.Posicion() > 0)) {
    if (cerrado_) return true;
    if (!reproductor_.Ocupado()) return false;
    AtenderEventos();
    if (cerrado_ || detener()) return true;
  }
  while (reproductor_.Posicion() > 0) {
    if (cerrado_) return true;
    if (!reproductor_.Ocupado()) return false;
    AtenderEventos();
    if (cerrado_ || detener()) return true;
  }
  return cerrado_;
}

void Sonido::DetenerSonido() { reproductor_.Detener(); }

void Sonido::Cerrar() {
  cerrado_ = true;
  reproductor_.Detener();
}

}  // namespace tiendal
