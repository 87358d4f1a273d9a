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
#include <QFile>
#include <QLineEdit>
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
#include "keyboard_window/form2.h"
#include "mouse_window/form1.h"

namespace tiendal::robustez {
namespace {

// Past 10 nested steps (readings, message boxes, the chooser) only Ctrl is pressed; past 3 no
// reading starts.
constexpr int kProfundidadMaxima = 10;
constexpr int kProfundidadLecturas = 3;

using Opciones = std::vector<std::pair<int, std::function<void()>>>;  // weights and actions

class Tormenta final : public QObject {
 public:
  Tormenta(QString carpeta, std::uint32_t semilla, int acciones)
      : carpeta_(std::move(carpeta)), azar_(semilla), total_(acciones) {}
  ~Tormenta() override {
    if (VentanaPractica* ventana = Ventana()) ventana->close();
    Vaciar();
    programas_.clear();
    Vaciar();
  }

  // Runs every action, then lets every reading, message box and handler end.
  QStringList Correr() {
    if (!Arrancar()) return {QStringLiteral("no arranca")};
    QTimer::singleShot(0, this, [this] { Paso(); });
    while (!terminada_) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return fallos_;
  }

 private:
  VentanaPractica* Ventana() const { return programas_.back()->Ventana(); }
  int Azar(qsizetype hasta) {
    return std::uniform_int_distribution<int>(0, static_cast<int>(hasta))(azar_);
  }
  void Sortear(const Opciones& opciones) {
    std::vector<int> pesos;
    for (const auto& o : opciones) pesos.push_back(o.first);
    opciones[std::discrete_distribution<size_t>(pesos.begin(), pesos.end())(azar_)].second();
  }
  void Fallo(const QString& que) {
    fallos_ << QStringLiteral("acción %1: %2").arg(hechas_).arg(que);
    hechas_ = std::max(hechas_, total_);  // no more actions: let what is open end
  }

  // The program with its real windows and SDL players, the windows' random numbers seeded too.
  // Those that ended are kept, since their code may still be returning from nested loops.
  bool Arrancar() {
    const auto piezas = [this] {
      return Piezas{std::make_unique<ReproductorDe<ReproductorSdl>>(),
                    std::make_unique<AleatorioReloj>(Azar(86399))};
    };
    programas_.push_back(std::make_unique<Programa>(
        FabricaVentanas{[this, piezas] { return std::make_unique<Form1>(carpeta_, piezas()); },
                        [this, piezas] { return std::make_unique<Form2>(carpeta_, piezas()); }}));
    connect(programas_.back().get(), &Programa::terminado, this, [this] { terminado_ = true; });
    terminado_ = false;
    return programas_.back()->Iniciar();
  }

  // One step, run from whichever event loop is running: the program's own, a reading's wait, a
  // message box's or the chooser's.
  void Paso() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && !modal->isVisible()) modal = nullptr;
    if (hechas_ >= total_ && profundidad_ == 0 && !modal && !terminado_) {
      terminada_ = true;  // every action done and every handler returned
      return;
    }
    QTimer::singleShot(0, this, [this] { Paso(); });
    ++profundidad_;
    Comprobar();
    if (modal != nullptr) {
      Contestar(*modal);
    } else if (terminado_) {
      Arrancar();
    } else if (hechas_ >= total_ || profundidad_ > kProfundidadMaxima) {
      Tecla(*Ventana(), Qt::Key_Control);  // so that the readings below end
    } else {
      ++hechas_;
      Actuar(*Ventana());
    }
    Comprobar();
    --profundidad_;
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

  void Actuar(VentanaPractica& v) {
    QWidget& lienzo = *v.centralWidget();
    const auto pulsar = [&](const QString& nombre) {
      return [&, nombre] { Pulsar(lienzo, nombre); };
    };
    const auto tecla = [&](Qt::Key codigo, Qt::KeyboardModifiers mod = {}) {
      return [&, codigo, mod] { Tecla(v, codigo, mod); };
    };
    const auto menu = [&](const char* item) {
      return [&, item] { v.findChild<QAction*>(QLatin1String(item))->trigger(); };
    };
    const auto escribir = [&] {
      Pulsar(lienzo, QStringLiteral("TBResultado"));
      const char* cifras[] = {"7,35", "12.5", " 3 ", "-2", "1e3", "abc", "99999999999999"};
      QTest::keyClicks(lienzo.findChild<QWidget*>(QStringLiteral("TBResultado")), cifras[Azar(6)]);
    };
    const int form1 = qobject_cast<Form1*>(&v) != nullptr ? 1 : 0;  // Form2 acts by keys more
    const int leer = profundidad_ <= kProfundidadLecturas ? 1 : 0;
    const bool raro = hechas_ % 1999 == 0;
    // clang-format off
    Sortear({
        {16 * form1, pulsar(Nombrado("Picture1_", Azar(kHuecos - 1)))},
        {10, pulsar(Nombrado("LBNombre", Azar(v.sesion().practica().MaxFilas)))},
        {4, pulsar(QStringLiteral("CBNuevo"))},
        {6, pulsar(QStringLiteral("CBCorregir"))},
        {6, pulsar({})},
        {8, escribir},
        {2 * leer, tecla(Qt::Key_F2)}, {leer, tecla(Qt::Key_F2, Qt::ShiftModifier)},
        {2 * leer, tecla(Qt::Key_F3)},
        {5, tecla(Qt::Key_Control)}, {3, tecla(Qt::Key_Tab)}, {3, tecla(Qt::Key_Return)},
        {2, tecla(Qt::Key_Escape)}, {2, tecla(Qt::Key_Space)}, {3, tecla(Qt::Key_Backspace)},
        {2, tecla(Qt::Key_C, Qt::AltModifier)}, {2, tecla(Qt::Key_N, Qt::AltModifier)},
        {8 - 7 * form1, tecla(Qt::Key_Menu)}, {4 - 3 * form1, tecla(Qt::Key_Delete)},
        {1, menu("MnuOpcVal")}, {1, menu("MnuOpcMos")}, {1, menu("MnuOpcAyu")},
        {hechas_ % 97 == 0 ? 200 : 0, menu("MnuOpcVer")},
        {raro ? 100 : 0, menu("MnuOpcSal")}, {raro ? 100 : 0, [&] { v.close(); }},
    });
    // clang-format on
  }

  // A message box must be the program's ("Tiendal", one button, no icon), and any other modal
  // window the chooser. Either is answered with Escape, or with Enter after a few arrows, or
  // left open for a step.
  void Contestar(QWidget& modal) {
    ++hechas_;
    const auto* caja = qobject_cast<QMessageBox*>(&modal);
    const QString cual = caja == nullptr ? modal.objectName()
                                         : QStringLiteral("%1, %2 botón, icono %3")
                                               .arg(caja->windowTitle())
                                               .arg(caja->buttons().size())
                                               .arg(caja->icon());
    if (cual != (caja == nullptr ? "Dialog" : "Tiendal, 1 botón, icono 0")) Fallo("modal " + cual);
    QWidget* foco = modal.focusWidget() != nullptr ? modal.focusWidget() : &modal;
    const int respuesta = Azar(6);  // 0: left open; 1, 2: Escape; else arrows and Enter
    for (int i = respuesta > 2 ? Azar(5) : 0; i > 0; --i) QTest::keyClick(foco, Qt::Key_Down);
    if (respuesta > 0) QTest::keyClick(foco, respuesta > 2 ? Qt::Key_Return : Qt::Key_Escape);
  }

  void Comprobar() {
    VentanaPractica* v = Ventana();
    if (v == nullptr || v->EstaCerrada()) return;
    for (const QString& incoherencia : Incoherencias(*v)) Fallo(incoherencia);
    // Every switch saved both options at once, and every window loaded since read them.
    const Practica& p = v->sesion().practica();
    QFile archivo(carpeta_ + QStringLiteral("/Tiendal.ini"));
    if (archivo.open(QIODevice::ReadOnly)
            ? archivo.readAll() != TextoOpciones({p.ValoresEnteros, p.MostrarResultado})
            : (p.ValoresEnteros || !p.MostrarResultado))
      Fallo(QStringLiteral("Tiendal.ini"));
  }

  QString carpeta_;
  std::mt19937 azar_;
  int total_;
  int hechas_ = 0;
  int profundidad_ = 0;
  bool terminada_ = false;
  bool terminado_ = false;  // the program ended: the next step starts it again
  std::vector<std::unique_ptr<Programa>> programas_;
  QStringList fallos_;
};

TEST(Tormenta, DiezMilAccionesAlAzarSinRomperNada) {
  bool bien = false;
  std::uint32_t semilla = qEnvironmentVariable("TIENDAL_SEMILLA").toUInt(&bien);
  if (!bien) semilla = 20240607;
  const int acciones = qEnvironmentVariableIntValue("TIENDAL_ACCIONES", &bien);
  // Ten products, one picture that cannot be read, sounds of 8 ms (the dummy driver plays them
  // in one 12 ms buffer), every fourth product's sound missing.
  std::vector<Producto> productos = ProductosDeEjemplo();
  productos.insert(productos.end(), {{"piña", "2.5"}, {"jamón serrano", "12.99"}});
  Carpeta carpeta;
  carpeta.Llenar(productos, 8);
  carpeta.Escribir(QStringLiteral("imágenes/jamón serrano.jpg"), QByteArray());
  for (size_t k = 0; k < productos.size(); k += 4)
    carpeta.Borrar("Sonidos/" + productos[k].nombre + ".wav");

  Tormenta tormenta(carpeta.Ruta(), semilla, bien ? acciones : 10000);
  EXPECT_EQ(tormenta.Correr(), QStringList()) << "TIENDAL_SEMILLA=" << semilla;
}

}  // namespace
}  // namespace tiendal::robustez
