#include "mouse_window/imagen_estante.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace tiendal {

ImagenEstante::ImagenEstante(QWidget* padre, FotosMostradas* mostradas)
    : QWidget(padre), mostradas_(mostradas) {
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
  const QFileInfo archivo(ruta_);
  const QString clave = QStringLiteral("%1|%2|%3|%4x%5")
                            .arg(ruta_)
                            .arg(archivo.lastModified().toMSecsSinceEpoch())
                            .arg(archivo.size())
                            .arg(pixeles.width())
                            .arg(pixeles.height());
  if (mostradas_ && mostradas_->contains(clave)) {
    pixmap_ = *mostradas_->object(clave);
    return;
  }
  QImage imagen = LeerFotoReducida(ruta_, cabecera_, pixeles);
  if (imagen.isNull()) return;
  imagen.setDevicePixelRatio(escala);
  pixmap_ = QPixmap::fromImage(std::move(imagen));
  if (mostradas_) {
    const auto kib = static_cast<qsizetype>(pixmap_.width()) * pixmap_.height() * 4 / 1024 + 1;
    mostradas_->insert(clave, new QPixmap(pixmap_), kib);
  }
}

void ImagenEstante::paintEvent(QPaintEvent*) {
  if (pixmap_.isNull()) return;
  QPainter pintor(this);
  pintor.drawPixmap(rect(), pixmap_);
}

void ImagenEstante::mousePressEvent(QMouseEvent* evento) { evento->accept(); }
void ImagenEstante::mouseReleaseEvent(QMouseEvent* evento) { evento->accept(); }

}  // namespace tiendal
