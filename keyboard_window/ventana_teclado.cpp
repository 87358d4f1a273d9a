// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard_window/ventana_teclado.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>

#include "core/lectura.h"
#include "core/numeros.h"
#include "core/practica.h"
#include "window_base/ayuda.h"
#include "window_base/teclas.h"

namespace tiendal {
namespace {

void Nombrar(QWidget* control, const QString& nombre, const QString& descripcion = {}) {
  if (control == nullptr) return;
  control->setAccessibleName(nombre);
  control->setAccessibleDescription(descripcion);
}

}  // namespace

Form2::Form2(Rutas rutas, Piezas piezas, Elegidor& elegidor, QWidget* padre)
    : VentanaPractica(
          std::move(rutas), std::move(piezas),
          Diseno{nullptr, QStringLiteral("&Versión para teclado y ratón"), TextoAyuda()}, padre),
      elegidor_(elegidor) {
  setObjectName(QStringLiteral("Form2"));
  NombrarControles();
  // A read-only box shows no caret: its border in the highlight colour shows the focus.
  ControlInstrucciones()->setStyleSheet(
      QStringLiteral("QTextEdit:focus { border: 2px solid palette(highlight); }"));
}

QString Form2::TextoAyuda() {
  return tiendal::TextoAyuda(
      QStringLiteral("Pulse la tecla aplicaciones para ir agregando los productos necesarios a "
                     "la lista. "));
}

void Form2::NombrarControles() {
  setAccessibleName(QStringLiteral("Tiendal, versión para sólo teclado"));
  setAccessibleDescription(
      QStringLiteral("Tecla de aplicaciones: elegir un producto. F2: oír una columna de la "
                     "cuenta. F3: oír los productos. Control: callar. F1: ayuda"));
  Nombrar(ControlResultado(), QStringLiteral("Resultado"),
          QStringLiteral("Escriba aquí el resultado. F2 lee las cifras de la columna en la que "
                         "está el cursor"));
  Nombrar(ControlEtiquetaResultado(), QStringLiteral("Igual"));
  Nombrar(BotonCorregir(), QStringLiteral("Corregir"),
          QStringLiteral("Comprueba la lista y el resultado. Atajo: Alt+C"));
  Nombrar(BotonNuevo(), QStringLiteral("Nuevo ejercicio"),
          QStringLiteral("Empieza otro ejercicio. Atajo: Alt+N"));
  Nombrar(MenuOpciones(), QStringLiteral("Opciones"));
  for (int fila = 0; fila < ContarFilas(); ++fila) DescribirFila(fila);
}

// The rows are named by the window they belong to; here they learn what Delete does.
void Form2::DescribirFila(int fila) {
  if (auto* precio = ControlPrecio(fila)) {
    precio->setAccessibleDescription(
        QStringLiteral("Supr quita de la lista el producto de esta fila"));
  }
}

void Form2::CrearFila() {
  VentanaPractica::CrearFila();
  DescribirFila(ContarFilas() - 1);
}

void Form2::Form_KeyDown(int codigo) {
  if (codigo == kTeclaAplicaciones) {
    ElegirProducto();
    return;
  }
  AtenderTecla(codigo, sesion().practica(), *this, CursorResultado(), sonido(),
               EsperaProducto::PorPosicion);
}

void Form2::ElegirProducto() {
  const Practica& p = sesion().practica();
  if (p.TipoEjercicio == 0 || p.Productos.isEmpty()) return;

  huecoElegible_.assign(1, -1);
  elegidor_.PonerDueno(this);
  elegidor_.VaciarLista();
  elegidor_.PonerSeleccionado(-1);
  for (int hueco = 0; hueco < kHuecos; ++hueco) {
    if (p.EnLista[hueco]) continue;
    if (huecoElegible_.back() != -1) huecoElegible_.push_back(-1);
    huecoElegible_.back() = static_cast<std::int16_t>(hueco);
    elegidor_.AgregarLinea(p.NombreDeHueco(hueco) + QStringLiteral(": ") +
                           FormatoPrecio(p.PrecioDeHueco(hueco)));
  }
  if (elegidor_.ContarLineas() > 0) elegidor_.SeleccionarLinea(0);
  elegidor_.MostrarModal();

  const int elegido = elegidor_.Seleccionado();
  if (elegido < 0 || elegido >= static_cast<int>(huecoElegible_.size()) || EstaCerrada()) return;
  sesion().AgregarDelEstante(huecoElegible_[elegido]);
}

void Form2::TBPrecio_KeyDown(int fila) { sesion().QuitarFila(fila); }

int Form2::FilaDePrecio(const QObject* objeto) const {
  for (int fila = 0; fila < ContarFilas(); ++fila) {
    if (ControlPrecio(fila) == objeto) return fila;
  }
  return -1;
}

bool Form2::eventFilter(QObject* objeto, QEvent* evento) {
  const bool mio = objeto->isWidgetType() && static_cast<QWidget*>(objeto)->window() == this;
  if (mio && !EstaCerrada()) {
    // Under X the Applications key brings a context-menu request before the key itself.
    if (evento->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(evento)->reason() == QContextMenuEvent::Keyboard) {
      return true;
    }
    // The keys of the key preview are acted on once, then stopped: no control has a use for
    // them, and once the chooser or a message box has closed the window may not have its focus
    // back yet, so the same press travelling on to the parents would be taken for a second one.
    if (evento->type() == QEvent::KeyPress &&
        CodigoTecla(static_cast<QKeyEvent*>(evento)->key()) != 0) {
      VentanaPractica::eventFilter(objeto, evento);
      return true;
    }
    // The key press reaches this filter once per widget it travels through; the focused price
    // box sees it first.
    if (evento->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Delete &&
        objeto == QApplication::focusWidget()) {
      const int fila = FilaDePrecio(objeto);
      if (fila >= 0) Atender([this, fila] { TBPrecio_KeyDown(fila); });
    }
  }
  return VentanaPractica::eventFilter(objeto, evento);
}

}  // namespace tiendal
