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
#include "core/reproductor.h"
#include "core/sesion.h"
#include "core/sonido.h"
#include "core/vista.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTextEdit;

namespace tiendal {

class EtiquetaPulsable;

// What a main window is given from outside: its sound player and its random numbers. The
// program passes the SDL player and the clock-seeded generator; tests pass fakes.
struct Piezas {
  std::unique_ptr<Reproductor> reproductor;
  std::unique_ptr<Aleatorio> azar;
};

// What tells the two main windows apart, as far as this class is concerned.
struct Diseno {
  VistaEstante* estante = nullptr;  // the window's shelf; none when it keeps it out of sight
  QString textoVersion;             // caption of MnuOpcVer, with its "&"
  QString ayuda;                    // text of the help box
};

// The part that Form1 and Form2 share: a main window titled "Tiendal", Arial 9.75
// (FuenteVentana), with
//   - the controls Text2, the list rows LBNombre<r>/TBPrecio<r>, LBResultado, TBResultado,
//     CBCorregir and CBNuevo at their designed places, medidas.h (object names as written here);
//   - the menu MnuOpc "&Opciones" with MnuOpcVal, MnuOpcMos, MnuOpcVer, MnuOpcAyu (F1) and
//     MnuOpcSal, routed to the practice;
//   - one practice (Sesion) and one sound player (Sonido), owned for as long as the window
//     lives, and every view operation but the shelf's, which a window with a shelf gives the
//     practice through its Diseno;
//   - a key preview: every key press in the window, whichever control has the focus, reaches
//     Form_KeyDown once, as a virtual key code, before the focused control gets it (which it
//     still does);
//   - a safe close: once closed, the sound stops, waits in progress end, and the object is
//     deleted later, never while one of its handlers is still running further up the stack.
//
// A subclass places its own controls on Lienzo() (client-area coordinates), puts them in front
// of the designed focus order with PonerOrdenInicial(), routes their events through Atender()
// and overrides Form_KeyDown as it needs; it reaches the shared controls through the typed
// accessors below.
//
// Lifecycle: construct, Cargar(), show() when it succeeded. The window ends with close() (also
// MnuOpcSal, the close box and Alt+F4): it emits cerrada() once and then deletes itself.
class VentanaPractica : public QMainWindow, public Vista {
  Q_OBJECT

 public:
  VentanaPractica(Rutas rutas, Piezas piezas, Diseno diseno, QWidget* padre = nullptr);
  ~VentanaPractica() override;
  VentanaPractica(const VentanaPractica&) = delete;
  VentanaPractica& operator=(const VentanaPractica&) = delete;

  // The window's load. On failure, the Spanish message naming the missing or broken file or folder;
  // the window is then not to be shown, and nothing has been written.
  std::optional<QString> Cargar();

  // Enables MnuOpcVer. Off until the program knows the other window.
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
  // MnuOpcVer: the program is to close this window and open the other version.
  void cambioDeVersionPedido();
  // Emitted once, when the window closes for whatever reason.
  void cerrada();
  // Each system beep, besides the beep itself.
  void pitido();

 protected:
  // The client area, below the menu bar; controls are placed on it in client coordinates.
  QWidget* Lienzo() const { return lienzo_; }

  // The shared controls. A row's controls are null for a row that does not exist.
  QTextEdit* ControlInstrucciones() const { return text2_; }
  QLabel* ControlNombre(int fila) const;
  QLineEdit* ControlPrecio(int fila) const;
  QLabel* ControlEtiquetaResultado() const;
  QLineEdit* ControlResultado() const { return tbResultado_; }
  QPushButton* BotonCorregir() const { return cbCorregir_; }
  QPushButton* BotonNuevo() const { return cbNuevo_; }
  QMenu* MenuOpciones() const { return mnuOpc_; }

  // Puts `delante` first in the keyboard focus order, then the designed order: Text2, row 0,
  // LBResultado, TBResultado, CBCorregir, CBNuevo. MostrarFilas() puts the list after them.
  void PonerOrdenInicial(const std::vector<QWidget*>& delante);

  // Runs one event handler. Every handler goes through here, so that a close asked for while
  // a handler waits in a nested event loop (a reading, a message box) deletes the window only
  // after that handler has returned.
  void Atender(const std::function<void()>& manejador);

  // Key preview: one call per key press, with the key's virtual code (F2 113, F3 114, Ctrl 17,
  // Applications key 93). Runs inside Atender(). Here: the F2, F3 and Ctrl of the readings.
  virtual void Form_KeyDown(int codigo);

  // The caret position in TBResultado, the start of the selection when text is selected.
  int CursorResultado() const;

  void closeEvent(QCloseEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  struct Fila {
    EtiquetaPulsable* nombre;
    QLineEdit* precio;
  };

  void CrearControles();
  void CrearMenu();
  Fila NuevaFila();
  // Puts a control last in the keyboard focus order; labels never take the focus.
  void PonerUltimoEnOrden(QWidget* control);
  void NombrarFila(int fila);
  bool EsPrimeraEntrega(const QObject* objeto) const;
  void Terminar();

  void LBNombre_Click(const EtiquetaPulsable* nombre);
  void MnuOpcAyu_Click();

  Rutas rutas_;
  Diseno diseno_;
  std::unique_ptr<Reproductor> reproductor_;
  std::unique_ptr<Aleatorio> azar_;
  Sonido sonido_;
  Sesion sesion_;

  QWidget* lienzo_ = nullptr;
  QTextEdit* text2_ = nullptr;
  std::vector<Fila> filas_;
  std::vector<Fila> filasSobrantes_;  // destroyed rows, hidden and nameless, kept for reuse
  EtiquetaPulsable* lbResultado_ = nullptr;
  QLineEdit* tbResultado_ = nullptr;
  QPushButton* cbCorregir_ = nullptr;
  QPushButton* cbNuevo_ = nullptr;
  QMenu* mnuOpc_ = nullptr;
  QAction* mnuOpcVal_ = nullptr;
  QAction* mnuOpcMos_ = nullptr;
  QAction* mnuOpcVer_ = nullptr;
  QAction* mnuOpcAyu_ = nullptr;
  QAction* mnuOpcSal_ = nullptr;
  QWidget* ultimoEnOrden_ = nullptr;

  int manejadoresEnCurso_ = 0;
  bool cerrada_ = false;
  bool borrandose_ = false;
};

}  // namespace tiendal

#endif
