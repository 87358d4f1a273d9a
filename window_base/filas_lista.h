// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_WINDOW_BASE_FILAS_LISTA_H
#define TIENDAL_WINDOW_BASE_FILAS_LISTA_H

#include <QString>
#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QObject;
class QWidget;

namespace tiendal {

class EtiquetaPulsable;

// The shopping list of a main window: rows of a name label and a figure box, one under another,
// then the "=" label and the result box in the place of the row after the last. Row 0 always
// exists. Rows taken off the list are hidden and kept for a later row rather than deleted: a
// key press that a reading holds up in a nested event loop may have one of them as its receiver.
//
// The list also keeps the window's keyboard focus order, since its rows come and go in the
// middle of it, and names each row for screen readers after what its label shows.
class FilasLista final {
 public:
  // `antes` is the control that the rows follow in the focus order (the instructions box);
  // `alPulsarNombre` gets the row of each click on a name label.
  FilasLista(QWidget* lienzo, QWidget* antes, std::function<void(int fila)> alPulsarNombre);
  FilasLista(const FilasLista&) = delete;
  FilasLista& operator=(const FilasLista&) = delete;

  int Contar() const { return static_cast<int>(filas_.size()); }
  // The row with the next number, looking like row 0 and empty.
  void Crear();
  // Takes off a row other than row 0.
  void Retirar(int fila);
  // Shows and enables every row, sets them out from the top with the result row after the
  // last, and puts them in the focus order after `antes`, the result box last.
  void Mostrar();

  // Sizes, fonts and places of every row, at the scale of the moment.
  void Maquetar();

  QLabel* Igual() const;
  QLineEdit* Resultado() const { return resultado_; }
  // The row whose figure box this is, or -1.
  int FilaDePrecio(const QObject* control) const;

  // Rows that do not exist are passed over: nothing set, empty texts.
  void PonerNombre(int fila, const QString& texto);
  QString TextoNombre(int fila) const;
  void PonerPrecio(int fila, const QString& texto);
  QString TextoPrecio(int fila) const;
  void EnfocarPrecio(int fila);

  // What a screen reader says of every figure box, now and in rows made later.
  void DescribirPrecios(const QString& descripcion);

  // The focus order: `delante`, `antes`, row 0, the result box, then `detras`.
  void PonerOrdenInicial(const std::vector<QWidget*>& delante, const std::vector<QWidget*>& detras);

 private:
  struct Fila {
    EtiquetaPulsable* nombre;
    QLineEdit* precio;
  };

  bool Existe(int fila) const { return fila >= 0 && fila < Contar(); }
  // Sets out the rows from the top, the result row after the last.
  void Colocar();
  Fila NuevaFila();
  void Conectar(EtiquetaPulsable* nombre);
  void Nombrar(int fila);
  // Puts a control last in the focus order; labels never take the focus.
  void PonerUltimoEnOrden(QWidget* control);

  QWidget* lienzo_;
  QWidget* antes_;
  std::function<void(int)> alPulsarNombre_;
  std::vector<Fila> filas_;
  std::vector<Fila> sobrantes_;  // rows taken off, hidden and nameless, kept for reuse
  EtiquetaPulsable* igual_ = nullptr;
  QLineEdit* resultado_ = nullptr;
  QString descripcionPrecio_;
  QWidget* ultimoEnOrden_ = nullptr;
};

}  // namespace tiendal

#endif
