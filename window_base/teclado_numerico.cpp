// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_base/teclado_numerico.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "window_base/medidas.h"
#include "window_base/twips.h"

namespace tiendal {
namespace {

constexpr int kLado = 900;   // a button, in twips
constexpr int kHueco = 150;  // between buttons

// Each button: its text, its accessible name, the key it sends and its place (row, column,
// columns wide). The words are translated when the pad is made.
struct Boton {
  const char* texto;
  const char* nombre;
  int teclaQt;
  int fila, columna, ancho;
};
constexpr Boton kBotones[] = {
    {"7", "7", Qt::Key_7, 0, 0, 1},
    {"8", "8", Qt::Key_8, 0, 1, 1},
    {"9", "9", Qt::Key_9, 0, 2, 1},
    {"4", "4", Qt::Key_4, 1, 0, 1},
    {"5", "5", Qt::Key_5, 1, 1, 1},
    {"6", "6", Qt::Key_6, 1, 2, 1},
    {"1", "1", Qt::Key_1, 2, 0, 1},
    {"2", "2", Qt::Key_2, 2, 1, 1},
    {"3", "3", Qt::Key_3, 2, 2, 1},
    {",", QT_TRANSLATE_NOOP("Ventana", "Coma decimal"), Qt::Key_Comma, 3, 0, 1},
    {"0", "0", Qt::Key_0, 3, 1, 1},
    {"⌫", QT_TRANSLATE_NOOP("Ventana", "Borrar"), Qt::Key_Backspace, 3, 2, 1},
    {QT_TRANSLATE_NOOP("Ventana", "Borrar todo"), QT_TRANSLATE_NOOP("Ventana", "Borrar todo"), 0, 4,
     0, 3},
};

QString Traducir(const char* texto) { return QCoreApplication::translate("Ventana", texto); }

}  // namespace

TecladoNumerico::TecladoNumerico(QWidget* padre, QLineEdit* resultado)
    : QWidget(padre), resultado_(resultado) {
  setObjectName(QStringLiteral("tecladoNumerico"));
  setAccessibleName(QCoreApplication::translate("Ventana", "Teclado numérico"));
  for (const Boton& tecla : kBotones) {
    auto* boton = new QPushButton(Traducir(tecla.texto), this);
    boton->setObjectName(QStringLiteral("tecla") + QString::number(botones_.size()));
    boton->setAccessibleName(Traducir(tecla.nombre));
    boton->setFocusPolicy(Qt::NoFocus);
    boton->setAutoRepeat(tecla.teclaQt == Qt::Key_Backspace);
    const QString texto = tecla.teclaQt == 0 ? QString() : QString::fromUtf8(tecla.texto);
    const int teclaQt = tecla.teclaQt == 0 ? Qt::Key_Backspace : tecla.teclaQt;
    const bool vaciar = tecla.teclaQt == 0;
    connect(boton, &QPushButton::clicked, this,
            [this, teclaQt, texto, vaciar] { Pulsar(teclaQt, texto, vaciar); });
    botones_.push_back(boton);
  }
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* nuevo) {
    if (qobject_cast<QLineEdit*>(nuevo) && nuevo->window() == window()) destino_ = nuevo;
  });
  Maquetar();
}

void TecladoNumerico::Maquetar() {
  QFont fuente = medidas::FuenteVentana();
  fuente.setPointSizeF(Puntos(18));
  fuente.setBold(true);
  resize(Pixeles(kAncho), Pixeles(kAlto));
  for (size_t i = 0; i < botones_.size(); ++i) {
    const Boton& tecla = kBotones[i];
    const int paso = kLado + kHueco;
    botones_[i]->setFont(fuente);
    botones_[i]->setGeometry(
        RectTwips(tecla.columna * paso, tecla.fila * paso, tecla.ancho * paso - kHueco, kLado));
  }
}

void TecladoNumerico::AlcanzableConTab(bool alcanzable) {
  for (QPushButton* boton : botones_)
    boton->setFocusPolicy(alcanzable ? Qt::TabFocus : Qt::NoFocus);
}

void TecladoNumerico::Pulsar(int teclaQt, const QString& texto, bool vaciar) {
  // With Tab, the pupil is on the pad: the keys go to the box last typed in.
  QWidget* foco = QApplication::focusWidget();
  if (foco && foco->parentWidget() == this) foco = destino_;
  auto* caja = qobject_cast<QLineEdit*>(foco);
  if (caja == nullptr || caja->isReadOnly() || caja->window() != window()) {
    caja = resultado_;
    caja->setFocus(Qt::OtherFocusReason);
  }
  if (vaciar) caja->selectAll();
  for (const QEvent::Type tipo : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent evento(tipo, teclaQt, Qt::NoModifier, texto);
    QApplication::sendEvent(caja, &evento);
  }
}

}  // namespace tiendal
