// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_base/filas_lista.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <utility>

#include "window_base/medidas.h"
#include "window_base/pulsables.h"
#include "window_base/twips.h"

namespace tiendal {
namespace {

using namespace medidas;

// The figures of the list must line up in columns: a fixed-width face.
QFont FuentePrecio() {
  QFont fuente;
  fuente.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
  fuente.setStyleHint(QFont::TypeWriter);
  fuente.setFixedPitch(true);
  fuente.setPointSizeF(Puntos(14.25));
  fuente.setBold(true);
  return fuente;
}

QString NombreIndexado(const char* control, int fila) {
  return QLatin1String(control) + QString::number(fila);
}

QLineEdit* CrearCaja(QWidget* padre) {
  auto* caja = new QLineEdit(padre);
  caja->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // Under X the Applications key opens a context menu before any key handler sees it.
  caja->setContextMenuPolicy(Qt::NoContextMenu);
  return caja;
}

EtiquetaPulsable* CrearEtiqueta(QWidget* padre) {
  auto* etiqueta = new EtiquetaPulsable(padre);
  etiqueta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return etiqueta;
}

}  // namespace

FilasLista::FilasLista(QWidget* lienzo, QWidget* antes, std::function<void(int)> alPulsarNombre)
    : lienzo_(lienzo), antes_(antes), alPulsarNombre_(std::move(alPulsarNombre)) {
  auto* nombre0 = CrearEtiqueta(lienzo_);
  nombre0->setObjectName(NombreIndexado("nombreFila", 0));
  auto* precio0 = CrearCaja(lienzo_);
  precio0->setObjectName(NombreIndexado("precioFila", 0));
  precio0->setReadOnly(true);
  Conectar(nombre0);
  filas_.push_back({nombre0, precio0});
  Nombrar(0);

  igual_ = CrearEtiqueta(lienzo_);
  igual_->setText(QStringLiteral("="));
  igual_->setObjectName(QStringLiteral("igual"));
  resultado_ = CrearCaja(lienzo_);
  resultado_->setObjectName(QStringLiteral("resultado"));
  resultado_->setAccessibleName(QStringLiteral("Resultado"));
  igual_->setGeometry(RectTwips(kIzquierdaNombre, kArribaResultadoInicial, kAnchoFila, kAltoFila));
  resultado_->setGeometry(
      RectTwips(kIzquierdaPrecio, kArribaResultadoInicial, kAnchoFila, kAltoFila));
}

void FilasLista::Maquetar() {
  const QSize tamano = RectTwips(0, 0, kAnchoFila, kAltoFila).size();
  for (const auto* filas : {&filas_, &sobrantes_}) {
    for (const Fila& f : *filas) {
      f.nombre->resize(tamano);
      f.precio->setFont(FuentePrecio());
      f.precio->resize(tamano);
    }
  }
  igual_->resize(tamano);
  resultado_->resize(tamano);
  Colocar();
}

void FilasLista::Colocar() {
  for (int fila = 0; fila < Contar(); ++fila) {
    filas_[fila].nombre->move(Pixeles(kIzquierdaNombre), Pixeles(ArribaFila(fila)));
    filas_[fila].precio->move(Pixeles(kIzquierdaPrecio), Pixeles(ArribaFila(fila)));
  }
  const int arriba = Pixeles(ArribaFila(Contar()));
  igual_->move(Pixeles(kIzquierdaNombre), arriba);
  resultado_->move(Pixeles(kIzquierdaPrecio), arriba);
}

void FilasLista::Conectar(EtiquetaPulsable* nombre) {
  QObject::connect(nombre, &EtiquetaPulsable::pulsada, lienzo_, [this, nombre] {
    for (int fila = 0; fila < Contar(); ++fila) {
      if (filas_[fila].nombre == nombre) {
        alPulsarNombre_(fila);
        return;
      }
    }
  });
}

void FilasLista::Crear() {
  Fila fila = NuevaFila();
  const int numero = Contar();
  fila.nombre->setObjectName(NombreIndexado("nombreFila", numero));
  fila.precio->setObjectName(NombreIndexado("precioFila", numero));
  fila.nombre->clear();
  fila.precio->clear();
  fila.precio->setAccessibleDescription(descripcionPrecio_);
  filas_.push_back(fila);
  Nombrar(numero);
}

FilasLista::Fila FilasLista::NuevaFila() {
  if (!sobrantes_.empty()) {
    const Fila fila = sobrantes_.back();
    sobrantes_.pop_back();
    return fila;
  }
  const Fila& modelo = filas_[0];
  auto* nombre = new EtiquetaPulsable(lienzo_);
  nombre->setAlignment(modelo.nombre->alignment());
  nombre->resize(modelo.nombre->size());
  nombre->hide();
  Conectar(nombre);
  auto* precio = CrearCaja(lienzo_);
  precio->setReadOnly(modelo.precio->isReadOnly());
  precio->setFont(modelo.precio->font());
  precio->resize(modelo.precio->size());
  precio->hide();
  return {nombre, precio};
}

void FilasLista::Retirar(int fila) {
  if (fila == 0 || !Existe(fila)) return;
  const Fila quitada = filas_[fila];
  filas_.erase(filas_.begin() + fila);
  for (QWidget* control :
       {static_cast<QWidget*>(quitada.nombre), static_cast<QWidget*>(quitada.precio)}) {
    control->hide();
    control->setObjectName(QString());
  }
  sobrantes_.push_back(quitada);
}

void FilasLista::Mostrar() {
  PonerUltimoEnOrden(antes_);
  Colocar();
  for (int fila = 0; fila < Contar(); ++fila) {
    const Fila& f = filas_[fila];
    for (QWidget* control : {static_cast<QWidget*>(f.nombre), static_cast<QWidget*>(f.precio)}) {
      control->setEnabled(true);
      control->show();
    }
    PonerUltimoEnOrden(f.nombre);
    PonerUltimoEnOrden(f.precio);
  }
  PonerUltimoEnOrden(igual_);
  PonerUltimoEnOrden(resultado_);
}

QLabel* FilasLista::Igual() const { return igual_; }

int FilasLista::FilaDePrecio(const QObject* control) const {
  for (int fila = 0; fila < Contar(); ++fila) {
    if (filas_[fila].precio == control) return fila;
  }
  return -1;
}

void FilasLista::PonerNombre(int fila, const QString& texto) {
  if (!Existe(fila)) return;
  filas_[fila].nombre->setText(texto);
  Nombrar(fila);
}

QString FilasLista::TextoNombre(int fila) const {
  return Existe(fila) ? filas_[fila].nombre->text() : QString();
}

void FilasLista::PonerPrecio(int fila, const QString& texto) {
  if (Existe(fila)) filas_[fila].precio->setText(texto);
}

QString FilasLista::TextoPrecio(int fila) const {
  return Existe(fila) ? filas_[fila].precio->text() : QString();
}

void FilasLista::EnfocarPrecio(int fila) {
  if (Existe(fila)) filas_[fila].precio->setFocus(Qt::OtherFocusReason);
}

void FilasLista::DescribirPrecios(const QString& descripcion) {
  descripcionPrecio_ = descripcion;
  for (const Fila& fila : filas_) fila.precio->setAccessibleDescription(descripcion);
}

// A row's figure box is named after what its label shows, so that a screen reader reads the
// name and the price together.
void FilasLista::Nombrar(int fila) {
  QString etiqueta = TextoNombre(fila).trimmed();
  while (etiqueta.endsWith(u':') || etiqueta.endsWith(u'=')) etiqueta.chop(1);
  const QString numero = QString::number(fila + 1);
  filas_[fila].nombre->setAccessibleName(
      etiqueta.isEmpty() ? QCoreApplication::translate("Ventana", "Fila %1 vacía").arg(numero)
                         : etiqueta);
  filas_[fila].precio->setAccessibleName(
      etiqueta.isEmpty()
          ? QCoreApplication::translate("Ventana", "Fila %1 de la lista, sin producto").arg(numero)
          : QCoreApplication::translate("Ventana", "Fila %1: %2").arg(numero, etiqueta));
}

void FilasLista::PonerOrdenInicial(const std::vector<QWidget*>& delante,
                                   const std::vector<QWidget*>& detras) {
  std::vector<QWidget*> orden = delante;
  orden.insert(orden.end(), {antes_, filas_[0].nombre, filas_[0].precio, igual_, resultado_});
  orden.insert(orden.end(), detras.begin(), detras.end());
  ultimoEnOrden_ = nullptr;
  for (QWidget* control : orden) PonerUltimoEnOrden(control);
}

void FilasLista::PonerUltimoEnOrden(QWidget* control) {
  if (!control || control->focusPolicy() == Qt::NoFocus || control == ultimoEnOrden_) return;
  if (ultimoEnOrden_) QWidget::setTabOrder(ultimoEnOrden_, control);
  ultimoEnOrden_ = control;
}

}  // namespace tiendal
