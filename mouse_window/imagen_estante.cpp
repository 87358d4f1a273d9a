// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mouse_window/imagen_estante.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace tiendal {

ImagenEstante::ImagenEstante(QWidget* padre, AlmacenFotos& almacen)
    : QWidget(padre), almacen_(almacen) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  hide();
}

void ImagenEstante::Cargar(const QString& ruta) {
  hide();
  ruta_ = ruta;
  estirada_ = false;
  decodificada_ = false;
  pixmap_ = QPixmap();
  // Only the header is read here; the pixels wait until the shown size is known.
  cabecera_ = LeerCabeceraFoto(ruta);
  resize(cabecera_.derecha);
}

void ImagenEstante::Estirar(QSize tamano) {
  estirada_ = true;
  resize(tamano.expandedTo(QSize(0, 0)));
  decodificada_ = false;
  pixmap_ = QPixmap();
  // Decoding starts now, while the window is still being built and mapped.
  Encargar();
}

void ImagenEstante::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  if (!decodificada_) Encargar();
}

QSize ImagenEstante::Pixeles() const {
  const qreal escala = devicePixelRatioF();
  return {static_cast<int>(std::lround(width() * escala)),
          static_cast<int>(std::lround(height() * escala))};
}

void ImagenEstante::Encargar() { almacen_.Encargar(ruta_, cabecera_, Pixeles()); }

void ImagenEstante::Decodificar() {
  decodificada_ = true;
  const QSize pixeles = Pixeles();
  QImage imagen = almacen_.Tomar(ruta_, cabecera_, pixeles);
  if (imagen.isNull()) return;
  imagen.setDevicePixelRatio(devicePixelRatioF());
  pixmap_ = QPixmap::fromImage(std::move(imagen));
}

void ImagenEstante::paintEvent(QPaintEvent*) {
  if (!decodificada_) Decodificar();
  if (pixmap_.isNull()) return;
  QPainter pintor(this);
  pintor.drawPixmap(rect(), pixmap_);
}

void ImagenEstante::mousePressEvent(QMouseEvent* evento) { evento->accept(); }
void ImagenEstante::mouseReleaseEvent(QMouseEvent* evento) { evento->accept(); }

}  // namespace tiendal
