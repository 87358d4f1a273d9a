// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard_window/ventana_teclado.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>

#include "core/lectura.h"
#include "core/numeros.h"
#include "core/practica.h"
#include "window_base/ayuda.h"
#include "window_base/filas_lista.h"
#include "window_base/teclas_de_acceso.h"

namespace tiendal {
namespace {

void Nombrar(QWidget* control, const QString& nombre, const QString& descripcion = {}) {
  control->setAccessibleName(nombre);
  control->setAccessibleDescription(descripcion);
}

}  // namespace

VentanaTeclado::VentanaTeclado(Rutas rutas, Piezas piezas, QWidget* padre)
    : VentanaPractica(
          std::move(rutas), std::move(piezas),
          Diseno{nullptr, QCoreApplication::translate("Menu", "&Versión para teclado y ratón"),
                 TextoAyuda()},
          padre) {
  setObjectName(QStringLiteral("ventanaTeclado"));
  NombrarControles();
  // A read-only box shows no caret: its border in the highlight colour shows the focus.
  Instrucciones()->setStyleSheet(
      QStringLiteral("QTextEdit:focus { border: 2px solid palette(highlight); }"));
}

QString VentanaTeclado::TextoAyuda() {
  return tiendal::TextoAyuda(QCoreApplication::translate(
      "Ayuda",
      "Pulse la tecla aplicaciones para ir agregando los productos necesarios a la lista. "));
}

void VentanaTeclado::NombrarControles() {
  setAccessibleName(
      QCoreApplication::translate("VentanaTeclado", "Tiendal, versión para sólo teclado"));
  setAccessibleDescription(QCoreApplication::translate(
      "VentanaTeclado",
      "Tecla de aplicaciones: elegir un producto. F2: oír una columna de la cuenta. F3: oír los "
      "productos. Control: callar. F1: ayuda"));
  Nombrar(
      Filas().Resultado(), QCoreApplication::translate("VentanaTeclado", "Resultado"),
      QCoreApplication::translate(
          "VentanaTeclado",
          "Escriba aquí el resultado. F2 lee las cifras de la columna en la que está el cursor"));
  Nombrar(Filas().Igual(), QCoreApplication::translate("VentanaTeclado", "Igual"));
  const QString corregir = BotonCorregir()->text();
  Nombrar(BotonCorregir(), SinMarca(corregir),
          QCoreApplication::translate("VentanaTeclado",
                                      "Comprueba la lista y el resultado. Atajo: Alt+%1")
              .arg(TeclaDeAcceso(corregir)));
  const QString nuevo = BotonNuevo()->text();
  Nombrar(BotonNuevo(), SinMarca(nuevo),
          QCoreApplication::translate("VentanaTeclado", "Empieza otro ejercicio. Atajo: Alt+%1")
              .arg(TeclaDeAcceso(nuevo)));
  Nombrar(MenuOpciones(), SinMarca(MenuOpciones()->title()));
  Filas().DescribirPrecios(QCoreApplication::translate(
      "VentanaTeclado", "Supr quita de la lista el producto de esta fila"));
}

bool VentanaTeclado::AtenderTecla(Tecla tecla, QWidget* destino) {
  switch (tecla) {
    case Tecla::Aplicaciones:
      ElegirProducto();
      return true;
    case Tecla::Suprimir:
      if (const int fila = Filas().FilaDePrecio(destino); fila >= 0) sesion().QuitarFila(fila);
      return false;
    default:  // F2, F3 and Ctrl read aloud or stop a reading
      return AtenderTeclaDeLectura(tecla, sesion().practica(), *this, CursorResultado(), sonido(),
                                   EsperaProducto::PorPosicion);
  }
}

void VentanaTeclado::Maquetar() {
  VentanaPractica::Maquetar();
  if (elegidor_) elegidor_->Maquetar();
}

void VentanaTeclado::ElegirProducto() {
  const Practica& p = sesion().practica();
  if (p.TipoEjercicio == TipoDeEjercicio::Ninguno || p.Productos.isEmpty()) return;

  if (!elegidor_) elegidor_ = new Elegidor(this, [this] { Pitido(); });
  huecoElegible_.assign(1, -1);
  elegidor_->VaciarLista();
  elegidor_->PonerSeleccionado(-1);
  for (int hueco = 0; hueco < kHuecos; ++hueco) {
    if (p.EnLista[hueco]) continue;
    if (huecoElegible_.back() != -1) huecoElegible_.push_back(-1);
    huecoElegible_.back() = static_cast<std::int16_t>(hueco);
    elegidor_->AgregarLinea(p.NombreDeHueco(hueco) + QStringLiteral(": ") +
                            FormatoPrecio(p.PrecioDeHueco(hueco)));
  }
  elegidor_->SeleccionarLinea(0);  // never empty: no list holds all six products
  const QPointer<Elegidor> elegidor = elegidor_;
  elegidor->MostrarModal();
  if (!elegidor) return;
  const int elegido = elegidor->Seleccionado();
  if (elegidor->CerradoPorCaja()) delete elegidor.data();

  if (elegido < 0 || elegido >= static_cast<int>(huecoElegible_.size()) || EstaCerrada()) return;
  sesion().AgregarDelEstante(huecoElegible_[elegido]);
}

}  // namespace tiendal
