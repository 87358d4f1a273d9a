// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_TESTS_COMUN_ARRANQUE_H
#define TIENDAL_TESTS_COMUN_ARRANQUE_H

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QTimer>
#include <memory>
#include <vector>

#include "app/programa.h"
#include "tests/comun/imprimir.h"
#include "window_base/ventana_practica.h"

namespace tiendal {

// Every message box that opens while it lives is answered with its first button, its text kept.
class Contestador final {
 public:
  Contestador();
  Contestador(const Contestador&) = delete;
  Contestador& operator=(const Contestador&) = delete;

  QStringList cajas;

 private:
  QTimer temporizador_;
};

// A started program, whose window, if it has one, is closed at the end and which is then
// deleted with what it left.
struct Arranque {
  int estado = 0;     // the exit status, when run to its end
  QStringList cajas;  // the texts of the message boxes of the start
  std::unique_ptr<Programa> programa;
  qsizetype primerAviso = 0;

  // The lines the program has written on standard error since its start ("Tiendal: …").
  QStringList Avisos() const;

  VentanaPractica* Ventana() const { return programa ? programa->Ventana() : nullptr; }
  ~Arranque();
};
// The program started on a folder as the executable starts it: its own window makers, SDL
// players and clock-seeded random numbers; the message boxes of the start are answered. With
// `hastaElFinal`, run to its end as the executable does, for its exit status. The answers are
// recorded in `registro`, when one is given.
std::unique_ptr<Arranque> Arrancar(const QString& carpeta, bool hastaElFinal = false,
                                   const QString& registro = {});

// A key as the keyboard sends it: to the control that has the focus in the window, made active
// first (the offscreen platform has no window manager to do it).
void PulsarTecla(QWidget& ventana, Qt::Key tecla, Qt::KeyboardModifiers mod = Qt::NoModifier);

// The object name of a control of a row or a slot: "nombreFila2", "marcoHueco4".
inline QString Nombrado(const char* control, int indice) {
  return QLatin1String(control) + QString::number(indice);
}

// Handles pending events, deferred deletes included.
void Vaciar();

// What the window shows that disagrees with its practice record, or the record with its own
// rules (rows without gaps, the flags of the listed slots, the rows each type has...).
QStringList Incoherencias(VentanaPractica& ventana);

// The name of a table row of a parameterised test: its field `nombre`.
template <typename Caso>
std::string NombreDelCaso(const ::testing::TestParamInfo<Caso>& caso) {
  return caso.param.nombre;
}

}  // namespace tiendal

#endif
