// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_WINDOW_BASE_VENTANA_PRACTICA_H
#define TIENDAL_WINDOW_BASE_VENTANA_PRACTICA_H

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/aleatorio.h"
#include "core/anotador.h"
#include "core/reproductor.h"
#include "core/sesion.h"
#include "core/sonido.h"
#include "core/tecla.h"
#include "core/vista.h"
#include "window_base/twips.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTextEdit;

namespace tiendal {

class FilasLista;
class FiltroTeclas;
class TecladoNumerico;

// What a main window is given from outside: its sound player, its random numbers and, when the
// pupil's answers are recorded, the record. The program passes the SDL player, the
// clock-seeded generator and the CSV record; tests pass fakes.
struct Piezas {
  std::unique_ptr<Reproductor> reproductor;
  std::unique_ptr<Aleatorio> azar;
  std::unique_ptr<Anotador> anotador = nullptr;
};

// What tells the two main windows apart, as far as this class is concerned.
struct Diseno {
  VistaEstante* estante = nullptr;  // the window's shelf; none when it keeps it out of sight
  QString textoVersion;             // the menu item that opens the other window, with its "&"
  QString ayuda;                    // text of the help box
};

// The part that both main windows share: a window titled "Tiendal", Arial 9.75 (FuenteVentana),
// with the instructions box, the shopping list (FilasLista), the "Corregir" and "Nuevo
// ejercicio" buttons at their designed places (medidas.h), and the "Opciones" menu; one
// practice (Sesion) and one sound player (Sonido), owned for as long as the window lives. It
// routes the controls' events to the practice and is the practice's Vista; a window with a
// shelf gives the practice its VistaEstante through Diseno.
//
// Every key press in the window, whichever control has the focus, reaches AtenderTecla() once,
// as the core's Tecla, before the focused control gets it (FiltroTeclas).
//
// A subclass places its own controls on Lienzo() (client-area coordinates), puts them in front
// of the focus order with PonerOrdenInicial(), routes their events through Atender() and
// overrides AtenderTecla() to say what each key does in it.
//
// Lifecycle: construct, Cargar(), show() when it succeeded. The window ends with close() (also
// the menu's "Salir", the close box and Alt+F4): the sound stops, waits in progress end, it emits
// cerrada() once and is deleted later, never while one of its handlers is still running further
// up the stack.
class VentanaPractica : public QMainWindow, public Vista {
  Q_OBJECT

 public:
  VentanaPractica(Rutas rutas, Piezas piezas, Diseno diseno, QWidget* padre = nullptr);
  ~VentanaPractica() override;
  VentanaPractica(const VentanaPractica&) = delete;
  VentanaPractica& operator=(const VentanaPractica&) = delete;

  // The window's load. On failure, the Spanish message naming the missing or broken file or
  // folder; the window is then not to be shown, and nothing has been written.
  std::optional<QString> Cargar();

  // Full screen, for a whiteboard or a touch screen: the whole content scaled to the largest
  // size that fits the screen beside the number pad, centred. Off, the window comes back at the
  // scale it was made at. F11 switches, and Escape leaves, when no box is open.
  void PonerPantallaCompleta(bool completa);
  bool EnPantallaCompleta() const { return pantallaCompleta_; }

  // Enables the menu item that opens the other window. Off until the program knows it.
  void PermitirCambioDeVersion(bool permitido);
  bool EstaCerrada() const { return cerrada_; }

  Sesion& sesion() { return sesion_; }
  const Sesion& sesion() const { return sesion_; }
  Sonido& sonido() { return sonido_; }

  void PonerInstrucciones(const QString& texto) override;
  int ContarFilas() const override;
  void CrearFila() override;
  void RetirarFila(int fila) override;
  void MostrarFilas() override;
  void PonerNombre(int fila, const QString& texto) override;
  QString Nombre(int fila) const override;
  void PonerPrecio(int fila, const QString& texto) override;
  QString Precio(int fila) const override;
  void EnfocarPrecio(int fila) override;
  void PonerResultado(const QString& texto) override;
  QString Resultado() const override;
  void MarcarOpcion(Opcion opcion, bool marcada) override;
  void Mensaje(const QString& texto) override;
  void Pitido() override;

 signals:
  // The menu asks for the other window: the program is to close this one and open that.
  void cambioDeVersionPedido();
  // Emitted once, when the window closes for whatever reason.
  void cerrada();
  // Each system beep, besides the beep itself.
  void pitido();
  // The pupil switched full screen on or off.
  void pantallaCompletaCambiada(bool completa);

 protected:
  // The client area, below the menu bar; controls are placed on it in client coordinates.
  QWidget* Lienzo() const { return lienzo_; }
  QTextEdit* Instrucciones() const { return instrucciones_; }
  FilasLista& Filas() const { return *filas_; }
  QPushButton* BotonCorregir() const { return botonCorregir_; }
  QPushButton* BotonNuevo() const { return botonNuevo_; }
  QMenu* MenuOpciones() const { return menuOpciones_; }

  // Puts `delante` first in the keyboard focus order, then the designed order: the
  // instructions, the list, the result box, "Corregir", "Nuevo ejercicio".
  void PonerOrdenInicial(const std::vector<QWidget*>& delante);

  // Runs one event handler. Every handler goes through here, so that a close asked for while
  // a handler waits in a nested event loop (a reading, a message box) deletes the window only
  // after that handler has returned.
  void Atender(const std::function<void()>& manejador);

  // Sets every control's place, size and font at the scale of the moment; a window with more
  // controls lays them out too, after this.
  virtual void Maquetar();

  // What a key does in this window; runs inside Atender(). Returns whether the press stops
  // here rather than going on to `destino`. Here: F2, F3 and Ctrl read aloud, and every key
  // goes on.
  virtual bool AtenderTecla(Tecla tecla, QWidget* destino);
  // The caret position in the result box, the start of the selection when text is selected.
  int CursorResultado() const;

  void closeEvent(QCloseEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;

 private:
  // Draws the whole content `escala` times as large as designed (1 as designed): every control,
  // font and picture, laid out again.
  void PonerEscala(double escala);
  // F11 and Escape; whether the press stops here.
  bool AtenderTeclaDePantalla(Tecla tecla);
  // The content in the middle of the client area and the pad beside it, in full screen.
  void Centrar();
  void CrearControles();
  void CrearMenu();
  void MarcarAlCerrar();

  Rutas rutas_;
  Diseno diseno_;
  std::unique_ptr<Reproductor> reproductor_;
  std::unique_ptr<Aleatorio> azar_;
  std::unique_ptr<Anotador> anotador_;
  Sonido sonido_;
  Sesion sesion_;

  QWidget* lienzo_ = nullptr;
  QTextEdit* instrucciones_ = nullptr;
  std::unique_ptr<FilasLista> filas_;
  QPushButton* botonCorregir_ = nullptr;
  QPushButton* botonNuevo_ = nullptr;
  QMenu* menuOpciones_ = nullptr;
  QAction* valoresEnteros_ = nullptr;
  QAction* mostrarResultado_ = nullptr;
  QAction* otraVersion_ = nullptr;
  FiltroTeclas* filtroTeclas_ = nullptr;
  TecladoNumerico* teclado_ = nullptr;
  QAction* tecladoConTab_ = nullptr;
  const double escalaNormal_ = Escala();  // the scale it is made at
  bool pantallaCompleta_ = false;

  int manejadoresEnCurso_ = 0;
  bool cerrada_ = false;
  bool borrandose_ = false;
};

}  // namespace tiendal

#endif
