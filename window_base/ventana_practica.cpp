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
#include <QTextEdit>
#include <utility>

#include "core/en_curso.h"
#include "core/lectura.h"
#include "window_base/filas_lista.h"
#include "window_base/filtro_teclas.h"
#include "window_base/medidas.h"
#include "window_base/mensaje.h"
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
  setFont(FuenteVentana());
  CrearControles();
  CrearMenu();
  PonerOrdenInicial({});
  resize(lienzo_->size() + QSize(0, menuBar()->sizeHint().height()));
  filtroTeclas_ = new FiltroTeclas(this, [this](Tecla tecla, QWidget* destino) {
    bool detenida = false;
    Atender([this, tecla, destino, &detenida] { detenida = AtenderTecla(tecla, destino); });
    return detenida;
  });
}

VentanaPractica::~VentanaPractica() {
  delete filtroTeclas_;
  sonido_.Cerrar();
}

void VentanaPractica::CrearControles() {
  lienzo_ = new QWidget(this);
  lienzo_->setObjectName(QStringLiteral("lienzo"));
  lienzo_->resize(Pixeles(kAnchoCliente), Pixeles(kAltoCliente));
  setCentralWidget(lienzo_);

  instrucciones_ = new QTextEdit(lienzo_);
  instrucciones_->setObjectName(QStringLiteral("instrucciones"));
  instrucciones_->setReadOnly(true);
  instrucciones_->setAcceptRichText(false);
  instrucciones_->setTabChangesFocus(true);
  instrucciones_->setContextMenuPolicy(Qt::NoContextMenu);
  instrucciones_->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
  instrucciones_->setGeometry(RectTwips(0, 0, kAnchoInstrucciones, kAltoInstrucciones));
  // Tab stops on the box's inner area, and that is what a screen reader announces.
  for (QWidget* caja : {static_cast<QWidget*>(instrucciones_), instrucciones_->viewport()})
    caja->setAccessibleName(QStringLiteral("Instrucciones del ejercicio"));

  filas_ = std::make_unique<FilasLista>(lienzo_, instrucciones_, [this](int fila) {
    Atender([this, fila] { sesion_.QuitarFila(fila); });
  });

  // An access key (Alt+C, Alt+N) clicks its button 100 ms after the key is pressed; a message
  // box or the chooser may have opened by then, and the window takes no input while one is.
  const auto boton = [this](const char* nombre, const QString& texto, int izquierda,
                            void (Sesion::*operacion)()) {
    auto* pulsador = new QPushButton(texto, lienzo_);
    pulsador->setObjectName(QLatin1String(nombre));
    pulsador->setGeometry(RectTwips(izquierda, kArribaBotones, kAnchoBoton, kAltoBoton));
    pulsador->setAutoDefault(true);
    connect(pulsador, &QPushButton::clicked, this, [this, operacion] {
      if (QApplication::activeModalWidget() == nullptr)
        Atender([this, operacion] { (sesion_.*operacion)(); });
    });
    return pulsador;
  };
  botonCorregir_ =
      boton("corregir", QStringLiteral("&Corregir"), kIzquierdaCorregir, &Sesion::Corregir);
  botonNuevo_ = boton("nuevoEjercicio", QStringLiteral("&Nuevo ejercicio"), kIzquierdaNuevo,
                      &Sesion::NuevoEjercicio);
}

void VentanaPractica::CrearMenu() {
  menuOpciones_ = menuBar()->addMenu(QStringLiteral("&Opciones"));
  menuOpciones_->setObjectName(QStringLiteral("menuOpciones"));
  const auto item = [this](const char* nombre, const QString& texto, auto&& manejador) {
    QAction* accion = menuOpciones_->addAction(texto);
    accion->setObjectName(QLatin1String(nombre));
    connect(accion, &QAction::triggered, this, [this, manejador] { Atender(manejador); });
    return accion;
  };
  // The check marks show the practice's options; a click only asks the practice to switch,
  // and the mark then shows what the practice holds.
  valoresEnteros_ = item("valoresEnteros", QStringLiteral("&Valores enteros"), [this] {
    sesion_.CambiarValoresEnteros();
    valoresEnteros_->setChecked(sesion_.practica().Opciones.ValoresEnteros);
  });
  valoresEnteros_->setCheckable(true);
  mostrarResultado_ =
      item("mostrarResultado", QStringLiteral("&Mostrar resultado correcto"), [this] {
        sesion_.CambiarMostrarResultado();
        mostrarResultado_->setChecked(sesion_.practica().Opciones.MostrarResultado);
      });
  mostrarResultado_->setCheckable(true);
  mostrarResultado_->setChecked(true);
  otraVersion_ =
      item("otraVersion", diseno_.textoVersion, [this] { emit cambioDeVersionPedido(); });
  otraVersion_->setEnabled(false);
  QAction* ayuda = item("ayuda", QStringLiteral("&Ayuda"), [this] { Mensaje(diseno_.ayuda); });
  ayuda->setShortcut(QKeySequence(Qt::Key_F1));
  ayuda->setShortcutContext(Qt::WindowShortcut);
  item("salir", QStringLiteral("&Salir Alt-F4"), [this] { close(); });
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
