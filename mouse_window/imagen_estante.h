#ifndef TIENDAL_MOUSE_WINDOW_IMAGEN_ESTANTE_H
#define TIENDAL_MOUSE_WINDOW_IMAGEN_ESTANTE_H

#include <QCache>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

#include "mouse_window/foto.h"

namespace tiendal {

// Pictures already decoded at the size they were shown, so that a product that comes back to
// the shelf is not decoded again. One per window, shared by its six places; a file changed on
// disk is decoded afresh.
using FotosMostradas = QCache<QString, QPixmap>;

// Image1(k): the picture of a shelf place. It loads a JPEG at its own size (upright, as its
// EXIF orientation says) or stretched to a given size, and decodes only as many pixels as it
// shows. It takes clicks and does nothing with them, so they never reach its frame.
class ImagenEstante final : public QWidget {
 public:
  explicit ImagenEstante(QWidget* padre, FotosMostradas* mostradas = nullptr);

  // Hides the picture, turns stretching off and takes the picture's own upright size. A file
  // that cannot be read as a picture gives an empty picture of size 0 x 0.
  void Cargar(const QString& ruta);
  // Turns stretching on at the given size, in logical pixels.
  void Estirar(QSize tamano);
  bool Estirada() const { return estirada_; }
  QSize TamanoPropio() const { return cabecera_.derecha; }
  // Device pixels decoded for the screen; empty until the picture is shown.
  QSize PixelesDecodificados() const { return pixmap_.size(); }

 protected:
  void showEvent(QShowEvent* evento) override;
  void paintEvent(QPaintEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;

 private:
  void Decodificar();

  FotosMostradas* mostradas_;
  QString ruta_;
  CabeceraFoto cabecera_;
  bool estirada_ = false;
  QPixmap pixmap_;
};

}  // namespace tiendal

#endif
