// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_CORE_REPRODUCTOR_H
#define TIENDAL_CORE_REPRODUCTOR_H

#include <QString>

namespace tiendal {

// The four things the program asks of a sound player. One player per main window.
class Reproductor {
 public:
  virtual ~Reproductor() = default;
  // Opens a WAV file by its full path and starts playing it at once, cutting off any sound
  // still playing. A file that cannot be played counts as a sound that ended at once.
  virtual void Abrir(const QString& ruta) = 0;
  // False when stopped (never started, ended, stopped or failed); true otherwise.
  virtual bool Ocupado() const = 0;
  virtual void Detener() = 0;
  // Seconds played of the current sound; 0 when stopped.
  virtual double Posicion() const = 0;
};

}  // namespace tiendal

#endif
