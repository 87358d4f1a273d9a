#include "mouse_window/imagen_estante.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace tiendal {

ImagenEstante::ImagenEstante(QWidget* padre) : QWidget(padre) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  hide();
}

void ImagenEstante::Cargar(const QString& ruta) {
  hide();
  ruta_ = ruta;
  estirada_ = false;
  pixmap_ = QPixmap();
  // Only the header is read here; the pixels wait until the shown size is known.
  cabecera_ = LeerCabeceraFoto(ruta);
  resize(cabecera_.derecha);
}

void ImagenEstante::Estirar(QSize tamano) {
  estirada_ = true;
  resize(tamano.expandedTo(QSize(0, 0)));
  pixmap_ = QPixmap();
  if (isVisible()) Decodificar();
}

void ImagenEstante::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  if (pixmap_.isNull()) Decodificar();
}

void ImagenEstante::Decodificar() {
  if (size().isEmpty()) return;
  const qreal escala = devicePixelRatioF();
  const QSize pixeles(static_cast<int>(std::lround(width() * escala)),
                      static_cast<int>(std::lround(height() * escala)));
  QImage imagen = LeerFotoReducida(ruta_, cabecera_, pixeles);
  if (imagen.isNull()) return;
  imagen.setDevicePixelRatio(escala);
  pixmap_ = QPixmap::fromImage(std::move(imagen));
}

void ImagenEstante::paintEvent(QPaintEvent*) {
  if (pixmap_.isNull()) return;
  QPainter pintor(this);
  pintor.drawPixmap(rect(), pixmap_);
}

void ImagenEstante::mousePressEvent(QMouseEvent* evento) { evento->accept(); }
void ImagenEstante::mouseReleaseEvent(QMouseEvent* evento) { evento->accept(); }

}  // namespace tiendal
