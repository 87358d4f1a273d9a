// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard_window/elegidor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "window_base/teclas_de_acceso.h"
#include "window_base/twips.h"

namespace tiendal {
namespace {

// The list and its label: 266 pixels wide.
constexpr int kAnchoLista = 3990;

QFont Arial(double puntos) {
  QFont fuente(QStringLiteral("Arial"));
  fuente.setPointSizeF(Puntos(puntos));
  return fuente;
}

}  // namespace

Elegidor::Elegidor(QWidget* dueno, std::function<void()> pitido)
    // A window of QDialog's own type, with a title, its close box and no other buttons.
    : QDialog(dueno, Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      etiqueta_(new QLabel(QCoreApplication::translate("Elegidor", "&Productos "), this)),
      lista_(new QListWidget(this)),
      aceptar_(new QPushButton(QCoreApplication::translate("Elegidor", "&Aceptar"), this)),
      cancelar_(new QPushButton(QCoreApplication::translate("Elegidor", "&Cancelar"), this)),
      pitido_(pitido ? std::move(pitido) : [] { QApplication::beep(); }) {
  setObjectName(QStringLiteral("elegidor"));
  setWindowTitle(QCoreApplication::translate("Elegidor", "Elige un producto"));
  setModal(true);
  // Hidden between uses; it must never be what keeps the program alive.
  setAttribute(Qt::WA_QuitOnClose, false);
  setAccessibleName(windowTitle());
  setAccessibleDescription(QCoreApplication::translate(
      "Elegidor", "Elija con las flechas el producto que quiere añadir a la lista"));

  etiqueta_->setObjectName(QStringLiteral("etiquetaProductos"));
  etiqueta_->setBuddy(lista_);
  etiqueta_->setAccessibleName(SinMarca(etiqueta_->text()).trimmed());

  lista_->setObjectName(QStringLiteral("listaProductos"));
  lista_->setSelectionMode(QAbstractItemView::SingleSelection);
  lista_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  lista_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  lista_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  lista_->setUniformItemSizes(true);
  lista_->setAccessibleName(SinMarca(etiqueta_->text()).trimmed());
  lista_->setAccessibleDescription(QCoreApplication::translate(
      "Elegidor",
      "Productos que puede añadir a la lista, con su precio. Use las flechas arriba y abajo para "
      "elegir uno y pulse Intro para añadirlo"));
  lista_->installEventFilter(this);
  lista_->viewport()->installEventFilter(this);

  aceptar_->setObjectName(QStringLiteral("aceptar"));
  aceptar_->setDefault(true);
  aceptar_->setAccessibleName(SinMarca(aceptar_->text()));
  aceptar_->setAccessibleDescription(
      QCoreApplication::translate("Elegidor",
                                  "Añade a la lista el producto elegido. Atajo: Alt+%1 o Intro")
          .arg(TeclaDeAcceso(aceptar_->text())));

  cancelar_->setObjectName(QStringLiteral("cancelar"));
  cancelar_->setAccessibleName(SinMarca(cancelar_->text()));
  cancelar_->setAccessibleDescription(
      QCoreApplication::translate("Elegidor",
                                  "Cierra sin añadir ningún producto. Atajo: Alt+%1 o Escape")
          .arg(TeclaDeAcceso(cancelar_->text())));

  setTabOrder(lista_, aceptar_);
  setTabOrder(aceptar_, cancelar_);

  connect(aceptar_, &QPushButton::clicked, this, [this] { Aceptar(); });
  connect(cancelar_, &QPushButton::clicked, this, [this] { Cancelar(); });
  Maquetar();
}

void Elegidor::Maquetar() {
  setFont(Arial(12));
  setFixedSize(Pixeles(6030), Pixeles(4020));
  etiqueta_->setGeometry(RectTwips(500, 500, kAnchoLista, 330));
  // One text line high: the selected line shows, the arrow keys bring up the others.
  const int unaLinea = lista_->fontMetrics().height() + 2 * lista_->frameWidth() + 2;
  const QRect lista = RectTwips(500, 830, kAnchoLista, 330);
  lista_->setGeometry(lista.x(), lista.y(), lista.width(), std::max(lista.height(), unaLinea));
  aceptar_->setGeometry(RectTwips(500, 3500, 1215, 375));
  aceptar_->setFont(Arial(9.75));
  cancelar_->setGeometry(RectTwips(3285, 3500, 1215, 375));
  cancelar_->setFont(Arial(9.75));
}

void Elegidor::VaciarLista() { lista_->clear(); }

void Elegidor::PonerSeleccionado(std::int16_t valor) { seleccionado_ = valor; }

void Elegidor::AgregarLinea(const QString& texto) { lista_->addItem(texto); }

void Elegidor::SeleccionarLinea(int indice) { lista_->setCurrentRow(indice); }

void Elegidor::MostrarModal() {
  cerradoPorCaja_ = false;
  lista_->setFocus(Qt::OtherFocusReason);
  if (lista_->currentItem() != nullptr) lista_->scrollToItem(lista_->currentItem());
  exec();
}

int Elegidor::IndiceElegido() const {
  const QList<QListWidgetItem*> elegidos = lista_->selectedItems();
  return elegidos.isEmpty() ? -1 : lista_->row(elegidos.front());
}

void Elegidor::Aceptar() {
  const int indice = IndiceElegido();
  if (indice < 0) {
    pitido_();
    return;
  }
  seleccionado_ = static_cast<std::int16_t>(indice);
  hide();
}

void Elegidor::Cancelar() {
  seleccionado_ = -1;
  hide();
}

void Elegidor::reject() { Cancelar(); }

void Elegidor::closeEvent(QCloseEvent* evento) {
  // The close box leaves Seleccionado as the caller set it.
  cerradoPorCaja_ = true;
  evento->accept();
}

bool Elegidor::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == lista_ && evento->type() == QEvent::KeyPress) {
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    const bool intro = tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
    if (intro && IndiceElegido() >= 0) {
      Aceptar();
      return true;
    }
  }
  if (objeto == lista_->viewport() && evento->type() == QEvent::MouseButtonDblClick) {
    // Once the list has taken the click, the line under the pointer is selected.
    QMetaObject::invokeMethod(
        this,
        [this] {
          if (isVisible() && IndiceElegido() >= 0) Aceptar();
        },
        Qt::QueuedConnection);
  }
  return QDialog::eventFilter(objeto, evento);
}

}  // namespace tiendal
