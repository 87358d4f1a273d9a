// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_base/ventana_practica.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <algorithm>
#include <utility>

#include "core/en_curso.h"
#include "core/lectura.h"
#include "window_base/filas_lista.h"
#include "window_base/filtro_teclas.h"
#include "window_base/medidas.h"
#include "window_base/mensaje.h"
#include "window_base/teclado_numerico.h"
#include "window_base/twips.h"

namespace tiendal {

using namespace medidas;

VentanaPractica::VentanaPractica(Rutas rutas, Piezas piezas, Diseno diseno, QWidget* padre)
    : QMainWindow(padre),
      rutas_(std::move(rutas)),
      diseno_(std::move(diseno)),
      reproductor_(std::move(piezas.reproductor)),
      azar_(std::move(piezas.azar)),
      anotador_(std::move(piezas.anotador)),
      sonido_(*reproductor_, rutas_.Sonidos()),
      sesion_(*this, diseno_.estante, sonido_, *azar_, rutas_) {
  sesion_.PonerAnotador(anotador_.get());
  setWindowTitle(QStringLiteral("Tiendal"));
  CrearControles();
  CrearMenu();
  PonerOrdenInicial({});
  Maquetar();
  filtroTeclas_ = new FiltroTeclas(this, [this](Tecla tecla, QWidget* destino) {
    bool detenida = false;
    Atender([this, tecla, destino, &detenida] {
      detenida = AtenderTeclaDePantalla(tecla) || AtenderTecla(tecla, destino);
    });
    return detenida;
  });
}

VentanaPractica::~VentanaPractica() {
  delete filtroTeclas_;
  sonido_.Cerrar();
}

void VentanaPractica::CrearControles() {
  // The client area holds the designed content at its top left; in full screen, the content in
  // its middle and the number pad in the margin.
  auto* fondo = new QWidget(this);
  fondo->setObjectName(QStringLiteral("fondo"));
  setCentralWidget(fondo);
  lienzo_ = new QWidget(fondo);
  lienzo_->setObjectName(QStringLiteral("lienzo"));

  instrucciones_ = new QTextEdit(lienzo_);
  instrucciones_->setObjectName(QStringLiteral("instrucciones"));
  instrucciones_->setReadOnly(true);
  instrucciones_->setAcceptRichText(false);
  instrucciones_->setTabChangesFocus(true);
  instrucciones_->setContextMenuPolicy(Qt::NoContextMenu);
  instrucciones_->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
  // Tab stops on the box's inner area, and that is what a screen reader announces.
  for (QWidget* caja : {static_cast<QWidget*>(instrucciones_), instrucciones_->viewport()})
    caja->setAccessibleName(QCoreApplication::translate("Ventana", "Instrucciones del ejercicio"));

  filas_ = std::make_unique<FilasLista>(lienzo_, instrucciones_, [this](int fila) {
    Atender([this, fila] { sesion_.QuitarFila(fila); });
  });

  // An access key (Alt+C, Alt+N) clicks its button 100 ms after the key is pressed; a message
  // box or the chooser may have opened by then, and the window takes no input while one is.
  const auto boton = [this](const char* nombre, const QString& texto, void (Sesion::*operacion)()) {
    auto* pulsador = new QPushButton(texto, lienzo_);
    pulsador->setObjectName(QLatin1String(nombre));
    pulsador->setAutoDefault(true);
    connect(pulsador, &QPushButton::clicked, this, [this, operacion] {
      if (QApplication::activeModalWidget() == nullptr)
        Atender([this, operacion] { (sesion_.*operacion)(); });
    });
    return pulsador;
  };
  botonCorregir_ =
      boton("corregir", QCoreApplication::translate("Ventana", "&Corregir"), &Sesion::Corregir);
  botonNuevo_ = boton("nuevoEjercicio", QCoreApplication::translate("Ventana", "&Nuevo ejercicio"),
                      &Sesion::NuevoEjercicio);
}

void VentanaPractica::PonerEscala(double escala) {
  FijarEscala(escala);
  Maquetar();
}

void VentanaPractica::Maquetar() {
  setFont(FuenteVentana());
  menuOpciones_->setFont(FuenteVentana());
  lienzo_->resize(Pixeles(kAnchoCliente), Pixeles(kAltoCliente));
  instrucciones_->setGeometry(RectTwips(0, 0, kAnchoInstrucciones, kAltoInstrucciones));
  filas_->Maquetar();
  botonCorregir_->setGeometry(
      RectTwips(kIzquierdaCorregir, kArribaBotones, kAnchoBoton, kAltoBoton));
  botonNuevo_->setGeometry(RectTwips(kIzquierdaNuevo, kArribaBotones, kAnchoBoton, kAltoBoton));
  if (teclado_) teclado_->Maquetar();
  if (pantallaCompleta_) {
    Centrar();
  } else {
    lienzo_->move(0, 0);
    resize(lienzo_->size() + QSize(0, menuBar()->sizeHint().height()));
  }
}

bool VentanaPractica::AtenderTeclaDePantalla(Tecla tecla) {
  if (tecla == Tecla::F11 || (tecla == Tecla::Escape && pantallaCompleta_)) {
    PonerPantallaCompleta(tecla == Tecla::F11 && !pantallaCompleta_);
    emit pantallaCompletaCambiada(pantallaCompleta_);
    return true;
  }
  return false;
}

void VentanaPractica::PonerPantallaCompleta(bool completa) {
  pantallaCompleta_ = completa;
  if (!teclado_) teclado_ = new TecladoNumerico(centralWidget(), filas_->Resultado());
  teclado_->setVisible(completa);
  tecladoConTab_->setVisible(completa);
  if (!completa) {
    showNormal();
    PonerEscala(escalaNormal_);
    return;
  }
  // The content and the pad, side by side with a gap, and the menu bar above them: as designed,
  // then as large as the screen takes.
  const QSize pantalla = screen()->geometry().size();
  const double menu = menuBar()->sizeHint().height() / Escala();
  const double ancho = (kAnchoCliente + 500 + TecladoNumerico::kAncho) / double(kTwipsPorPixel);
  const double alto = kAltoCliente / double(kTwipsPorPixel) + menu;
  PonerEscala(std::min(pantalla.width() / ancho, pantalla.height() / alto));
  // Without a window manager, nothing else makes the window as large as the screen.
  setGeometry(screen()->geometry());
  showFullScreen();
}

void VentanaPractica::resizeEvent(QResizeEvent* evento) {
  QMainWindow::resizeEvent(evento);
  if (pantallaCompleta_) Centrar();
}

void VentanaPractica::Centrar() {
  const QSize area = centralWidget()->size();
  const int hueco = Pixeles(500);
  const int ancho = lienzo_->width() + hueco + teclado_->width();
  const int izquierda = std::max(0, (area.width() - ancho) / 2);
  lienzo_->move(izquierda, std::max(0, (area.height() - lienzo_->height()) / 2));
  teclado_->move(izquierda + lienzo_->width() + hueco,
                 std::max(0, (area.height() - teclado_->height()) / 2));
}

void VentanaPractica::CrearMenu() {
  menuOpciones_ = menuBar()->addMenu(QCoreApplication::translate("Ventana", "&Opciones"));
  menuOpciones_->setObjectName(QStringLiteral("menuOpciones"));
  const auto item = [this](const char* nombre, const QString& texto, auto&& manejador) {
    QAction* accion = menuOpciones_->addAction(texto);
    accion->setObjectName(QLatin1String(nombre));
    connect(accion, &QAction::triggered, this, [this, manejador] { Atender(manejador); });
    return accion;
  };
  // The check marks show the practice's options; a click only asks the practice to switch,
  // and the mark then shows what the practice holds.
  valoresEnteros_ =
      item("valoresEnteros", QCoreApplication::translate("Menu", "&Valores enteros"), [this] {
        sesion_.CambiarValoresEnteros();
        valoresEnteros_->setChecked(sesion_.practica().Opciones.ValoresEnteros);
      });
  valoresEnteros_->setCheckable(true);
  mostrarResultado_ =
      item("mostrarResultado", QCoreApplication::translate("Menu", "&Mostrar resultado correcto"),
           [this] {
             sesion_.CambiarMostrarResultado();
             mostrarResultado_->setChecked(sesion_.practica().Opciones.MostrarResultado);
           });
  mostrarResultado_->setCheckable(true);
  mostrarResultado_->setChecked(true);
  otraVersion_ =
      item("otraVersion", diseno_.textoVersion, [this] { emit cambioDeVersionPedido(); });
  otraVersion_->setEnabled(false);
  tecladoConTab_ = item("tecladoConTab",
                        QCoreApplication::translate("Menu", "&Teclado numérico con el tabulador"),
                        [this] { teclado_->AlcanzableConTab(tecladoConTab_->isChecked()); });
  tecladoConTab_->setCheckable(true);
  tecladoConTab_->setVisible(false);  // only in full screen, where the pad is
  QAction* ayuda = item("ayuda", QCoreApplication::translate("Menu", "&Ayuda"),
                        [this] { Mensaje(diseno_.ayuda); });
  ayuda->setShortcut(QKeySequence(Qt::Key_F1));
  ayuda->setShortcutContext(Qt::WindowShortcut);
  item("salir", QCoreApplication::translate("Menu", "&Salir Alt-F4"), [this] { close(); });
}

void VentanaPractica::PonerOrdenInicial(const std::vector<QWidget*>& delante) {
  filas_->PonerOrdenInicial(delante, {botonCorregir_, botonNuevo_});
}

std::optional<QString> VentanaPractica::Cargar() {
  std::optional<QString> fallo;
  Atender([this, &fallo] { fallo = sesion_.Empezar(); });
  return fallo;
}

void VentanaPractica::PermitirCambioDeVersion(bool permitido) {
  otraVersion_->setEnabled(permitido);
}

void VentanaPractica::Atender(const std::function<void()>& manejador) {
  {
    const EnCurso enCurso(manejadoresEnCurso_);
    if (!cerrada_) manejador();
  }
  if (cerrada_ && manejadoresEnCurso_ == 0 && !borrandose_) {
    borrandose_ = true;
    deleteLater();
  }
}

bool VentanaPractica::AtenderTecla(Tecla tecla, QWidget* /*destino*/) {
  AtenderTeclaDeLectura(tecla, sesion_.practica(), *this, CursorResultado(), sonido_);
  return false;
}

int VentanaPractica::CursorResultado() const {
  const QLineEdit* resultado = filas_->Resultado();
  return resultado->hasSelectedText() ? resultado->selectionStart() : resultado->cursorPosition();
}

void VentanaPractica::closeEvent(QCloseEvent* evento) {
  evento->accept();
  Atender([this] { MarcarAlCerrar(); });
}

// The close itself: what runs once, however the window was closed. Deleting the window is left
// to Atender().
void VentanaPractica::MarcarAlCerrar() {
  if (cerrada_) return;
  cerrada_ = true;
  filtroTeclas_->Desactivar();
  sonido_.Cerrar();
  emit cerrada();
}

void VentanaPractica::PonerInstrucciones(const QString& texto) {
  QString lineas = texto;
  lineas.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  instrucciones_->setPlainText(lineas);
}

int VentanaPractica::ContarFilas() const { return filas_->Contar(); }
void VentanaPractica::CrearFila() { filas_->Crear(); }
void VentanaPractica::RetirarFila(int fila) { filas_->Retirar(fila); }
void VentanaPractica::MostrarFilas() { filas_->Mostrar(); }
void VentanaPractica::PonerNombre(int fila, const QString& texto) {
  filas_->PonerNombre(fila, texto);
}
QString VentanaPractica::Nombre(int fila) const { return filas_->TextoNombre(fila); }
void VentanaPractica::PonerPrecio(int fila, const QString& texto) {
  filas_->PonerPrecio(fila, texto);
}
QString VentanaPractica::Precio(int fila) const { return filas_->TextoPrecio(fila); }
void VentanaPractica::EnfocarPrecio(int fila) { filas_->EnfocarPrecio(fila); }
void VentanaPractica::PonerResultado(const QString& texto) { filas_->Resultado()->setText(texto); }
QString VentanaPractica::Resultado() const { return filas_->Resultado()->text(); }

void VentanaPractica::MarcarOpcion(Opcion opcion, bool marcada) {
  (opcion == Opcion::ValoresEnteros ? valoresEnteros_ : mostrarResultado_)->setChecked(marcada);
}

void VentanaPractica::Mensaje(const QString& texto) { MostrarMensaje(this, texto); }

void VentanaPractica::Pitido() {
  QApplication::beep();
  emit pitido();
}

}  // namespace tiendal
