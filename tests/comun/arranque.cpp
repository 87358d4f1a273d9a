// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arranque.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMutex>
#include <QTest>
#include <QTextEdit>
#include <algorithm>
#include <array>
#include <cmath>
#include <set>

#include "app/ventanas.h"
#include "core/numeros.h"
#include "mouse_window/form1.h"

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
  const auto Fallo = [&fallos](const QString& que) { fallos << que; };
  const Practica& p = v.sesion().practica();
  if (p.TipoEjercicio < 1 || p.TipoEjercicio > 5) return {QStringLiteral("tipo")};
  if (!(0 <= p.NumFilas && p.NumFilas <= p.MaxFilas &&
        p.MaxFilas == kFilasDeTipo[static_cast<size_t>(p.TipoEjercicio)])) {
    Fallo(QStringLiteral("NumFilas %1, MaxFilas %2").arg(p.NumFilas).arg(p.MaxFilas));
  }
  const std::set<int> estante(p.ProductoHueco.begin(), p.ProductoHueco.end());
  if (estante.size() != kHuecos || *estante.begin() < 1 ||
      *estante.rbegin() > p.NumeroProductos()) {
    Fallo(QStringLiteral("estante con productos repetidos o inexistentes"));
  }

  // The record of the list: slots in rows without gaps, flags, the count of rows in use.
  const int primera = p.PrimeraFilaProducto();
  int productos = 0;
  for (int fila = 0; fila < kFilasRegistro; ++fila) {
    const int hueco = p.HuecoFila[fila];
    if (hueco == kVacio) continue;
    if (hueco < 0 || hueco >= kHuecos || fila >= p.MaxFilas || fila != primera + productos) {
      Fallo(QStringLiteral("HuecoFila(%1) = %2").arg(fila).arg(hueco));
    }
    ++productos;
  }
  for (int hueco = 0; hueco < kHuecos; ++hueco) {
    const auto veces = std::count(p.HuecoFila.begin(), p.HuecoFila.end(), hueco);
    if (veces > 1 || (veces == 1) != p.EnLista[hueco]) Fallo(QStringLiteral("EnLista"));
  }
  int enUso = productos;
  if (p.TipoEjercicio == 2 || p.TipoEjercicio == 5) enUso = productos + 1;
  if (p.TipoEjercicio == 4) enUso = productos == 0 ? 0 : 2;
  if (p.NumFilas != enUso) Fallo(QStringLiteral("NumFilas %1").arg(p.NumFilas));

  // The rows shown: exactly MaxFilas, each as the type says.
  if (v.ContarFilas() != p.MaxFilas) Fallo(QStringLiteral("%1 filas").arg(v.ContarFilas()));
  QWidget* lienzo = v.centralWidget();
  for (int fila = 0; fila < std::max(p.MaxFilas, 7); ++fila) {
    const auto* nombre = lienzo->findChild<QLabel*>(Nombrado("LBNombre", fila));
    const auto* precio = lienzo->findChild<QLineEdit*>(Nombrado("TBPrecio", fila));
    const bool visible = nombre && precio && nombre->isVisible() && precio->isVisible();
    const bool alguna = (nombre && nombre->isVisible()) || (precio && precio->isVisible());
    if (fila >= p.MaxFilas ? alguna : !visible) Fallo(QStringLiteral("fila %1").arg(fila));
    if (fila >= p.MaxFilas || !visible) continue;
    const QString n = nombre->text();
    const QString t = precio->text();
    const int hueco = p.HuecoFila[fila];
    const int tipo = p.TipoEjercicio;
    bool bien = n.isEmpty() && t == QStringLiteral("0");
    if (hueco != kVacio) {
      bien = n == p.NombreDeHueco(hueco) + u':' && t == FormatoPrecio(p.PrecioDeHueco(hueco));
    } else if (tipo == 2 && fila == 0) {
      bien = n == QStringLiteral("Billete entregado:") &&
             QStringList({"0", "5,00", "10,00", "20,00", "50,00", "100,00"}).contains(t);
    } else if (tipo == 5 && fila == 0) {
      bien = n == QStringLiteral("Dinero disponible=") && t == FormatoPrecio(p.DineroDisponible);
    } else if (tipo == 4 && fila == 1 && p.NumFilas == 2) {
      bien = n == QStringLiteral("Número de unidades:") && t.size() == 1 && t[0] >= u'2' &&
             t[0] <= u'5';
    } else if (tipo == 4 && fila == 1) {
      bien = (n.isEmpty() || n == QStringLiteral("Nombre:")) && t == QStringLiteral("0");
    }
    if (!bien) Fallo(QStringLiteral("la fila %1 muestra «%2» «%3»").arg(fila).arg(n, t));
  }

  // Form1: a frame is yellow exactly when its product is listed; each shelf line shows it.
  for (int hueco = 0; qobject_cast<Form1*>(&v) != nullptr && hueco < kHuecos; ++hueco) {
    const auto* marco = lienzo->findChild<QWidget*>(Nombrado("Picture1_", hueco));
    const auto* texto = lienzo->findChild<QLineEdit*>(Nombrado("Text1_", hueco));
    const bool amarillo = marco->palette().color(QPalette::Window) == QColor(255, 255, 0);
    if (amarillo != p.EnLista[hueco] ||
        texto->text() != p.NombreDeHueco(hueco) + QStringLiteral("  ") +
                             FormatoPrecio(p.PrecioDeHueco(hueco))) {
      Fallo(QStringLiteral("hueco %1").arg(hueco));
    }
  }

  // The menu marks show the options.
  const bool val = v.findChild<QAction*>(QStringLiteral("MnuOpcVal"))->isChecked();
  const bool mos = v.findChild<QAction*>(QStringLiteral("MnuOpcMos"))->isChecked();
  if (val != p.ValoresEnteros || mos != p.MostrarResultado) Fallo(QStringLiteral("marcas"));
  if (p.ValoresEnteros && std::any_of(p.Precios.begin(), p.Precios.end(), [](float precio) {
        return precio != std::floor(precio) || precio < 1;
      })) {
    Fallo(QStringLiteral("un precio no entero con valores enteros"));
  }
  return fallos;
}

void ComprobarVentanaEntera(const Arranque& arranque) {
  ASSERT_TRUE(arranque.iniciado);
  EXPECT_TRUE(arranque.cajas.empty());
  VentanaPractica& ventana = *arranque.Ventana();
  ASSERT_TRUE(ventana.isVisible());
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&ventana));
  EXPECT_FALSE(ventana.findChild<QTextEdit*>(QStringLiteral("Text2"))->toPlainText().isEmpty());
  EXPECT_EQ(Incoherencias(ventana), QStringList());
  EXPECT_FALSE(ventana.grab().isNull());
}

void ComprobarParadaOrdenada(const Arranque& arranque, const QString& nombrado) {
  EXPECT_FALSE(arranque.iniciado);
  EXPECT_EQ(arranque.Ventana(), nullptr);
  for (QWidget* w : QApplication::topLevelWidgets()) {
    EXPECT_FALSE(qobject_cast<QMainWindow*>(w) != nullptr && w->isVisible());
  }
  ASSERT_EQ(arranque.cajas.size(), 1u);
  const Contestador::Caja& caja = arranque.cajas.front();
  EXPECT_EQ(caja.titulo, QStringLiteral("Tiendal"));
  EXPECT_EQ(caja.icono, QMessageBox::NoIcon);
  EXPECT_EQ(caja.botones, 1);
  EXPECT_TRUE(caja.texto.contains(nombrado)) << caja.texto.toStdString();
  EXPECT_EQ(arranque.Avisos(), QStringList{QStringLiteral("Tiendal: ") + caja.texto});
}

int HuecoDe(const Practica& practica, const QString& nombre) {
  const auto k = practica.Productos.indexOf(nombre) + 1;
  for (int hueco = 0; hueco < kHuecos; ++hueco) {
    if (practica.ProductoHueco[hueco] == k) return hueco;
  }
  return -1;
}

}  // namespace tiendal
