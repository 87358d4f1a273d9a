#ifndef TIENDAL_TESTS_KEYBOARD_WINDOW_ENTORNO_H
#define TIENDAL_TESTS_KEYBOARD_WINDOW_ENTORNO_H

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <cmath>
#include <functional>
#include <memory>
#include <ostream>

#include "core/catalogo.h"
#include "keyboard_window/form2.h"

inline void PrintTo(const QString& texto, std::ostream* os) {
  *os << '"' << texto.toStdString() << '"';
}

namespace tiendal::prueba {

using Accion = std::function<void(QWidget&)>;

// Lists the sounds it is given. Each ends at once, as one that cannot be played does, except
// `sinFin`, which plays until the player is stopped.
class ReproductorFalso final : public Reproductor {
 public:
  void Abrir(const QString& ruta) override { abiertos << ruta.section(u'/', -1); }
  bool Ocupado() const override { return !abiertos.isEmpty() && abiertos.last() == sinFin; }
  void Detener() override { sinFin.clear(); }
  double Posicion() const override { return Ocupado() ? 0.25 : 0.0; }

  QStringList abiertos;
  QString sinFin;
};

// The scripted draws, then a spread sequence that never gives one value twice running.
class AleatorioGuion final : public Aleatorio {
 public:
  double Siguiente() override {
    return guion.isEmpty() ? std::fmod(0.6180339887 * ++despues_, 1.0) : guion.takeFirst();
  }

  QList<double> guion;

 private:
  int despues_ = 0;
};

// A key to the focused control of `ventana`. The offscreen platform has no window manager to
// activate a window as it opens, or again when a dialog over it hides.
inline void Tecla(QWidget& ventana, Qt::Key tecla, Qt::KeyboardModifiers mod = Qt::NoModifier) {
  if (QApplication::activeWindow() != &ventana) QApplication::setActiveWindow(&ventana);
  QTest::keyClick(ventana.focusWidget() ? ventana.focusWidget() : &ventana, tecla, mod);
}

inline void Escape(QWidget& dialogo) { Tecla(dialogo, Qt::Key_Escape); }

// In the chooser: down to line `linea` by the arrow keys, then Enter.
inline Accion Linea(int linea) {
  return [linea](QWidget& dialogo) {
    for (int i = 0; i < linea; ++i) Tecla(dialogo, Qt::Key_Down);
    Tecla(dialogo, Qt::Key_Return);
  };
}

inline const QStringList kEstante = {"pan", "leche", "huevos", "Plátanos", "queso", "aceite"};

// A program folder holding the six products of kEstante, Form2 windows on it with fakes, a
// chooser of the test's own with its beeps counted, and an answerer that gives each message box
// OK and keeps its text.
class Form2Prueba : public ::testing::Test {
 protected:
  Form2Prueba() {
    const QString imagenes = carpeta_.filePath(QStringLiteral("imágenes"));
    QDir().mkdir(imagenes);
    QImage imagen(12, 8, QImage::Format_RGB32);
    imagen.fill(Qt::darkGreen);
    for (const QString& producto : kEstante)
      imagen.save(imagenes + u'/' + producto + ".jpg", "JPG");
    QFile precios(carpeta_.filePath(QStringLiteral("precios.txt")));
    EXPECT_TRUE(precios.open(QIODevice::WriteOnly));
    // Windows-1252, as the program's own prices file.
    precios.write(
        "pan|0.85\r\nleche|1.5\r\nhuevos|2\r\nPl\xE1tanos|3.2\r\nqueso|7.45\r\naceite|5\r\n");
    temporizador_.callOnTimeout([this] { Contestar(); });
    temporizador_.start(1);
  }

  // Fakes whose first exercise is of type `tipo` with kEstante in slots 0 to 5.
  Piezas Falsas(int tipo) {
    auto reproductor = std::make_unique<ReproductorFalso>();
    reproductor_ = reproductor.get();
    // The catalogue is numbered in the order the pictures folder lists them.
    const QStringList catalogo = ListarImagenes(carpeta_.filePath(QStringLiteral("imágenes")));
    auto azar = std::make_unique<AleatorioGuion>();
    azar->guion << (tipo - 0.5) / 5;
    for (const QString& s : kEstante)
      azar->guion << (static_cast<double>(catalogo.indexOf(s + QStringLiteral(".jpg"))) + 0.5) / 6;
    return {std::move(reproductor), std::move(azar)};
  }

  std::unique_ptr<Form2> Abrir(int tipo = 1) {
    auto ventana = std::make_unique<Form2>(carpeta_.path(), Falsas(tipo), elegidor_);
    EXPECT_EQ(ventana->Cargar(), std::nullopt);
    ventana->show();
    return ventana;
  }

  // The Applications key, then `accion` in the chooser once it shows. An access key or a double
  // click acts a moment later; a chooser still open after that is a failure, and is hidden.
  void Elegir(QWidget& ventana, Accion accion) {
    QTimer::singleShot(0, &ventana, [accion] {
      QWidget* dialogo = QApplication::activeModalWidget();
      ASSERT_NE(dialogo, nullptr);
      accion(*dialogo);
      EXPECT_TRUE(QTest::qWaitFor([dialogo] { return !dialogo->isVisible(); }));
      dialogo->hide();
    });
    Tecla(ventana, Qt::Key_Menu);
  }

  QTemporaryDir carpeta_;
  ReproductorFalso* reproductor_ = nullptr;  // the last created window's
  int pitidos_ = 0;
  Elegidor elegidor_{[this] { ++pitidos_; }};
  QStringList mensajes_;

 private:
  void Contestar() {
    auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (caja == nullptr || !caja->isVisible()) return;
    mensajes_ << caja->text();
    caja->accept();
  }

  QTimer temporizador_;
};

}  // namespace tiendal::prueba

#endif
