// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_base/ventana_practica.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>
#include <utility>

#include "core/en_curso.h"
#include "core/lectura.h"
#include "window_base/medidas.h"
#include "window_base/mensaje.h"
#include "window_base/pulsables.h"
#include "window_base/teclas.h"
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
  fuente.setPointSizeF(14.25);
  fuente.setBold(true);
  return fuente;
}

QString NombreIndexado(const char* control, int indice) {
  return QLatin1String(control) + QString::number(indice);
}

QLineEdit* CrearCaja(QWidget* padre, const QString& nombre) {
  auto* caja = new QLineEdit(padre);
  caja->setObjectName(nombre);
  caja->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // Under X the Applications key opens a context menu before any key handler sees it.
  caja->setContextMenuPolicy(Qt::NoContextMenu);
  return caja;
}

}  // namespace

VentanaPractica::VentanaPractica(Rutas rutas, Piezas piezas, Diseno diseno, QWidget* padre)
    : QMainWindow(padre),
      rutas_(std::move(rutas)),
      diseno_(std::move(diseno)),
      reproductor_(std::move(piezas.reproductor)),
      azar_(std::move(piezas.azar)),
      sonido_(*reproductor_, rutas_.Sonidos()),
      sesion_(*this, diseno_.estante, sonido_, *azar_, rutas_) {
  setWindowTitle(QStringLiteral("Tiendal"));
  setFont(FuenteVentana());
  CrearControles();
  CrearMenu();
  PonerOrdenInicial({});
  resize(lienzo_->size() + QSize(0, menuBar()->sizeHint().height()));
  qApp->installEventFilter(this);
}

VentanaPractica::~VentanaPractica() {
  qApp->removeEventFilter(this);
  sonido_.Cerrar();
}

void VentanaPractica::CrearControles() {
  lienzo_ = new QWidget(this);
  lienzo_->setObjectName(QStringLiteral("Lienzo"));
  lienzo_->resize(Pixeles(kAnchoCliente), Pixeles(kAltoCliente));
  setCentralWidget(lienzo_);

  text2_ = new QTextEdit(lienzo_);
  text2_->setObjectName(QStringLiteral("Text2"));
  text2_->setReadOnly(true);
  text2_->setAcceptRichText(false);
  text2_->setTabChangesFocus(true);
  text2_->setContextMenuPolicy(Qt::NoContextMenu);
  text2_->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
  text2_->setGeometry(RectTwips(0, 0, kAnchoInstrucciones, kAltoInstrucciones));
  // Tab stops on the box's inner area, and that is what a screen reader announces.
  for (QWidget* instrucciones : {static_cast<QWidget*>(text2_), text2_->viewport()})
    instrucciones->setAccessibleName(QStringLiteral("Instrucciones del ejercicio"));

  auto* nombre0 = new EtiquetaPulsable(lienzo_);
  nombre0->setObjectName(NombreIndexado("LBNombre", 0));
  nombre0->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  nombre0->setGeometry(RectTwips(kIzquierdaNombre, ArribaFila(0), kAnchoFila, kAltoFila));
  auto* precio0 = CrearCaja(lienzo_, NombreIndexado("TBPrecio", 0));
  precio0->setReadOnly(true);
  precio0->setFont(FuentePrecio());
  precio0->setGeometry(RectTwips(kIzquierdaPrecio, ArribaFila(0), kAnchoFila, kAltoFila));
  connect(nombre0, &EtiquetaPulsable::pulsada, this, [this, nombre0] { LBNombre_Click(nombre0); });
  filas_.push_back({nombre0, precio0});
  NombrarFila(0);

  lbResultado_ = new EtiquetaPulsable(QStringLiteral("="), lienzo_);
  lbResultado_->setObjectName(QStringLiteral("LBResultado"));
  lbResultado_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lbResultado_->setGeometry(
      RectTwips(kIzquierdaNombre, kArribaResultadoInicial, kAnchoFila, kAltoFila));
  tbResultado_ = CrearCaja(lienzo_, QStringLiteral("TBResultado"));
  tbResultado_->setGeometry(
      RectTwips(kIzquierdaPrecio, kArribaResultadoInicial, kAnchoFila, kAltoFila));
  tbResultado_->setAccessibleName(QStringLiteral("Resultado"));

  cbCorregir_ = new QPushButton(QStringLiteral("&Corregir"), lienzo_);
  cbCorregir_->setObjectName(QStringLiteral("CBCorregir"));
  cbCorregir_->setGeometry(RectTwips(kIzquierdaCorregir, kArribaBotones, kAnchoBoton, kAltoBoton));
  cbCorregir_->setAutoDefault(true);
  // An access key (Alt+C, Alt+N) clicks its button 100 ms after the key is pressed; a message
  // box or the chooser may have opened by then, and the window takes no input while one is.
  connect(cbCorregir_, &QPushButton::clicked, this, [this] {
    if (QApplication::activeModalWidget() == nullptr) {
      Atender([this] { sesion_.Corregir(); });
    }
  });

  cbNuevo_ = new QPushButton(QStringLiteral("&Nuevo ejercicio"), lienzo_);
  cbNuevo_->setObjectName(QStringLiteral("CBNuevo"));
  cbNuevo_->setGeometry(RectTwips(kIzquierdaNuevo, kArribaBotones, kAnchoBoton, kAltoBoton));
  cbNuevo_->setAutoDefault(true);
  connect(cbNuevo_, &QPushButton::clicked, this, [this] {
    if (QApplication::activeModalWidget() == nullptr) Atender([this] { sesion_.NuevoEjercicio(); });
  });
}

void VentanaPractica::CrearMenu() {
  mnuOpc_ = menuBar()->addMenu(QStringLiteral("&Opciones"));
  mnuOpc_->setObjectName(QStringLiteral("MnuOpc"));
  const auto item = [this](const char* nombre, const QString& texto) {
    QAction* accion = mnuOpc_->addAction(texto);
    accion->setObjectName(QLatin1String(nombre));
    return accion;
  };
  mnuOpcVal_ = item("MnuOpcVal", QStringLiteral("&Valores enteros"));
  mnuOpcVal_->setCheckable(true);
  mnuOpcMos_ = item("MnuOpcMos", QStringLiteral("&Mostrar resultado correcto"));
  mnuOpcMos_->setCheckable(true);
  mnuOpcMos_->setChecked(true);
  mnuOpcVer_ = item("MnuOpcVer", diseno_.textoVersion);
  mnuOpcVer_->setEnabled(false);
  mnuOpcAyu_ = item("MnuOpcAyu", QStringLiteral("&Ayuda"));
  mnuOpcAyu_->setShortcut(QKeySequence(Qt::Key_F1));
  mnuOpcAyu_->setShortcutContext(Qt::WindowShortcut);
  mnuOpcSal_ = item("MnuOpcSal", QStringLiteral("&Salir Alt-F4"));

  // The check marks show the practice's options; a click only asks the practice to switch.
  const auto alternar = [this](QAction* accion, void (Sesion::*manejador)()) {
    connect(accion, &QAction::triggered, this, [this, accion, manejador] {
      Atender([this, manejador] { (sesion_.*manejador)(); });
      const Practica& p = sesion_.practica();
      accion->setChecked(accion == mnuOpcVal_ ? p.ValoresEnteros : p.MostrarResultado);
    });
  };
  alternar(mnuOpcVal_, &Sesion::CambiarValoresEnteros);
  alternar(mnuOpcMos_, &Sesion::CambiarMostrarResultado);
  connect(mnuOpcVer_, &QAction::triggered, this,
          [this] { Atender([this] { emit cambioDeVersionPedido(); }); });
  connect(mnuOpcAyu_, &QAction::triggered, this,
          [this] { Atender([this] { MnuOpcAyu_Click(); }); });
  connect(mnuOpcSal_, &QAction::triggered, this, [this] { Atender([this] { close(); }); });
}

void VentanaPractica::PonerOrdenInicial(const std::vector<QWidget*>& delante) {
  std::vector<QWidget*> orden = delante;
  orden.insert(orden.end(), {text2_, filas_[0].nombre, filas_[0].precio, lbResultado_, tbResultado_,
                             cbCorregir_, cbNuevo_});
  ultimoEnOrden_ = nullptr;
  for (QWidget* control : orden) {
    if (control->focusPolicy() == Qt::NoFocus) continue;
    if (ultimoEnOrden_) QWidget::setTabOrder(ultimoEnOrden_, control);
    ultimoEnOrden_ = control;
  }
}

std::optional<QString> VentanaPractica::Cargar() {
  std::optional<QString> fallo;
  Atender([this, &fallo] { fallo = sesion_.Empezar(); });
  return fallo;
}

void VentanaPractica::PermitirCambioDeVersion(bool permitido) { mnuOpcVer_->setEnabled(permitido); }

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

void VentanaPractica::Form_KeyDown(int codigo) {
  AtenderTecla(codigo, sesion_.practica(), *this, CursorResultado(), sonido_);
}

int VentanaPractica::CursorResultado() const {
  return tbResultado_->hasSelectedText() ? tbResultado_->selectionStart()
                                         : tbResultado_->cursorPosition();
}

// An application filter sees a key press before the focused control does, and sees it again
// on each parent that the control passes it up to. The first delivery goes to the focus widget
// (or to the window itself when nothing has the focus): act on that one only.
bool VentanaPractica::EsPrimeraEntrega(const QObject* objeto) const {
  const QWidget* foco = QApplication::focusWidget();
  if (foco && foco->window() == this) return objeto == foco;
  return objeto == this;
}

bool VentanaPractica::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() != QEvent::KeyPress || cerrada_ || !objeto->isWidgetType()) return false;
  if (static_cast<QWidget*>(objeto)->window() != this || !EsPrimeraEntrega(objeto)) return false;
  const int codigo = CodigoTecla(static_cast<QKeyEvent*>(evento)->key());
  if (codigo != 0) Atender([this, codigo] { Form_KeyDown(codigo); });
  return false;  // the focused control still gets the key
}

void VentanaPractica::closeEvent(QCloseEvent* evento) {
  evento->accept();
  Atender([this] { Terminar(); });
}

void VentanaPractica::Terminar() {
  if (cerrada_) return;
  cerrada_ = true;
  sonido_.Cerrar();
  emit cerrada();
}

void VentanaPractica::LBNombre_Click(const EtiquetaPulsable* nombre) {
  for (int fila = 0; fila < ContarFilas(); ++fila) {
    if (filas_[fila].nombre == nombre) {
      Atender([this, fila] { sesion_.QuitarFila(fila); });
      return;
    }
  }
}

void VentanaPractica::MnuOpcAyu_Click() { Mensaje(diseno_.ayuda); }

void VentanaPractica::PonerInstrucciones(const QString& texto) {
  QString lineas = texto;
  lineas.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text2_->setPlainText(lineas);
}

int VentanaPractica::ContarFilas() const { return static_cast<int>(filas_.size()); }

// Destroyed rows are hidden and kept rather than deleted: a key press that a reading holds up
// in a nested event loop may have one of them as its receiver.
void VentanaPractica::CrearFila() {
  Fila fila = NuevaFila();
  const int numero = ContarFilas();
  fila.nombre->setObjectName(NombreIndexado("LBNombre", numero));
  fila.precio->setObjectName(NombreIndexado("TBPrecio", numero));
  fila.nombre->clear();
  fila.precio->clear();
  filas_.push_back(fila);
  NombrarFila(numero);
}

VentanaPractica::Fila VentanaPractica::NuevaFila() {
  if (!filasSobrantes_.empty()) {
    const Fila fila = filasSobrantes_.back();
    filasSobrantes_.pop_back();
    return fila;
  }
  const Fila& modelo = filas_[0];
  auto* nombre = new EtiquetaPulsable(lienzo_);
  nombre->setAlignment(modelo.nombre->alignment());
  nombre->resize(modelo.nombre->size());
  nombre->hide();
  connect(nombre, &EtiquetaPulsable::pulsada, this, [this, nombre] { LBNombre_Click(nombre); });
  auto* precio = CrearCaja(lienzo_, QString());
  precio->setReadOnly(modelo.precio->isReadOnly());
  precio->setFont(modelo.precio->font());
  precio->resize(modelo.precio->size());
  precio->hide();
  return {nombre, precio};
}

void VentanaPractica::RetirarFila(int fila) {
  if (fila <= 0 || fila >= ContarFilas()) return;
  const Fila quitada = filas_[fila];
  filas_.erase(filas_.begin() + fila);
  for (QWidget* control :
       {static_cast<QWidget*>(quitada.nombre), static_cast<QWidget*>(quitada.precio)}) {
    control->hide();
    control->setObjectName(QString());
  }
  filasSobrantes_.push_back(quitada);
}

void VentanaPractica::MostrarFilas() {
  PonerUltimoEnOrden(text2_);
  for (int fila = 0; fila < ContarFilas(); ++fila) {
    const Fila& f = filas_[fila];
    f.nombre->move(Pixeles(kIzquierdaNombre), Pixeles(ArribaFila(fila)));
    f.precio->move(Pixeles(kIzquierdaPrecio), Pixeles(ArribaFila(fila)));
    for (QWidget* control : {static_cast<QWidget*>(f.nombre), static_cast<QWidget*>(f.precio)}) {
      control->setEnabled(true);
      control->show();
    }
    PonerUltimoEnOrden(f.nombre);
    PonerUltimoEnOrden(f.precio);
  }
  // The result row takes the place of the row after the last.
  const int arriba = Pixeles(ArribaFila(ContarFilas()));
  lbResultado_->move(lbResultado_->x(), arriba);
  tbResultado_->move(tbResultado_->x(), arriba);
  PonerUltimoEnOrden(lbResultado_);
  PonerUltimoEnOrden(tbResultado_);
}

void VentanaPractica::PonerNombre(int fila, const QString& texto) {
  if (fila < 0 || fila >= ContarFilas()) return;
  filas_[fila].nombre->setText(texto);
  NombrarFila(fila);
}

// A row's price box is named after what its label shows, so that a screen reader reads the
// name and the price together.
void VentanaPractica::NombrarFila(int fila) {
  QString etiqueta = Nombre(fila).trimmed();
  while (etiqueta.endsWith(u':') || etiqueta.endsWith(u'=')) etiqueta.chop(1);
  const QString numero = QString::number(fila + 1);
  filas_[fila].nombre->setAccessibleName(
      etiqueta.isEmpty() ? QStringLiteral("Fila %1 vacía").arg(numero) : etiqueta);
  filas_[fila].precio->setAccessibleName(
      etiqueta.isEmpty() ? QStringLiteral("Fila %1 de la lista, sin producto").arg(numero)
                         : QStringLiteral("Fila %1: %2").arg(numero, etiqueta));
}

QString VentanaPractica::Nombre(int fila) const {
  return fila >= 0 && fila < ContarFilas() ? filas_[fila].nombre->text() : QString();
}

void VentanaPractica::PonerPrecio(int fila, const QString& texto) {
  if (fila >= 0 && fila < ContarFilas()) filas_[fila].precio->setText(texto);
}

QString VentanaPractica::Precio(int fila) const {
  return fila >= 0 && fila < ContarFilas() ? filas_[fila].precio->text() : QString();
}

void VentanaPractica::EnfocarPrecio(int fila) {
  if (fila >= 0 && fila < ContarFilas()) filas_[fila].precio->setFocus(Qt::OtherFocusReason);
}

void VentanaPractica::PonerResultado(const QString& texto) { tbResultado_->setText(texto); }

QString VentanaPractica::Resultado() const { return tbResultado_->text(); }

QLabel* VentanaPractica::ControlNombre(int fila) const {
  return fila >= 0 && fila < ContarFilas() ? filas_[fila].nombre : nullptr;
}

QLineEdit* VentanaPractica::ControlPrecio(int fila) const {
  return fila >= 0 && fila < ContarFilas() ? filas_[fila].precio : nullptr;
}

QLabel* VentanaPractica::ControlEtiquetaResultado() const { return lbResultado_; }

// Labels never take the focus, so only the controls that can are chained.
void VentanaPractica::PonerUltimoEnOrden(QWidget* widget) {
  if (!widget || widget->focusPolicy() == Qt::NoFocus || widget == ultimoEnOrden_) return;
  if (ultimoEnOrden_) QWidget::setTabOrder(ultimoEnOrden_, widget);
  ultimoEnOrden_ = widget;
}

void VentanaPractica::MarcarOpcion(Opcion opcion, bool marcada) {
  (opcion == Opcion::ValoresEnteros ? mnuOpcVal_ : mnuOpcMos_)->setChecked(marcada);
}

void VentanaPractica::Mensaje(const QString& texto) { MostrarMensaje(this, texto); }

void VentanaPractica::Pitido() {
  QApplication::beep();
  emit pitido();
}

}  // namespace tiendal
