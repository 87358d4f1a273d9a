// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The seeded storm of pupil actions on both windows, with the real SDL player on the dummy
// driver and sounds a few milliseconds long, so that many actions land inside readings. Each
// action runs from the event loop, so that it can land inside a reading that waits for a sound,
// inside a message box or inside the chooser (the modal ones are answered, at random, as a pupil
// would). Before and after every action the practice record and what the window shows of it
// must agree. A failure names the action's number; the seed replays the storm.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <random>

#include "arranque.h"
#include "audio/reproductor_sdl.h"
#include "carpeta.h"
#include "core/aleatorio.h"
#include "core/numeros.h"
#include "core/opciones.h"
#include "core/reproductor_de.h"
#include "core/sonido.h"
#include "keyboard_window/form2.h"
#include "mouse_window/form1.h"

namespace tiendal::robustez {
namespace {

// Past 10 nested handlers (readings, message boxes, the chooser) only Ctrl is pressed; past 3 no
// reading starts.
constexpr int kProfundidadMaxima = 10;
constexpr int kProfundidadLecturas = 3;

// What a pupil might type into the result box, and keys pressed now and then.
const QStringList kCifras = {"0", "7,35", "12.5", " 3 ", "-2", "1e3", "abc", ",5",
                             "99999999999999999999", "4,5", "1 000"};
const std::pair<Qt::Key, Qt::KeyboardModifiers> kTeclasRaras[] = {
    {Qt::Key_Home, {}}, {Qt::Key_End, {}}, {Qt::Key_F1, {}}, {Qt::Key_Tab, {}},
    {Qt::Key_Backtab, Qt::ShiftModifier}, {Qt::Key_Return, {}}, {Qt::Key_Escape, {}},
    {Qt::Key_Space, {}}, {Qt::Key_C, Qt::AltModifier}, {Qt::Key_N, Qt::AltModifier}};

// Ways to act, each with its weight.
using Opciones = std::vector<std::pair<int, std::function<void()>>>;

class Tormenta final : public QObject {
 public:
  Tormenta(QString carpeta, std::uint32_t semilla, int acciones)
      : carpeta_(std::move(carpeta)), azar_(semilla), total_(acciones) {}
  ~Tormenta() override {
    for (const auto& programa : programas_)
      if (VentanaPractica* ventana = programa->Ventana()) ventana->close();
    Vaciar();
    programas_.clear();
    Vaciar();
  }

  // Runs every action, then lets every reading, message box and handler end. False when the
  // program could not even start.
  bool Correr() {
    if (!Arrancar()) return false;
    QTimer::singleShot(0, this, [this] { Paso(); });
    while (!terminada_)
      QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return true;
  }

  QStringList fallos;

 private:
  VentanaPractica* Ventana() const {
    return programas_.empty() ? nullptr : programas_.back()->Ventana();
  }
  int Azar(int desde, auto hasta) {
    return std::uniform_int_distribution<int>(desde, static_cast<int>(hasta))(azar_);
  }
  void Sortear(const Opciones& opciones) {
    std::vector<int> pesos;
    for (const auto& o : opciones) pesos.push_back(o.first);
    opciones[std::discrete_distribution<size_t>(pesos.begin(), pesos.end())(azar_)].second();
  }
  void Fallo(const QString& que) {
    fallos << QStringLiteral("acción %1: %2").arg(hechas_).arg(que);
    hechas_ = std::max(hechas_, total_);  // no more actions: let what is open end
  }

  // The program on the folder with the real windows and SDL players; the windows' random
  // numbers come from the seed too.
  bool Arrancar() {
    const auto piezas = [this] {
      return Piezas{std::make_unique<ReproductorDe<ReproductorSdl>>(),
                    std::make_unique<AleatorioReloj>(Azar(0, 86399))};
    };
    auto programa = std::make_unique<Programa>(
        FabricaVentanas{[this, piezas] { return std::make_unique<Form1>(carpeta_, piezas()); },
                        [this, piezas] { return std::make_unique<Form2>(carpeta_, piezas()); }});
    connect(programa.get(), &Programa::terminado, this, [this] { programaTerminado_ = true; });
    programaTerminado_ = false;
    const bool iniciado = programa->Iniciar();
    programas_.push_back(std::move(programa));
    return iniciado;
  }

  // One step, run from whichever event loop is running: the program's own, a reading's wait, a
  // message box's or the chooser's. The next step is asked for first, so that it can run inside
  // whatever this step's action opens.
  void Paso() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && !modal->isVisible()) modal = nullptr;
    if (terminada_ || (hechas_ >= total_ && profundidad_ == 0 && !modal && !programaTerminado_)) {
      terminada_ = true;  // every action done and every handler returned
      return;
    }
    QTimer::singleShot(0, this, [this] { Paso(); });
    ++profundidad_;
    VentanaPractica* ventana = Ventana();
    Comprobar();
    if (modal != nullptr) {
      Contestar(*modal);
    } else if (programaTerminado_) {
      Arrancar();
    } else if (ventana != nullptr && hechas_ < total_) {
      Accion(*ventana);
    } else if (ventana != nullptr) {
      Tecla(*ventana, Qt::Key_Control);  // all actions done: until the readings have ended
    }
    Comprobar();
    --profundidad_;
  }

  // A click where the pupil points: on whatever control lies at that point of `dentro`.
  void PulsarEn(QWidget& dentro, QPoint donde) {
    QWidget* blanco = dentro.childAt(donde);
    if (blanco == nullptr) blanco = &dentro;
    QTest::mouseClick(blanco, Qt::LeftButton, {}, blanco->mapFrom(&dentro, donde));
  }
  void ClicDentro(QWidget* control) {
    if (control == nullptr || !control->isVisible() || control->size().isEmpty()) return;
    QTest::mouseClick(control, Qt::LeftButton, {},
                      QPoint(Azar(0, control->width() - 1), Azar(0, control->height() - 1)));
  }

  void Accion(VentanaPractica& ventana) {
    ++hechas_;
    if (!ventana.isActiveWindow()) ventana.activateWindow();
    // Deep in nested handlers only Ctrl is pressed, so that the readings below can end.
    if (profundidad_ > kProfundidadMaxima) return Tecla(ventana, Qt::Key_Control);
    const bool form1 = qobject_cast<Form1*>(&ventana) != nullptr;
    const bool leer = profundidad_ <= kProfundidadLecturas;
    QWidget* lienzo = ventana.centralWidget();
    const auto control = [&](const char* nombre, int hasta = -1) {
      return [&, nombre, hasta] {
        ClicDentro(lienzo->findChild<QWidget*>(hasta < 0 ? QLatin1String(nombre)
                                                         : Nombrado(nombre, Azar(0, hasta))));
      };
    };
    const auto tecla = [&](Qt::Key codigo, Qt::KeyboardModifiers mod = {}) {
      return [&, codigo, mod] { Tecla(ventana, codigo, mod); };
    };
    const auto menu = [&](const char* item) {
      return [&, item] { ventana.findChild<QAction*>(QLatin1String(item))->trigger(); };
    };
    const auto punto = [&](QRect r) {
      r = r.intersected(lienzo->rect());
      return [&, r] {
        PulsarEn(*lienzo, QPoint(Azar(r.left(), r.right()), Azar(r.top(), r.bottom())));
      };
    };
    const auto& [rara, mod] = kTeclasRaras[Azar(0, std::size(kTeclasRaras) - 1)];
    const int lectura = Azar(0, 2);  // F2, F3 or Shift+F2
    const bool raro = hechas_ % 1999 == 0;
    Sortear({
        {form1 ? 10 : 0,
         punto(form1 ? lienzo->findChild<QWidget*>(Nombrado("Picture1_", Azar(0, 5)))->geometry()
                     : QRect())},
        {form1 ? 6 : 0, control("Text1_", kHuecos - 1)},
        {form1 ? 4 : 0, control("Image1_", kHuecos - 1)},
        {10, control("LBNombre", ventana.sesion().practica().MaxFilas)},
        {6, punto(lienzo->rect())},
        {4, control("CBNuevo")},
        {6, control("CBCorregir")},
        {8, [&] { Escribir(ventana); }},
        {15, tecla(rara, mod)},
        {leer ? 3 : 0, tecla(lectura == 1 ? Qt::Key_F3 : Qt::Key_F2,
                             lectura == 2 ? Qt::ShiftModifier : Qt::NoModifier)},
        {5, tecla(Qt::Key_Control)},
        {form1 ? 1 : 8, tecla(Qt::Key_Menu)},
        {form1 ? 1 : 4, tecla(Qt::Key_Delete)},
        {1, menu("MnuOpcVal")}, {1, menu("MnuOpcMos")}, {1, menu("MnuOpcAyu")},
        {hechas_ % 97 == 0 ? 200 : 0, menu("MnuOpcVer")},
        {raro ? 100 : 0, menu("MnuOpcSal")},
        {raro ? 100 : 0, [&] { ventana.close(); }},
    });
  }

  void Escribir(VentanaPractica& ventana) {
    auto* resultado = ventana.findChild<QLineEdit*>(QStringLiteral("TBResultado"));
    QTest::mouseClick(resultado, Qt::LeftButton, {},
                      QPoint(Azar(1, resultado->width() - 2), resultado->height() / 2));
    for (int i = Azar(-6, 4); i > 0; --i) Tecla(ventana, Qt::Key_Backspace);
    const QString texto = kCifras[Azar(0, kCifras.size() - 1)];
    QWidget* foco = QApplication::focusWidget();
    if (foco != nullptr && foco->window() == &ventana) QTest::keyClicks(foco, texto);
  }

  // An action on the open message box or chooser; weight 1 in 10 leaves it open for a step.
  void Contestar(QWidget& modal) {
    ++hechas_;
    if (auto* caja = qobject_cast<QMessageBox*>(&modal)) {
      if (caja->windowTitle() != QStringLiteral("Tiendal") || caja->buttons().size() != 1 ||
          caja->icon() != QMessageBox::NoIcon) {
        Fallo(QStringLiteral("caja de mensaje que no es la del programa: «%1»").arg(caja->text()));
      }
      QAbstractButton* aceptar = caja->buttons().value(0);
      return Sortear({{1, [] {}},
                      {4, [aceptar] { aceptar->click(); }},
                      {2, [caja] { QTest::keyClick(caja, Qt::Key_Return); }},
                      {1, [caja] { QTest::keyClick(caja, Qt::Key_Escape); }},
                      {1, [aceptar] { QTest::keyClick(aceptar, Qt::Key_Space); }},
                      {1, [caja] { caja->close(); }}});
    }

    auto* lista = modal.findChild<QListWidget*>(QStringLiteral("List1"));
    auto* form2 = qobject_cast<Form2*>(Ventana());
    if (modal.objectName() != QStringLiteral("Dialog") || lista == nullptr || form2 == nullptr) {
      Fallo(QStringLiteral("ventana modal inesperada «%1»").arg(modal.objectName()));
      modal.close();
      return;
    }
    // The chooser offers the products not in the list, in slot order, as "name: price".
    const Practica& p = form2->sesion().practica();
    QStringList esperadas, lineas;
    for (int hueco = 0; hueco < kHuecos; ++hueco)
      if (!p.EnLista[hueco])
        esperadas << p.NombreDeHueco(hueco) + ": " + FormatoPrecio(p.PrecioDeHueco(hueco));
    for (int i = 0; i < lista->count(); ++i) lineas << lista->item(i)->text();
    if (lineas != esperadas) Fallo(QStringLiteral("el elegidor ofrece «%1»").arg(lineas.join(u'|')));
    const QListWidgetItem* linea = lista->currentItem();
    Sortear({{1, [] {}},
             {4, [&] {
                for (int i = Azar(0, 5); i > 0; --i) QTest::keyClick(lista, Qt::Key_Down);
                QTest::keyClick(lista, Qt::Key_Return);
              }},
             {1, [&] { QTest::keyClick(lista, Qt::Key_Escape); }},
             {1, [&] { ClicDentro(modal.findChild<QWidget*>(QStringLiteral("OKButton"))); }},
             {1, [&] { ClicDentro(modal.findChild<QWidget*>(QStringLiteral("CancelButton"))); }},
             {linea ? 1 : 0, [&] {
                QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {},
                                   lista->visualItemRect(linea).center());
              }},
             {1, [&] { QTest::keyClick(&modal, Qt::Key_A, Qt::AltModifier); }},
             {1, [&] { modal.close(); }}});
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
  bool programaTerminado_ = false;
  std::vector<std::unique_ptr<Programa>> programas_;
};

std::uint32_t DeEntorno(const char* variable, std::uint32_t porDefecto) {
  bool bien = false;
  const auto valor = qEnvironmentVariable(variable).toUInt(&bien);
  return bien ? valor : porDefecto;
}

// Ten products, one of them with a picture that cannot be read; sounds of 1 to 15 ms (the
// dummy driver plays them in one or two 12 ms buffers), a quarter of the product sounds missing.
void PrepararCarpeta(const Carpeta& carpeta, std::uint32_t semilla) {
  std::vector<Producto> productos = ProductosDeEjemplo();
  productos.push_back({QStringLiteral("piña"), "2.5"});
  productos.push_back({QStringLiteral("jamón serrano"), "12.99"});
  carpeta.Imagenes(productos);
  carpeta.Escribir(QStringLiteral("imágenes/jamón serrano.jpg"), QByteArray());
  carpeta.Escribir(QStringLiteral("precios.txt"), PreciosCp1252(productos));
  std::mt19937 azar(semilla);
  std::uniform_int_distribution<int> largo(1, 15);
  QStringList sonidos = SonidosFijos();
  for (const Producto& p : productos) {
    if (azar() % 4 != 0) sonidos << p.nombre + QStringLiteral(".wav");
  }
  for (const QString& s : sonidos) carpeta.Escribir("Sonidos/" + s, Wav(largo(azar)));
}

TEST(Tormenta, DiezMilAccionesAlAzarSinRomperNada) {
  const std::uint32_t semilla = DeEntorno("TIENDAL_SEMILLA", 20240607);
  const int acciones = static_cast<int>(DeEntorno("TIENDAL_ACCIONES", 10000));
  Carpeta carpeta;
  PrepararCarpeta(carpeta, semilla);
  Tormenta tormenta(carpeta.Ruta(), semilla, acciones);
  ASSERT_TRUE(tormenta.Correr());
  EXPECT_EQ(tormenta.fallos, QStringList()) << "TIENDAL_SEMILLA=" << semilla;
}

}  // namespace
}  // namespace tiendal::robustez
