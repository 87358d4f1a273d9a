// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The seeded storm of pupil actions on both windows, with the real SDL player on the dummy
// driver and sounds a few milliseconds long. Each step runs from the event loop and asks for the
// next one before it acts, so that actions land inside a reading that waits for a sound, inside
// a message box or inside the chooser (those are answered at random, as a pupil would). Before
// and after every action the practice record and what the window shows of it must agree, and
// the settings file must hold the options. A failure names the action's number; the seed
// replays the storm (TIENDAL_SEMILLA; TIENDAL_ACCIONES sets its length).
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <random>

#include "arranque.h"
#include "audio/reproductor_sdl.h"
#include "carpeta.h"
#include "core/aleatorio.h"
#include "core/opciones.h"
#include "core/reproductor_de.h"
#include "keyboard_window/ventana_teclado.h"
#include "mouse_window/ventana_raton.h"

namespace tiendal::robustez {
namespace {

// Past 10 nested steps (readings, message boxes, the chooser) only Ctrl is pressed; past 3 no
// reading starts.
constexpr int kProfundidadMaxima = 10;
constexpr int kProfundidadLecturas = 3;

struct Tormenta {
  const Carpeta& carpeta;
  std::mt19937 azar;
  int total;  // actions
  int hechas = 0;
  int profundidad = 0;           // steps nested in one another
  bool programaAcabado = false;  // the program ended: the next step starts it again
  bool tormentaAcabada = false;  // every action done, and no reading or box left open
  // Every program started, kept to the end, since its code may still be returning.
  std::vector<std::unique_ptr<Arranque>> arranques = {};
  QStringList fallos = {};

  VentanaPractica* Ventana() const { return arranques.back()->Ventana(); }
  int Azar(qsizetype hasta) {
    return std::uniform_int_distribution<int>(0, static_cast<int>(hasta))(azar);
  }
  void Fallo(const QString& que) {
    fallos << QStringLiteral("acción %1: %2").arg(hechas).arg(que);
    hechas = std::max(hechas, total);  // no more actions: let what is open end
  }

  // The program with its real windows and SDL players, the windows' random numbers seeded too.
  bool Arrancar() {
    const auto piezas = [this] {
      return Piezas{std::make_unique<ReproductorDe<ReproductorSdl>>(),
                    std::make_unique<AleatorioReloj>(Azar(86399))};
    };
    auto& programa = arranques.emplace_back(std::make_unique<Arranque>())->programa;
    programa = std::make_unique<Programa>(FabricaVentanas{
        [this, piezas] { return std::make_unique<VentanaRaton>(carpeta.Ruta(), piezas()); },
        [this, piezas] { return std::make_unique<VentanaTeclado>(carpeta.Ruta(), piezas()); }});
    QObject::connect(programa.get(), &Programa::terminado, [this] { programaAcabado = true; });
    programaAcabado = false;
    return programa->Iniciar();
  }

  // One step, run from whichever event loop is running: the program's own, a reading's wait, a
  // message box's or the chooser's.
  void Paso() {
    QWidget* modal = QApplication::activeModalWidget();
    // Over once every action is done and every handler has returned.
    tormentaAcabada = hechas >= total && profundidad == 0 && modal == nullptr && !programaAcabado;
    if (tormentaAcabada) return;
    QTimer::singleShot(0, [this] { Paso(); });
    ++profundidad;
    Comprobar();
    if (modal != nullptr)
      Contestar(*modal);
    else if (programaAcabado)
      Arrancar();
    else if (hechas >= total || profundidad > kProfundidadMaxima)
      PulsarTecla(*Ventana(), Qt::Key_Control);  // so that the readings below end
    else
      Actuar(*Ventana());
    Comprobar();
    --profundidad;
  }

  // A click at a random point of the named control (of the whole window when there is no such
  // control in sight), taken by whatever lies there.
  void Pulsar(QWidget& lienzo, const QString& nombre) {
    QWidget* control = lienzo.findChild<QWidget*>(nombre);
    if (nombre.isEmpty() || control == nullptr || !control->isVisible()) control = &lienzo;
    const QPoint donde =
        control->mapTo(&lienzo, QPoint(Azar(control->width() - 1), Azar(control->height() - 1)));
    QWidget* blanco = lienzo.childAt(donde) != nullptr ? lienzo.childAt(donde) : &lienzo;
    QTest::mouseClick(blanco, Qt::LeftButton, {}, blanco->mapFrom(&lienzo, donde));
  }

  // Clicks on the shelf (VentanaRaton), the list rows, the buttons, anywhere; figures typed into
  // the result box; keys (VentanaTeclado is driven by the Applications key and Delete); the menu
  // items, the version switch about every hundred actions, the program's end now and then.
  void Actuar(VentanaPractica& v) {
    ++hechas;
    QWidget& lienzo = *v.centralWidget();
    const int raton = qobject_cast<VentanaRaton*>(&v) != nullptr ? 1 : 0;
    const int leer = profundidad <= kProfundidadLecturas ? 1 : 0;
    const int raro = hechas % 1999 == 0 ? 100 : 0;
    const char* cifras[] = {"7,35", "12.5", " 3 ", "-2", "1e3", "abc", "99999999999999"};
    const char* opciones[] = {"valoresEnteros", "mostrarResultado", "ayuda"};
    // clang-format off
    const std::pair<int, std::function<void()>> acciones[] = {
        {16 * raton, [&] { Pulsar(lienzo, Nombrado("marcoHueco", Azar(kHuecos - 1))); }},
        {10, [&] { Pulsar(lienzo, Nombrado("nombreFila", Azar(v.sesion().practica().MaxFilas))); }},
        {4, [&] { Pulsar(lienzo, "nuevoEjercicio"); }}, {6, [&] { Pulsar(lienzo, "corregir"); }},
        {6, [&] { Pulsar(lienzo, {}); }},
        {8, [&] { QTest::keyClicks(lienzo.findChild<QWidget*>("resultado"), cifras[Azar(6)]); }},
        {2 * leer, [&] { PulsarTecla(v, Qt::Key_F2); }}, {2 * leer, [&] { PulsarTecla(v, Qt::Key_F3); }},
        {5, [&] { PulsarTecla(v, Qt::Key_Control); }}, {3, [&] { PulsarTecla(v, Qt::Key_Tab); }},
        {3, [&] { PulsarTecla(v, Qt::Key_Return); }}, {3, [&] { PulsarTecla(v, Qt::Key_Backspace); }},
        {2, [&] { PulsarTecla(v, Qt::Key_C, Qt::AltModifier); }},
        {2, [&] { PulsarTecla(v, Qt::Key_N, Qt::AltModifier); }},
        {8 - 7 * raton, [&] { PulsarTecla(v, Qt::Key_Menu); }},
        {4 - 3 * raton, [&] { PulsarTecla(v, Qt::Key_Delete); }},
        {3, [&] { v.findChild<QAction*>(opciones[Azar(2)])->trigger(); }},
        {hechas % 97 == 0 ? 200 : 0, [&] { v.findChild<QAction*>("otraVersion")->trigger(); }},
        {raro, [&] { v.findChild<QAction*>("salir")->trigger(); }}, {raro, [&] { v.close(); }},
    };
    // clang-format on
    std::vector<int> pesos;
    for (const auto& accion : acciones) pesos.push_back(accion.first);
    acciones[std::discrete_distribution<size_t>(pesos.begin(), pesos.end())(azar)].second();
  }

  // A message box must be the program's: "Tiendal", one button, no icon. It, like the chooser,
  // is answered with Escape, or with Enter after a few arrows.
  void Contestar(QWidget& modal) {
    ++hechas;
    const auto* caja = qobject_cast<QMessageBox*>(&modal);
    if (caja != nullptr && (caja->windowTitle() != "Tiendal" || caja->buttons().size() != 1 ||
                            caja->icon() != QMessageBox::NoIcon)) {
      Fallo("caja de mensaje ajena: " + caja->text());
    }
    QWidget* foco = modal.focusWidget() != nullptr ? modal.focusWidget() : &modal;
    for (int i = Azar(5); i > 1; --i) QTest::keyClick(foco, Qt::Key_Down);
    QTest::keyClick(foco, Azar(2) > 0 ? Qt::Key_Return : Qt::Key_Escape);
  }

  // The window agrees with its record; the settings file holds its options, or is missing while
  // they are the defaults: every switch saves both, every window loaded since reads them.
  void Comprobar() {
    VentanaPractica* v = Ventana();
    if (v == nullptr || v->EstaCerrada()) return;
    for (const QString& incoherencia : Incoherencias(*v)) Fallo(incoherencia);
    const Practica& p = v->sesion().practica();
    const QByteArray ini = carpeta.Leer(QStringLiteral("Tiendal.ini"));
    if (ini != TextoOpciones(p.Opciones) &&
        (!ini.isEmpty() || p.Opciones.ValoresEnteros || !p.Opciones.MostrarResultado))
      Fallo(QStringLiteral("Tiendal.ini"));
  }
};

TEST(Tormenta, DiezMilAccionesAlAzarSinRomperNada) {
  const auto semilla = qEnvironmentVariable("TIENDAL_SEMILLA", "20240607").toUInt();
  // Eight products, one picture that cannot be read, sounds of 8 ms (the dummy driver plays them
  // in one 12 ms buffer), every fourth product's sound missing.
  Carpeta carpeta;
  carpeta.Llenar(ProductosDeEjemplo(), 8);
  carpeta.Escribir(QStringLiteral("imágenes/queso.jpg"), QByteArray());
  for (size_t k = 0; k < ProductosDeEjemplo().size(); k += 4)
    carpeta.Borrar("Sonidos/" + ProductosDeEjemplo()[k].nombre + ".wav");

  Tormenta tormenta{carpeta, std::mt19937(semilla),
                    qEnvironmentVariable("TIENDAL_ACCIONES", "10000").toInt()};
  ASSERT_TRUE(tormenta.Arrancar());
  QTimer::singleShot(0, [&tormenta] { tormenta.Paso(); });
  while (!tormenta.tormentaAcabada) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  EXPECT_EQ(tormenta.fallos, QStringList()) << "TIENDAL_SEMILLA=" << semilla;
}

}  // namespace
}  // namespace tiendal::robustez
