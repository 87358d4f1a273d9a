#ifndef TIENDAL_TESTS_KEYBOARD_WINDOW_ACCESIBLE_H
#define TIENDAL_TESTS_KEYBOARD_WINDOW_ACCESIBLE_H

#include <QAccessible>
#include <QAccessibleInterface>
#include <QStringList>
#include <QWidget>

namespace tiendal::prueba {

// Walks what a screen reader sees of a window and names every control that takes the focus by
// Tab yet has no accessible name.
inline void SinNombreAccesible(QAccessibleInterface* nodo, QStringList& faltan, int* enfocables) {
  if (nodo == nullptr) return;
  auto* control = qobject_cast<QWidget*>(nodo->object());
  if (control != nullptr && control->isVisible() && (control->focusPolicy() & Qt::TabFocus)) {
    ++*enfocables;
    if (nodo->text(QAccessible::Name).trimmed().isEmpty()) faltan << control->objectName();
  }
  for (int i = 0; i < nodo->childCount(); ++i)
    SinNombreAccesible(nodo->child(i), faltan, enfocables);
}

inline QStringList SinNombreAccesible(QWidget& ventana, int* enfocables) {
  QStringList faltan;
  *enfocables = 0;
  SinNombreAccesible(QAccessible::queryAccessibleInterface(&ventana), faltan, enfocables);
  return faltan;
}

}  // namespace tiendal::prueba

#endif
