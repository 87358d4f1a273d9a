// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard_window/dialogo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "core/lectura.h"
#include "window_base/twips.h"

namespace tiendal {
namespace {

// The list and its label: 266 pixels wide.
constexpr int kAnchoLista = 3990;

QFont Arial(double puntos) {
  QFont fuente(QStringLiteral("Arial"));
  fuente.setPointSizeF(puntos);
  return fuente;
}

}  // namespace

Dialog::Dialog(QWidget* dueno, std::function<void()> pitido)
    : QDialog(dueno, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint),
      Label1_(new QLabel(QStringLiteral("&Productos "), this)),
      List1_(new QListWidget(this)),
      OKButton_(new QPushButton(QStringLiteral("&Aceptar"), this)),
      CancelButton_(new QPushButton(QStringLiteral("&Cancelar"), this)),
      pitido_(pitido ? std::move(pitido) : [] { QApplication::beep(); }) {
  setObjectName(QStringLiteral("Dialog"));
  setWindowTitle(QStringLiteral("Elige un producto"));
  setFont(Arial(12));
  setFixedSize(Pixeles(6030), Pixeles(4020));
  setModal(true);
  // Hidden between uses; it must never be what keeps the program alive.
  setAttribute(Qt::WA_QuitOnClose, false);
  setAccessibleName(QStringLiteral("Elige un producto"));
  setAccessibleDescription(
      QStringLiteral("Elija con las flechas el producto que quiere añadir a la lista"));

  Label1_->setObjectName(QStringLiteral("Label1"));
  Label1_->setGeometry(RectTwips(500, 500, kAnchoLista, 330));
  Label1_->setBuddy(List1_);
  Label1_->setAccessibleName(QStringLiteral("Productos"));

  List1_->setObjectName(QStringLiteral("List1"));
  List1_->setSelectionMode(QAbstractItemView::SingleSelection);
  List1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  List1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  List1_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  List1_->setUniformItemSizes(true);
  // One text line high: the selected line shows, the arrow keys bring up the others.
  const int unaLinea = List1_->fontMetrics().height() + 2 * List1_->frameWidth() + 2;
  const QRect lista = RectTwips(500, 830, kAnchoLista, 330);
  List1_->setGeometry(lista.x(), lista.y(), lista.width(), std::max(lista.height(), unaLinea));
  List1_->setAccessibleName(QStringLiteral("Productos"));
  List1_->setAccessibleDescription(
      QStringLiteral("Productos que puede añadir a la lista, con su precio. Use las flechas "
                     "arriba y abajo para elegir uno y pulse Intro para añadirlo"));
  List1_->installEventFilter(this);
  List1_->viewport()->installEventFilter(this);

  OKButton_->setObjectName(QStringLiteral("OKButton"));
  OKButton_->setGeometry(RectTwips(500, 3500, 1215, 375));
  OKButton_->setFont(Arial(9.75));
  OKButton_->setDefault(true);
  OKButton_->setAccessibleName(QStringLiteral("Aceptar"));
  OKButton_->setAccessibleDescription(
      QStringLiteral("Añade a la lista el producto elegido. Atajo: Alt+A o Intro"));

  CancelButton_->setObjectName(QStringLiteral("CancelButton"));
  CancelButton_->setGeometry(RectTwips(3285, 3500, 1215, 375));
  CancelButton_->setFont(Arial(9.75));
  CancelButton_->setAccessibleName(QStringLiteral("Cancelar"));
  CancelButton_->setAccessibleDescription(
      QStringLiteral("Cierra sin añadir ningún producto. Atajo: Alt+C o Escape"));

  setTabOrder(List1_, OKButton_);
  setTabOrder(OKButton_, CancelButton_);

  connect(OKButton_, &QPushButton::clicked, this, [this] { OKButton_Click(); });
  connect(CancelButton_, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
}

void Dialog::VaciarLista() { List1_->clear(); }

void Dialog::PonerSeleccionado(std::int16_t valor) { seleccionado_ = valor; }

void Dialog::AgregarLinea(const QString& texto) { List1_->addItem(texto); }

std::int16_t Dialog::ContarLineas() const { return static_cast<std::int16_t>(List1_->count()); }

void Dialog::SeleccionarLinea(int indice) { List1_->setCurrentRow(indice); }

void Dialog::MostrarModal() {
  cerradoPorCaja_ = false;
  List1_->setFocus(Qt::OtherFocusReason);
  if (List1_->currentItem() != nullptr) List1_->scrollToItem(List1_->currentItem());
  exec();
}

int Dialog::IndiceElegido() const {
  const QList<QListWidgetItem*> elegidos = List1_->selectedItems();
  return elegidos.isEmpty() ? -1 : List1_->row(elegidos.front());
}

void Dialog::OKButton_Click() {
  const int indice = IndiceElegido();
  if (indice < 0) {
    pitido_();
    return;
  }
  seleccionado_ = static_cast<std::int16_t>(indice);
  hide();
}

void Dialog::CancelButton_Click() {
  seleccionado_ = -1;
  hide();
}

bool Dialog::List1_KeyDown(int codigo, Qt::KeyboardModifiers /*shift*/) {
  if (codigo == kTeclaEnter && IndiceElegido() >= 0) {
    OKButton_Click();
    return true;
  }
  return false;
}

void Dialog::List1_DblClick() { List1_KeyDown(kTeclaEnter, Qt::NoModifier); }

void Dialog::reject() { CancelButton_Click(); }

void Dialog::closeEvent(QCloseEvent* evento) {
  // The close box leaves Seleccionado as the caller set it.
  cerradoPorCaja_ = true;
  evento->accept();
}

bool Dialog::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == List1_ && evento->type() == QEvent::KeyPress) {
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    const bool intro = tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
    if (intro && List1_KeyDown(kTeclaEnter, tecla->modifiers())) return true;
  }
  if (objeto == List1_->viewport() && evento->type() == QEvent::MouseButtonDblClick) {
    // Once the list has taken the click, the line under the pointer is selected.
    QMetaObject::invokeMethod(
        this,
        [this] {
          if (isVisible()) List1_DblClick();
        },
        Qt::QueuedConnection);
  }
  return QDialog::eventFilter(objeto, evento);
}

}  // namespace tiendal
