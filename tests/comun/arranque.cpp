// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arranque.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMutex>
#include <QTest>
#include <algorithm>
#include <array>
#include <cmath>
#include <set>

#include "app/ventanas.h"
#include "core/numeros.h"
#include "mouse_window/form1.h"
#include "mouse_window/imagen_estante.h"
#include "window_base/encaje.h"

namespace tiendal {

Contestador::Contestador() {
  QObject::connect(&temporizador_, &QTimer::timeout, [this] {
    auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (caja == nullptr || !caja->isVisible()) return;
    cajas.push_back({caja->windowTitle(), caja->text(), caja->icon(),
                     static_cast<int>(caja->buttons().size())});
    caja->buttons().first()->click();
  });
  temporizador_.start(1);
}

QStringList Contestador::Textos() const {
  QStringList textos;
  for (const Caja& caja : cajas) textos << caja.texto;
  return textos;
}

namespace {

constexpr std::array<int, 6> kFilasDeTipo = {0, 3, 2, 2, 2, 6};

// What the program tells on standard error, from any of its threads, kept for the tests and
// passed on.
QMutex mutexAvisos;
QStringList avisos;
QtMessageHandler anterior = nullptr;

void Anotar(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
  if (texto.startsWith(QStringLiteral("Tiendal: "))) {
    const QMutexLocker cerrojo(&mutexAvisos);
    avisos << texto;
  }
  if (anterior != nullptr) anterior(tipo, contexto, texto);
}

// What a list row may show, as "caption|price": its product, or what the type puts in its
// special row (the banknote handed over, the money, the units once drawn), or nothing.
QStringList FilasPosibles(const Practica& p, int fila) {
  const auto Con = [](const QString& rotulo, const QStringList& valores) {
    QStringList filas;
    for (const QString& valor : valores) filas << rotulo + u'|' + valor;
    return filas;
  };
  const int tipo = p.TipoEjercicio;
  if (const int hueco = p.HuecoFila[fila]; hueco != kVacio)
    return Con(p.NombreDeHueco(hueco) + u':', {FormatoPrecio(p.PrecioDeHueco(hueco))});
  if (tipo == 2 && fila == 0)
    return Con("Billete entregado:", {"0", "5,00", "10,00", "20,00", "50,00", "100,00"});
  if (tipo == 5 && fila == 0) return Con("Dinero disponible=", {FormatoPrecio(p.DineroDisponible)});
  if (tipo == 4 && fila == 1 && p.NumFilas == 2)
    return Con("Número de unidades:", {"2", "3", "4", "5"});
  if (tipo == 4 && fila == 1) return {"|0", "Nombre:|0"};
  return {"|0"};
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

std::unique_ptr<Arranque> Arrancar(const QString& carpeta, bool hastaElFinal) {
  [[maybe_unused]] static const bool anotando = [] {
    anterior = qInstallMessageHandler(Anotar);
    return true;
  }();
  auto arranque = std::make_unique<Arranque>();
  {
    const QMutexLocker cerrojo(&mutexAvisos);
    arranque->primerAviso = avisos.size();
  }
  Contestador contestador;
  arranque->programa = std::make_unique<Programa>(FabricaDelPrograma(carpeta));
  if (hastaElFinal) {
    arranque->estado = Ejecutar(*arranque->programa);
  } else {
    arranque->iniciado = arranque->programa->Iniciar();
  }
  QApplication::processEvents();
  arranque->cajas = contestador.cajas;
  return arranque;
}

void Tecla(QWidget& ventana, Qt::Key tecla, Qt::KeyboardModifiers mod) {
  if (QApplication::activeWindow() != &ventana) QApplication::setActiveWindow(&ventana);
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
  QStringList fallos;
  const auto Exigir = [&fallos](bool bien, const QString& que) {
    if (!bien) fallos << que;
  };
  const Practica& p = v.sesion().practica();
  const int tipo = p.TipoEjercicio;
  const std::set<int> estante(p.ProductoHueco.begin(), p.ProductoHueco.end());
  if (tipo < 1 || tipo > 5 || estante.size() != kHuecos || *estante.begin() < 1 ||
      *estante.rbegin() > p.NumeroProductos()) {
    return {
        QStringLiteral("tipo %1, o un estante con productos repetidos o que no existen").arg(tipo)};
  }

  // The list's record: its products fill the rows from the first product row on, without gaps
  // or a slot twice; EnLista flags those slots; the rows in use count the banknote or money row
  // (types 2 and 5) and, once there is a product, the units row (type 4).
  const int primera = p.PrimeraFilaProducto();
  std::array<bool, kHuecos> enLista{};
  int fin = primera;  // past the last product row
  while (fin < kFilasRegistro && p.HuecoFila[fin] >= 0 && p.HuecoFila[fin] < kHuecos &&
         !enLista[p.HuecoFila[fin]]) {
    enLista[p.HuecoFila[fin++]] = true;
  }
  const auto Vacias = [&p](int desde, int hasta) {
    return std::all_of(p.HuecoFila.begin() + desde, p.HuecoFila.begin() + hasta,
                       [](int hueco) { return hueco == kVacio; });
  };
  const int enUso = fin + (tipo == 4 && fin > 0 ? 1 : 0);
  Exigir(Vacias(0, primera) && Vacias(fin, kFilasRegistro) && enLista == p.EnLista &&
             p.NumFilas == enUso && enUso <= p.MaxFilas &&
             p.MaxFilas == kFilasDeTipo[static_cast<size_t>(tipo)] && v.ContarFilas() == p.MaxFilas,
         QStringLiteral("lista: NumFilas %1, MaxFilas %2, %3 filas, HuecoFila o EnLista")
             .arg(p.NumFilas)
             .arg(p.MaxFilas)
             .arg(v.ContarFilas()));
  if (!fallos.isEmpty()) return fallos;

  // The rows shown: exactly MaxFilas, each as the record and the type say.
  QWidget* lienzo = v.centralWidget();
  for (int fila = 0; fila <= kHuecos; ++fila) {
    const auto* nombre = lienzo->findChild<QLabel*>(Nombrado("LBNombre", fila));
    const auto* precio = lienzo->findChild<QLineEdit*>(Nombrado("TBPrecio", fila));
    const bool conNombre = nombre != nullptr && nombre->isVisible();
    const bool conPrecio = precio != nullptr && precio->isVisible();
    const QString muestra = conNombre && conPrecio ? nombre->text() + u'|' + precio->text() : "";
    Exigir(fila >= p.MaxFilas ? !conNombre && !conPrecio : FilasPosibles(p, fila).contains(muestra),
           QStringLiteral("la fila %1 muestra «%2»").arg(fila).arg(muestra));
  }

  // Form1: a frame is yellow exactly when its product is listed, its line shows the product,
  // and its picture lies where its own size puts it in the frame.
  for (int hueco = 0; qobject_cast<Form1*>(&v) != nullptr && hueco < kHuecos; ++hueco) {
    const auto* marco = lienzo->findChild<QWidget*>(Nombrado("Picture1_", hueco));
    const auto* texto = marco->findChild<QLineEdit*>(Nombrado("Text1_", hueco));
    const auto* imagen = marco->findChild<ImagenEstante*>(Nombrado("Image1_", hueco));
    const bool amarillo = marco->palette().color(QPalette::Window) == QColor(Qt::yellow);
    Exigir(amarillo == p.EnLista[hueco] &&
               texto->text() == p.NombreDeHueco(hueco) + QStringLiteral("  ") +
                                    FormatoPrecio(p.PrecioDeHueco(hueco)) &&
               imagen->geometry() == EncajarImagen(imagen->TamanoPropio()),
           QStringLiteral("hueco %1").arg(hueco));
  }

  // The menu marks show the options; whole values make every price whole.
  const auto Marcado = [&v](const char* item) {
    return v.findChild<QAction*>(QLatin1String(item))->isChecked();
  };
  Exigir(Marcado("MnuOpcVal") == p.ValoresEnteros && Marcado("MnuOpcMos") == p.MostrarResultado,
         QStringLiteral("marcas"));
  Exigir(!p.ValoresEnteros ||
             std::all_of(p.Precios.begin(), p.Precios.end(),
                         [](float precio) { return precio >= 1 && precio == std::floor(precio); }),
         QStringLiteral("un precio no entero con valores enteros"));
  return fallos;
}

}  // namespace tiendal
