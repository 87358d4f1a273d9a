// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arranque.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMutex>
#include <QTest>
#include <QTextEdit>

#include "app/ventanas.h"

namespace tiendal {

Contestador::Contestador() {
  QObject::connect(&temporizador_, &QTimer::timeout, [this] {
    auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (caja == nullptr || !caja->isVisible()) return;
    cajas.push_back({caja->windowTitle(), caja->text(), caja->icon(),
                     static_cast<int>(caja->buttons().size())});
    caja->buttons().first()->click();
  });
  temporizador_.start(1);
}

QStringList Contestador::Textos() const {
  QStringList textos;
  for (const Caja& caja : cajas) textos << caja.texto;
  return textos;
}

namespace {

// What the program tells on standard error, from any of its threads, kept for the tests and
// passed on.
QMutex mutexAvisos;
QStringList avisos;
QtMessageHandler anterior = nullptr;

void Anotar(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
  if (texto.startsWith(QStringLiteral("Tiendal: "))) {
    const QMutexLocker cerrojo(&mutexAvisos);
    avisos << texto;
  }
  if (anterior != nullptr) anterior(tipo, contexto, texto);
}

}  // namespace

QStringList Arranque::Avisos() const {
  const QMutexLocker cerrojo(&mutexAvisos);
  return avisos.mid(primerAviso);
}

Arranque::~Arranque() {
  if (VentanaPractica* ventana = Ventana()) ventana->close();
  Vaciar();
  programa.reset();
  Vaciar();
}

std::unique_ptr<Arranque> Arrancar(const QString& carpeta, bool hastaElFinal) {
  [[maybe_unused]] static const bool anotando = [] {
    anterior = qInstallMessageHandler(Anotar);
    return true;
  }();
  auto arranque = std::make_unique<Arranque>();
  {
    const QMutexLocker cerrojo(&mutexAvisos);
    arranque->primerAviso = avisos.size();
  }
  Contestador contestador;
  arranque->programa = std::make_unique<Programa>(FabricaDelPrograma(carpeta));
  if (hastaElFinal) {
    arranque->estado = Ejecutar(*arranque->programa);
  } else {
    arranque->iniciado = arranque->programa->Iniciar();
  }
  QApplication::processEvents();
  arranque->cajas = contestador.cajas;
  return arranque;
}

void Tecla(QWidget& ventana, Qt::Key tecla, Qt::KeyboardModifiers mod) {
  if (QApplication::activeWindow() != &ventana) QApplication::setActiveWindow(&ventana);
  QWidget* foco = QApplication::focusWidget();
  QTest::keyClick(foco != nullptr && foco->window() == &ventana ? foco : &ventana, tecla, mod);
}

void Vaciar() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
  }
}

void ComprobarVentanaEntera(const Arranque& arranque) {
  ASSERT_TRUE(arranque.iniciado);
  EXPECT_TRUE(arranque.cajas.empty());
  VentanaPractica& ventana = *arranque.Ventana();
  ASSERT_TRUE(ventana.isVisible());
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&ventana));
  const Practica& p = ventana.sesion().practica();
  ASSERT_GE(p.TipoEjercicio, 1);
  ASSERT_LE(p.TipoEjercicio, 5);
  EXPECT_FALSE(ventana.findChild<QTextEdit*>(QStringLiteral("Text2"))->toPlainText().isEmpty());
  EXPECT_EQ(ventana.ContarFilas(), p.MaxFilas);
  // The rows' prices and the shelf's text lines show something; only the answer starts empty.
  for (const QLineEdit* caja : ventana.findChildren<QLineEdit*>()) {
    if (caja->isVisible() && caja->objectName() != QStringLiteral("TBResultado")) {
      EXPECT_FALSE(caja->text().isEmpty()) << caja->objectName().toStdString();
    }
  }
  EXPECT_FALSE(ventana.grab().isNull());
}

void ComprobarParadaOrdenada(const Arranque& arranque, const QString& nombrado) {
  EXPECT_FALSE(arranque.iniciado);
  EXPECT_EQ(arranque.Ventana(), nullptr);
  for (QWidget* w : QApplication::topLevelWidgets()) {
    EXPECT_FALSE(qobject_cast<QMainWindow*>(w) != nullptr && w->isVisible());
  }
  ASSERT_EQ(arranque.cajas.size(), 1u);
  const Contestador::Caja& caja = arranque.cajas.front();
  EXPECT_EQ(caja.titulo, QStringLiteral("Tiendal"));
  EXPECT_EQ(caja.icono, QMessageBox::NoIcon);
  EXPECT_EQ(caja.botones, 1);
  EXPECT_TRUE(caja.texto.contains(nombrado)) << caja.texto.toStdString();
  EXPECT_EQ(arranque.Avisos(), QStringList{QStringLiteral("Tiendal: ") + caja.texto});
}

int HuecoDe(const Practica& practica, const QString& nombre) {
  const auto k = practica.Productos.indexOf(nombre) + 1;
  for (int hueco = 0; hueco < kHuecos; ++hueco) {
    if (practica.ProductoHueco[hueco] == k) return hueco;
  }
  return -1;
}

}  // namespace tiendal
