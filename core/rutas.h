#ifndef TIENDAL_CORE_RUTAS_H
#define TIENDAL_CORE_RUTAS_H

#include <QString>

namespace tiendal {

// Where the program's files lie, all under the program's own folder.
struct Rutas {
  QString programa;

  QString Imagenes() const { return programa + QStringLiteral("/imágenes"); }
  QString Imagen(const QString& archivo) const { return Imagenes() + u'/' + archivo; }
  QString Precios() const { return programa + QStringLiteral("/precios.txt"); }
  QString Sonidos() const { return programa + QStringLiteral("/Sonidos"); }
  QString Ini() const { return programa + QStringLiteral("/Tiendal.ini"); }
};

}  // namespace tiendal

#endif
