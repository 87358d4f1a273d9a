// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mouse_window/ventana_raton.h"

#include <QCoreApplication>
#include <QPalette>
#include <cmath>

#include "window_base/ayuda.h"
#include "window_base/encaje.h"
#include "window_base/medidas.h"
#include "window_base/pulsables.h"
#include "window_base/twips.h"

namespace tiendal {
namespace {

using namespace medidas;

const QColor kAmarillo(255, 255, 0);

QString NombreControl(const char* control, int hueco) {
  return QLatin1String(control) + QString::number(hueco);
}

// A screen reader names the frame after the product it holds; its text line says what it is.
void NombrarHueco(QWidget* marco, QWidget* texto, int hueco, const QString& producto) {
  const QString numero = QString::number(hueco + 1);
  marco->setAccessibleName(
      producto.isEmpty()
          ? QCoreApplication::translate("VentanaRaton", "Producto %1 del estante").arg(numero)
          : QCoreApplication::translate("VentanaRaton", "Producto %1 del estante: %2")
                .arg(numero, producto));
  texto->setAccessibleName(
      QCoreApplication::translate("VentanaRaton", "Nombre y precio del producto %1").arg(numero));
}

}  // namespace

VentanaRaton::VentanaRaton(Rutas rutas, Piezas piezas, QWidget* padre)
    : VentanaPractica(
          std::move(rutas), std::move(piezas),
          Diseno{this, QCoreApplication::translate("Menu", "&Versión para sólo teclado"),
                 TextoAyuda()},
          padre) {
  setObjectName(QStringLiteral("ventanaRaton"));
  std::vector<QWidget*> delante;
  for (int hueco = 0; hueco < kHuecos; ++hueco) {
    huecos_[hueco] = CrearHueco(hueco);
    delante.push_back(huecos_[hueco].marco);
    delante.push_back(huecos_[hueco].texto);
  }
  PonerOrdenInicial(delante);
  MaquetarEstante();
}

void VentanaRaton::Maquetar() {
  VentanaPractica::Maquetar();
  MaquetarEstante();
}

// A picture already on the shelf is fitted again from its file at the new size.
void VentanaRaton::MaquetarEstante() {
  for (int numero = 0; numero < kHuecos; ++numero) {
    const Hueco& hueco = huecos_[numero];
    hueco.marco->setGeometry(
        RectTwips(kIzquierdaEstante, kAltoMarco * numero, kAnchoMarco, kAltoMarco));
    hueco.texto->setGeometry(RectTwips(0, kAltoZonaImagen, kAnchoMarco, kAltoTextoHueco));
    if (hueco.imagen->Ruta().isEmpty()) {
      hueco.imagen->setGeometry(RectTwips(0, 0, kAnchoMarco, kAltoZonaImagen));
    } else {
      Encajar(*hueco.imagen);
    }
  }
}

void VentanaRaton::Encajar(ImagenEstante& imagen) {
  const QRect encaje = EncajarImagen(imagen.TamanoPropio());
  imagen.Estirar(encaje.size());
  imagen.move(encaje.topLeft());
}

VentanaRaton::~VentanaRaton() {
  for (const Hueco& hueco : huecos_) delete hueco.marco;
}

QString VentanaRaton::TextoAyuda() {
  return tiendal::TextoAyuda(
      QCoreApplication::translate(
          "Ayuda", "Use el ratón para ir agregando los productos necesarios a la lista. "),
      {QCoreApplication::translate("Ayuda",
                                   "Si desea utilizar sólo el teclado, elija la opción "
                                   "correspondiente en el menú de opciones.")});
}

VentanaRaton::Hueco VentanaRaton::CrearHueco(int numero) {
  auto* marco = new MarcoPulsable(Lienzo());
  marco->setObjectName(NombreControl("marcoHueco", numero));
  marco->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  marco->setAutoFillBackground(true);
  marco->setFocusPolicy(Qt::StrongFocus);

  // The picture lies under the text line, as a picture lies under the boxes of its frame.
  auto* imagen = new ImagenEstante(marco, fotos_);
  imagen->setObjectName(NombreControl("imagenHueco", numero));

  auto* texto = new CajaPulsable(marco);
  texto->setObjectName(NombreControl("textoHueco", numero));
  texto->setReadOnly(true);
  texto->setContextMenuPolicy(Qt::NoContextMenu);

  NombrarHueco(marco, texto, numero, QString());

  connect(marco, &MarcoPulsable::pulsado, this,
          [this, numero] { Atender([this, numero] { sesion().AgregarDelEstante(numero); }); });
  connect(texto, &CajaPulsable::pulsada, this,
          [this, numero] { Atender([this, numero] { sesion().AgregarDelEstante(numero); }); });
  return {marco, imagen, texto};
}

void VentanaRaton::PonerTextoHueco(int hueco, const QString& texto) {
  huecos_[hueco].texto->setText(texto);
  huecos_[hueco].texto->setCursorPosition(0);
  NombrarHueco(huecos_[hueco].marco, huecos_[hueco].texto, hueco, texto);
}

void VentanaRaton::MostrarImagen(int hueco, const QString& ruta) {
  ImagenEstante* imagen = huecos_[hueco].imagen;
  imagen->Cargar(ruta);
  Encajar(*imagen);
  imagen->show();
}

void VentanaRaton::showEvent(QShowEvent* evento) {
  VentanaPractica::showEvent(evento);
  if (anticipadas_) return;
  anticipadas_ = true;
  // The shelf's places have asked for their pictures by now: their children are shown first.
  QStringList rutas;
  const QString& carpeta = sesion().CarpetaImagenes();
  for (const QString& imagen : sesion().practica().Imagenes) rutas << carpeta + u'/' + imagen;
  fotos_.Anticipar(rutas, static_cast<int>(std::lround(Pixeles(kAltoMarco) * devicePixelRatioF())));
}

void VentanaRaton::ResaltarHueco(int hueco, bool resaltado) {
  QPalette paleta = huecos_[hueco].marco->palette();
  paleta.setColor(QPalette::Window, resaltado ? kAmarillo : palette().color(QPalette::Window));
  huecos_[hueco].marco->setPalette(paleta);
}

}  // namespace tiendal
