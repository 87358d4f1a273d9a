#ifndef TIENDAL_TESTS_KEYBOARD_WINDOW_MODAL_H
#define TIENDAL_TESTS_KEYBOARD_WINDOW_MODAL_H

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtTest/QTest>
#include <algorithm>
#include <functional>

namespace tiendal::prueba {

// The offscreen platform has no window manager: a window is not activated as it opens, nor
// given the focus back when a dialog over it hides (the hidden dialog keeps it), and a dialog
// shown again is not activated anew.
inline void Activar(QWidget& ventana) {
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&ventana));
  if (QApplication::activeWindow() == &ventana) return;
  if (QGuiApplication::focusWindow() == ventana.windowHandle()) {
    QApplication::setActiveWindow(&ventana);
  } else {
    ventana.windowHandle()->requestActivate();
  }
  EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &ventana; }));
}

// A key to the control that has the focus. An access key "clicks" its button a moment later,
// after the button has shown itself pressed; that click has happened when this returns.
inline void Tecla(QWidget& ventana, Qt::Key tecla, Qt::KeyboardModifiers mod = Qt::NoModifier) {
  QWidget* foco = ventana.focusWidget();
  QTest::keyClick(foco != nullptr ? foco : &ventana, tecla, mod);
  const auto botones = ventana.findChildren<QAbstractButton*>();
  EXPECT_TRUE(QTest::qWaitFor([&] {
    return std::none_of(botones.begin(), botones.end(), [](auto* b) { return b->isDown(); });
  }));
}

// Runs `accion` on the next modal window once it shows; the caller then opens it. Should the
// action leave it open, it is hidden so that no test can hang.
inline void AlAbrirse(std::function<void(QWidget&)> accion) {
  QTimer::singleShot(0, [accion = std::move(accion)] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr);
    Activar(*modal);
    accion(*modal);
    QApplication::processEvents();
    if (modal->isVisible()) {
      ADD_FAILURE() << "the modal window was left open";
      modal->hide();
    }
  });
}

}  // namespace tiendal::prueba

#endif
