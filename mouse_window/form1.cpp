#include "mouse_window/form1.h"

#include <QPalette>
#include <cmath>

#include "mouse_window/pulsables.h"
#include "mouse_window/twips.h"

namespace tiendal {
namespace {

constexpr int kIzquierdaEstante = 10000;
constexpr int kAnchoMarco = 2000;
constexpr int kAltoMarco = 1300;
const QColor kAmarillo(255, 255, 0);

QString NombreControl(const char* control, int hueco) {
  return QLatin1String(control) + u'_' + QString::number(hueco);
}

}  // namespace

Form1::Form1(QString carpetaPrograma, Piezas piezas, QWidget* padre)
    : VentanaPractica(
          std::move(carpetaPrograma), std::move(piezas),
          Diseno{Estante::Visible, QStringLiteral("&Versión para sólo teclado"), TextoAyuda()},
          padre) {
  setObjectName(QStringLiteral("Form1"));
  std::vector<QWidget*> delante;
  for (int hueco = 0; hueco < kHuecos; ++hueco) {
    huecos_[hueco] = CrearHueco(hueco);
    delante.push_back(huecos_[hueco].marco);
    delante.push_back(huecos_[hueco].texto);
  }
  PonerOrdenInicial(delante);
}

Form1::~Form1() {
  for (const Hueco& hueco : huecos_) delete hueco.marco;
}

QString Form1::TextoAyuda() {
  return QStringList{
      QStringLiteral("Use el ratón para ir agregando los productos necesarios a la lista. "),
      QStringLiteral("A continuación realice las operaciones matemáticas necesarias e introduzca "
                     "el resultado."),
      QStringLiteral("Pulse el botón corregir para comprobar si el resultado es correcto, y el "
                     "botón Nuevo ejercicio para comenzar otra actividad."),
      QStringLiteral("Pulsando f2 puede escuchar las cifras de la columna seleccionada en el "
                     "cuadro del resultado, y pulsando F3 escuchará los productos disponibles."),
      QStringLiteral("Si desea utilizar sólo el teclado, elija la opción correspondiente en el "
                     "menú de opciones."),
  }
      .join(QStringLiteral("\r\n"));
}

Form1::Hueco Form1::CrearHueco(int numero) {
  auto* marco = new MarcoPulsable(Lienzo());
  marco->setObjectName(NombreControl("Picture1", numero));
  marco->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  marco->setAutoFillBackground(true);
  marco->setFocusPolicy(Qt::StrongFocus);
  marco->setGeometry(RectTwips(kIzquierdaEstante, kAltoMarco * numero, kAnchoMarco, kAltoMarco));

  // The picture lies under the text line, as a picture lies under the boxes of its frame.
  auto* imagen = new ImagenEstante(marco, fotos_);
  imagen->setObjectName(NombreControl("Image1", numero));
  imagen->setGeometry(RectTwips(0, 0, kAnchoMarco, 940));

  auto* texto = new CajaPulsable(marco);
  texto->setObjectName(NombreControl("Text1", numero));
  texto->setReadOnly(true);
  texto->setContextMenuPolicy(Qt::NoContextMenu);
  texto->setGeometry(RectTwips(0, 940, kAnchoMarco, 360));

  connect(marco, &MarcoPulsable::pulsado, this,
          [this, numero] { Atender([this, numero] { sesion().Picture1_Click(numero); }); });
  connect(texto, &CajaPulsable::pulsada, this,
          [this, numero] { Atender([this, numero] { sesion().Text1_Click(numero); }); });
  return {marco, imagen, texto};
}

void Form1::PonerTextoHueco(int hueco, const QString& texto) {
  huecos_[hueco].texto->setText(texto);
  huecos_[hueco].texto->setCursorPosition(0);
}

void Form1::CargarImagen(int hueco, const QString& ruta) { huecos_[hueco].imagen->Cargar(ruta); }

int Form1::AnchoImagen(int hueco) const { return Twips(huecos_[hueco].imagen->width()); }

int Form1::AltoImagen(int hueco) const { return Twips(huecos_[hueco].imagen->height()); }

void Form1::EstirarImagen(int hueco, float ancho, float alto) {
  huecos_[hueco].imagen->Estirar(QSize(Pixeles(ancho), Pixeles(alto)));
}

void Form1::ColocarImagen(int hueco, double izquierda, double arriba) {
  ImagenEstante* imagen = huecos_[hueco].imagen;
  imagen->move(Pixeles(izquierda), Pixeles(arriba));
  imagen->show();
}

void Form1::showEvent(QShowEvent* evento) {
  VentanaPractica::showEvent(evento);
  if (anticipadas_) return;
  anticipadas_ = true;
  // The shelf's places have asked for their pictures by now: their children are shown first.
  QStringList rutas;
  const QString carpeta = sesion().rutas().Imagenes();  // looked up once for the catalogue
  for (const QString& imagen : sesion().practica().Imagenes) rutas << carpeta + u'/' + imagen;
  fotos_.Anticipar(rutas, static_cast<int>(std::lround(Pixeles(kAltoMarco) * devicePixelRatioF())));
}

void Form1::ResaltarHueco(int hueco, bool resaltado) {
  QPalette paleta = huecos_[hueco].marco->palette();
  paleta.setColor(QPalette::Window, resaltado ? kAmarillo : palette().color(QPalette::Window));
  huecos_[hueco].marco->setPalette(paleta);
}

}  // namespace tiendal
