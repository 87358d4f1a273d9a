// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arranque.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMutex>
#include <QTest>
#include <algorithm>
#include <array>
#include <set>

#include "app/ventanas.h"
#include "core/numeros.h"
#include "mouse_window/imagen_estante.h"
#include "mouse_window/ventana_raton.h"
#include "window_base/encaje.h"

namespace tiendal {

Contestador::Contestador() {
  QObject::connect(&temporizador_, &QTimer::timeout, [this] {
    auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (caja == nullptr || !caja->isVisible()) return;
    cajas << caja->text();
    caja->buttons().first()->click();
  });
  temporizador_.start(1);
}

namespace {

constexpr std::array<int, 6> kFilasDeTipo = {0, 3, 2, 2, 2, 6};

// What the program tells on standard error, from any of its threads, kept for the tests and
// passed on.
QMutex mutexAvisos;
QStringList avisos;
QtMessageHandler anterior = nullptr;

void Anotar(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
  const QMutexLocker cerrojo(&mutexAvisos);
  if (texto.startsWith(QStringLiteral("Tiendal: "))) avisos << texto;
  if (anterior != nullptr) anterior(tipo, contexto, texto);
}

// Whether a list row shows what the record and the type put there: its product with its price,
// the banknote handed over, the money, the units once drawn, or nothing.
bool Muestra(const Practica& p, int fila, const QString& rotulo, const QString& valor) {
  const int tipo = static_cast<int>(p.TipoEjercicio);
  if (const int hueco = p.HuecoFila[fila]; hueco != kVacio)
    return rotulo == p.NombreDeHueco(hueco) + u':' && valor == FormatoPrecio(p.PrecioDeFila(fila));
  if (tipo == 2 && fila == 0)
    return rotulo == QCoreApplication::translate("Sesion", "Billete entregado:") &&
           QStringList({"0", "5,00", "10,00", "20,00", "50,00", "100,00"}).contains(valor);
  if (tipo == 5 && fila == 0)
    return rotulo == QCoreApplication::translate("Sesion", "Dinero disponible=") &&
           valor == FormatoPrecio(p.DineroDisponible);
  if (tipo == 4 && fila == 1 && p.NumFilas == 2)
    return rotulo == QCoreApplication::translate("Sesion", "Número de unidades:") &&
           QStringList({"2", "3", "4", "5"}).contains(valor);
  return (rotulo.isEmpty() ||
          (tipo == 4 && fila == 1 && rotulo == QCoreApplication::translate("Sesion", "Nombre:"))) &&
         valor == "0";
}

}  // namespace

QStringList Arranque::Avisos() const {
  const QMutexLocker cerrojo(&mutexAvisos);
  return avisos.mid(primerAviso);
}

Arranque::~Arranque() {
  if (VentanaPractica* ventana = Ventana()) ventana->close();
  Vaciar();
  programa.reset();
  Vaciar();
}

std::unique_ptr<Arranque> Arrancar(const QString& carpeta, bool hastaElFinal,
                                   const QString& registro) {
  if (anterior == nullptr) anterior = qInstallMessageHandler(Anotar);
  auto arranque = std::make_unique<Arranque>();
  {
    const QMutexLocker cerrojo(&mutexAvisos);
    arranque->primerAviso = avisos.size();
  }
  Contestador contestador;
  arranque->programa = std::make_unique<Programa>(FabricaDelPrograma(carpeta, registro));
  if (!hastaElFinal) arranque->programa->Iniciar();
  if (hastaElFinal) arranque->estado = Ejecutar(*arranque->programa);
  QApplication::processEvents();
  arranque->cajas = contestador.cajas;
  return arranque;
}

void PulsarTecla(QWidget& ventana, Qt::Key tecla, Qt::KeyboardModifiers mod) {
  // Made active at once, as a window manager would. Qt 6.5 deprecates this for activateWindow(),
  // which on the offscreen platform only asks: the answer comes through the event loop, and a key
  // pressed from inside a box's own loop would run that loop's timers before it lands.
  QT_WARNING_PUSH
  QT_WARNING_DISABLE_DEPRECATED
  if (QApplication::activeWindow() != &ventana) QApplication::setActiveWindow(&ventana);
  QT_WARNING_POP
  QWidget* foco = QApplication::focusWidget();
  QTest::keyClick(foco != nullptr && foco->window() == &ventana ? foco : &ventana, tecla, mod);
}

void Vaciar() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
  }
}

QStringList Incoherencias(VentanaPractica& v) {
  const Practica& p = v.sesion().practica();
  const int tipo = static_cast<int>(p.TipoEjercicio);
  // The record: six different products on the shelf; the list's products fill the rows from
  // the first product row on, without gaps or a slot twice; EnLista flags those slots; the rows
  // in use count the banknote or money row (types 2 and 5) and, once there is a product, the
  // units row (type 4); the rows are as many as the type has.
  const std::set<int> estante(p.ProductoHueco.begin(), p.ProductoHueco.end());
  const int primera = p.PrimeraFilaProducto();
  std::array<bool, kHuecos> enLista{};
  int fin = primera;  // past the last product row
  while (fin < kFilasRegistro && p.HuecoFila[fin] >= 0 && p.HuecoFila[fin] < kHuecos &&
         !enLista[p.HuecoFila[fin]]) {
    enLista[p.HuecoFila[fin++]] = true;
  }
  const int enUso = fin + (tipo == 4 && fin > 0 ? 1 : 0);
  if (tipo < 1 || tipo > 5 || estante.size() != kHuecos || *estante.begin() < 1 ||
      *estante.rbegin() > p.NumeroProductos() || enLista != p.EnLista ||
      std::count(p.HuecoFila.begin(), p.HuecoFila.end(), kVacio) !=
          kFilasRegistro - fin + primera ||
      p.NumFilas != enUso || enUso > p.MaxFilas ||
      p.MaxFilas != kFilasDeTipo[static_cast<size_t>(tipo)] || v.ContarFilas() != p.MaxFilas) {
    return {QString::asprintf("registro: tipo %d, %d filas de %d", tipo, p.NumFilas, p.MaxFilas)};
  }

  // The rows shown: exactly MaxFilas, each as the record says, each label as large as the first.
  QStringList fallos;
  QWidget* lienzo = v.centralWidget();
  const QSize etiqueta = lienzo->findChild<QLabel*>(Nombrado("nombreFila", 0))->size();
  for (int fila = 0; fila <= kHuecos; ++fila) {
    const auto* nombre = lienzo->findChild<QLabel*>(Nombrado("nombreFila", fila));
    const auto* precio = lienzo->findChild<QLineEdit*>(Nombrado("precioFila", fila));
    const bool conNombre = nombre != nullptr && nombre->isVisible();
    const bool conPrecio = precio != nullptr && precio->isVisible();
    if (conNombre != (fila < p.MaxFilas) || conPrecio != conNombre ||
        (conNombre &&
         (!Muestra(p, fila, nombre->text(), precio->text()) || nombre->size() != etiqueta))) {
      fallos << QStringLiteral("fila %1: «%2»").arg(fila).arg(conNombre ? nombre->text() : "");
    }
  }

  // VentanaRaton: a frame is yellow exactly when its product is listed, its line shows the product,
  // and its picture shows where its own size puts it in the frame.
  for (int hueco = 0; qobject_cast<VentanaRaton*>(&v) != nullptr && hueco < kHuecos; ++hueco) {
    const auto* marco = lienzo->findChild<QWidget*>(Nombrado("marcoHueco", hueco));
    const auto* imagen = marco->findChild<ImagenEstante*>(Nombrado("imagenHueco", hueco));
    const QString linea = p.NombreDeHueco(hueco) + "  " + FormatoPrecio(p.PrecioDeHueco(hueco));
    if ((marco->palette().color(QPalette::Window) == QColor(Qt::yellow)) != p.EnLista[hueco] ||
        marco->findChild<QLineEdit*>(Nombrado("textoHueco", hueco))->text() != linea ||
        imagen->geometry() != EncajarImagen(imagen->TamanoPropio()) ||
        !imagen->isVisibleTo(marco)) {
      fallos << QStringLiteral("hueco %1").arg(hueco);
    }
  }

  // The menu marks show the options.
  const auto Marcado = [&v](const char* item) { return v.findChild<QAction*>(item)->isChecked(); };
  if (Marcado("valoresEnteros") != p.Opciones.ValoresEnteros ||
      Marcado("mostrarResultado") != p.Opciones.MostrarResultado)
    fallos << QStringLiteral("marcas");
  return fallos;
}

}  // namespace tiendal
