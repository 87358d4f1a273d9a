// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_MOUSE_WINDOW_IMAGEN_ESTANTE_H
#define TIENDAL_MOUSE_WINDOW_IMAGEN_ESTANTE_H

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

#include "mouse_window/almacen_fotos.h"
#include "mouse_window/foto.h"

namespace tiendal {

// The picture of a shelf place. It loads a JPEG at its own size (upright, as its
// EXIF orientation says) or stretched to a given size, and decodes only as many pixels as it
// shows. Stretching or showing it asks its store for the pixels and painting takes them, so
// the six places of a new exercise are decoded side by side. It takes clicks and does nothing
// with them, so they never reach its frame.
class ImagenEstante final : public QWidget {
  Q_OBJECT

 public:
  ImagenEstante(QWidget* padre, AlmacenFotos& almacen);

  // Hides the picture, turns stretching off and takes the picture's own upright size. A file
  // that cannot be read as a picture gives an empty picture of size 0 x 0.
  void Cargar(const QString& ruta);
  // Turns stretching on at the given size, in logical pixels.
  void Estirar(QSize tamano);
  bool Estirada() const { return estirada_; }
  QSize TamanoPropio() const { return cabecera_.derecha; }
  // The picture file; empty before the first Cargar().
  const QString& Ruta() const { return ruta_; }

 protected:
  void showEvent(QShowEvent* evento) override;
  void paintEvent(QPaintEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;

 private:
  QSize Pixeles() const;
  void Encargar();
  void Decodificar();

  AlmacenFotos& almacen_;
  QString ruta_;
  CabeceraFoto cabecera_;
  bool estirada_ = false;
  bool decodificada_ = false;  // tried, at the present size
  QPixmap pixmap_;
};

}  // namespace tiendal

#endif
