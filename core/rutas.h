#ifndef TIENDAL_CORE_RUTAS_H
#define TIENDAL_CORE_RUTAS_H

#include <QString>

#include "core/entradas.h"

namespace tiendal {

// Where the program's files lie, all under the program's own folder. A name spelt in another
// Unicode form on disk is found all the same.
struct Rutas {
  QString programa;

  QString Imagenes() const { return EntradaDe(programa, QStringLiteral("imágenes")); }
  QString Imagen(const QString& archivo) const { return Imagenes() + u'/' + archivo; }
  QString Precios() const { return EntradaDe(programa, QStringLiteral("precios.txt")); }
  QString Sonidos() const { return EntradaDe(programa, QStringLiteral("Sonidos")); }
  QString Ini() const { return programa + QStringLiteral("/Tiendal.ini"); }
};

}  // namespace tiendal

#endif
