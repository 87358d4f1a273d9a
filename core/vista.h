// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_CORE_VISTA_H
#define TIENDAL_CORE_VISTA_H

#include <QString>

namespace tiendal {

// The two options of the "Opciones" menu that carry a check mark.
enum class Opcion { ValoresEnteros, MostrarResultado };

// Everything the exercise core may ask of a main window: what it shows, never where. List rows
// count from 0.
class Vista {
 public:
  virtual ~Vista() = default;

  // The exercise's instructions.
  virtual void PonerInstrucciones(const QString& texto) = 0;

  // Shopping list rows, each a name and a figure.
  virtual int ContarFilas() const = 0;
  virtual void CrearFila() = 0;  // the row with the next number, looking like row 0
  // Takes a row off the list; the window may keep its controls, out of sight, for a later row.
  virtual void RetirarFila(int fila) = 0;
  // Shows and enables every row; the window sets them out, the result after the last.
  virtual void MostrarFilas() = 0;
  virtual void PonerNombre(int fila, const QString& texto) = 0;
  virtual QString Nombre(int fila) const = 0;
  virtual void PonerPrecio(int fila, const QString& texto) = 0;
  virtual QString Precio(int fila) const = 0;
  virtual void EnfocarPrecio(int fila) = 0;

  // The figure the pupil types.
  virtual void PonerResultado(const QString& texto) = 0;
  virtual QString Resultado() const = 0;

  virtual void MarcarOpcion(Opcion opcion, bool marcada) = 0;

  // Message box titled "Tiendal" with one OK button and no icon; returns once it is closed.
  virtual void Mensaje(const QString& texto) = 0;
  virtual void Pitido() = 0;
};

// The shelf of a window that shows one: its six places, slots 0..5.
class VistaEstante {
 public:
  virtual ~VistaEstante() = default;

  // The line under a place: the product's name and price.
  virtual void PonerTextoHueco(int hueco, const QString& texto) = 0;
  // The picture file of a place, fitted to the place. A file that cannot be decoded shows no
  // picture.
  virtual void MostrarImagen(int hueco, const QString& ruta) = 0;
  // Marks a place whose product is in the list, or takes the mark off.
  virtual void ResaltarHueco(int hueco, bool resaltado) = 0;
};

}  // namespace tiendal

#endif
