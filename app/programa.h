// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_APP_PROGRAMA_H
#define TIENDAL_APP_PROGRAMA_H

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "window_base/ventana_practica.h"

namespace tiendal {

// The two versions of the main window.
enum class Version { RatonYTeclado, SoloTeclado };

// Makers of the two main windows, on the program's folder, not yet loaded. A version whose
// maker is empty is not offered: its window's switch item stays disabled.
struct FabricaVentanas {
  std::function<std::unique_ptr<VentanaPractica>()> ratonYTeclado;
  std::function<std::unique_ptr<VentanaPractica>()> soloTeclado;
};

// The program's start, its window switch and its end. Only one main window is open at a time;
// the program ends when it closes other than by the switch.
class Programa final : public QObject {
  Q_OBJECT

 public:
  explicit Programa(FabricaVentanas fabrica, QObject* padre = nullptr);
  ~Programa() override;
  Programa(const Programa&) = delete;
  Programa& operator=(const Programa&) = delete;

  // Opens the first window, the one for mouse and keyboard unless told otherwise. When its load
  // fails, shows the reason in a message box and returns false; the program is then to end
  // with a non-zero status.
  bool Iniciar(Version version = Version::RatonYTeclado);

  // How every window opens: `escala` times as large as designed, or in full screen. A pupil's
  // switch of full screen is kept for the next window and told to `alCambiar`.
  void PonerModo(
      double escala, bool pantallaCompleta, std::function<void(bool)> alCambiar = [](bool) {});

  // The open main window, null once the program has ended.
  VentanaPractica* Ventana() const { return ventana_; }
  Version VersionAbierta() const { return version_; }

 signals:
  // The program is to end with this exit status: 0 after its last window closed, 1 when the
  // other version could not be loaded at a switch.
  void terminado(int estado);

 private:
  bool Abrir(Version version);
  void CambiarVersion();
  void VentanaCerrada();
  const std::function<std::unique_ptr<VentanaPractica>()>& Fabrica(Version version) const;

  FabricaVentanas fabrica_;
  QPointer<VentanaPractica> ventana_;
  Version version_ = Version::RatonYTeclado;
  bool cambiando_ = false;
  double escala_ = 1.0;
  bool pantallaCompleta_ = false;
  std::function<void(bool)> alCambiarPantalla_ = [](bool) {};
};

// A start that cannot go on: its message in the program's message box and, for a teacher who
// started the program from a terminal or a script, as one line on standard error.
void AvisarFalloDeArranque(const QString& fallo);

// Starts the program and runs it until it ends; returns its exit status: 1 when the first
// window cannot be loaded, else the status it ended with.
int Ejecutar(Programa& programa, Version version = Version::RatonYTeclado);

}  // namespace tiendal

#endif
