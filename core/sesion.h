// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_CORE_SESION_H
#define TIENDAL_CORE_SESION_H

#include <QString>
#include <optional>

#include "core/practica.h"
#include "core/rutas.h"

namespace tiendal {

class Aleatorio;
class Anotador;
class Sonido;
class Vista;
class VistaEstante;

// One main window's practice: its record and the exercise rules that act on it. The window
// maps its controls' events onto these operations and is reached back only through `Vista`
// (and `VistaEstante`, when it shows the shelf); sounds go to its `Sonido`.
class Sesion final {
 public:
  // `estante` is null for a window that keeps the shelf out of sight.
  Sesion(Vista& vista, VistaEstante* estante, Sonido& sonido, Aleatorio& azar, Rutas rutas);
  Sesion(const Sesion&) = delete;
  Sesion& operator=(const Sesion&) = delete;

  // The window's start: options, catalogue, prices, first exercise. On failure, a Spanish
  // message that names the missing or broken file or folder; nothing is shown then.
  std::optional<QString> Empezar();

  // Empties the list and the result and draws another exercise.
  void NuevoEjercicio();
  // Puts the product of a shelf slot in the next free row, when the exercise allows it.
  void AgregarDelEstante(int hueco);
  // Takes the product of a row off the list; the rows below move up.
  void QuitarFila(int fila);
  void Corregir();
  void CambiarValoresEnteros();
  void CambiarMostrarResultado();

  // Tells `anotador` of each new exercise and each verdict from now on; null tells no one.
  void PonerAnotador(Anotador* anotador) { anotador_ = anotador; }

  Practica& practica() { return p_; }
  const Practica& practica() const { return p_; }
  const QString& CarpetaImagenes() const { return carpetaImagenes_; }

 private:
  // Steps of the operations above, each in the file of the operations that use it:
  // sesion.cpp (options, the draw), sesion_arranque.cpp (catalogue, prices, shelf),
  // sesion_ejercicio.cpp, sesion_lista.cpp and sesion_correccion.cpp.
  void LeerOpciones();
  void GuardarOpciones();
  std::optional<QString> ExplorarCatalogo();
  std::optional<QString> CargarPrecios();
  void ElegirProductos();
  // Draws the type and the shelf and sets out the list's rows, the list left as it stands.
  void SortearEjercicio();
  int Sortear(int cuantos, int desde);
  void MostrarFilasDesde(int primera);
  void CorregirMasProductos();
  void AnotarVeredicto(QString esperado, bool correcta);

  Vista& vista_;
  VistaEstante* estante_;
  Sonido& sonido_;
  Aleatorio& azar_;
  Rutas rutas_;
  Anotador* anotador_ = nullptr;
  // The verdicts of the exercise on the screen so far.
  int comprobaciones_ = 0;
  // Found once on disk, whatever the Unicode form of its name: the catalogue and every
  // exercise's pictures come from here.
  const QString carpetaImagenes_;
  Practica p_;
};

}  // namespace tiendal

#endif
