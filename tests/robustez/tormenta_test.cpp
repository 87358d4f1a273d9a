// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The seeded storm of pupil actions on both windows, with the real SDL player on the dummy
// driver and sounds a few milliseconds long, so that many actions land inside readings. Each
// action runs from the event loop, so that it can land inside a reading that waits for a sound,
// inside a message box or inside the chooser (the modal ones are answered, at random, as a pupil
// would). Before and after every action the practice record and what the window shows of it
// must agree.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <set>

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

// Nested handlers (readings, message boxes, the chooser) the storm lets pile up, and the depth
// below which it still starts readings.
constexpr int kProfundidadMaxima = 10;
constexpr int kProfundidadLecturas = 3;
constexpr int kUltimas = 30;
constexpr int kFallosAnotados = 10;
constexpr std::array<int, 6> kFilasDeTipo = {0, 3, 2, 2, 2, 6};

QString Nombrado(const char* control, int indice) {
  return QLatin1String(control) + QString::number(indice);
}

// What a pupil might type into the result box.
const QStringList kCifras = {
    "0",     "7,35", "12.5", " 3 ", "-2", "1e3", "abc", ",5", "99999999999999999999",
    "0,125", "4,5",  "1 000"};

// One of several ways to act, drawn by weight.
struct Opcion {
  int peso;
  std::function<void()> hacer;
};

class Tormenta final : public QObject {
 public:
  Tormenta(QString carpeta, std::uint32_t semilla, int acciones)
      : carpeta_(std::move(carpeta)), azar_(semilla), total_(acciones) {}
  ~Tormenta() override {
    for (const auto& programa : programas_) {
      if (VentanaPractica* ventana = programa->Ventana()) ventana->close();
    }
    Vaciar();
    programas_.clear();
    Vaciar();
  }
  Tormenta(const Tormenta&) = delete;
  Tormenta& operator=(const Tormenta&) = delete;

  // Runs every action, then lets every reading, message box and handler end. False when the
  // program could not even start.
  bool Correr() {
    if (!Arrancar()) return false;
    QTimer::singleShot(0, this, [this] { Paso(); });
    while (!terminada_) {
      QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
  }

  QStringList fallos;  // with the number of the action and the last actions before it
  int profundidadMaxima = 0;
  int enLectura = 0;  // actions done while a reading of the open window waited for a sound

 private:
  VentanaPractica* Ventana() const {
    return programas_.empty() ? nullptr : programas_.back()->Ventana();
  }
  int Azar(int desde, int hasta) { return std::uniform_int_distribution<int>(desde, hasta)(azar_); }
  void Sortear(const std::vector<Opcion>& opciones) {
    std::vector<int> pesos;
    for (const Opcion& o : opciones) pesos.push_back(o.peso);
    opciones[std::discrete_distribution<size_t>(pesos.begin(), pesos.end())(azar_)].hacer();
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
    if (terminada_) return;
    ++profundidad_;
    profundidadMaxima = std::max(profundidadMaxima, profundidad_);
    const struct Salida {
      int& profundidad;
      ~Salida() { --profundidad; }
    } salida{profundidad_};

    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && !modal->isVisible()) modal = nullptr;
    if (hechas_ >= total_ && profundidad_ == 1 && modal == nullptr && !programaTerminado_) {
      terminada_ = true;  // every action done and every handler returned
      return;
    }
    VentanaPractica* ventana = Ventana();
    const bool leyendo = ventana != nullptr && ventana->sonido().EsperasEnCurso() > 0;
    if (esperando_ && (!leyendo || modal != nullptr || espera_.hasExpired(paciencia_))) {
      esperando_ = false;
    }
    // While the pupil waits for a reading to end, the steps only look, a little apart.
    QTimer::singleShot(esperando_ ? 2 : 0, this, [this] { Paso(); });

    Comprobar("antes");
    if (modal != nullptr) {
      Contestar(*modal);
    } else if (programaTerminado_) {
      Anotar(QStringLiteral("volver a abrir el programa"));
      Arrancar();
    } else if (esperando_) {
      return;
    } else if (ventana != nullptr && hechas_ < total_) {
      Accion(*ventana);
    } else if (ventana != nullptr) {
      Tecla(*ventana, Qt::Key_Control);  // all actions done: until the readings have ended
    }
    Comprobar("después");
  }

  void Anotar(const QString& clase, const QString& detalle = {}) {
    if (VentanaPractica* v = Ventana(); v && v->sonido().EsperasEnCurso() > 0) ++enLectura;
    ultimas_.append(
        QStringLiteral("%1 [%2] %3 %4").arg(hechas_).arg(profundidad_).arg(clase, detalle));
    if (ultimas_.size() > kUltimas) ultimas_.removeFirst();
  }

  void Fallo(const QString& que) {
    if (fallos.size() < kFallosAnotados) {
      fallos.append(QStringLiteral("acción %1: %2\n  últimas acciones:\n    %3")
                        .arg(hechas_)
                        .arg(que, ultimas_.join(QStringLiteral("\n    "))));
    }
    hechas_ = std::max(hechas_, total_);  // no more actions: let what is open end
  }

  void Tecla(VentanaPractica& ventana, int tecla, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    if (!ventana.isActiveWindow()) ventana.activateWindow();
    QWidget* foco = QApplication::focusWidget();
    if (foco == nullptr || foco->window() != &ventana) foco = &ventana;
    QTest::keyClick(foco, static_cast<Qt::Key>(tecla), mod);
  }

  // A click where the pupil points: on whatever control lies at that point of `dentro`.
  void PulsarEn(QWidget& dentro, QPoint donde) {
    QWidget* blanco = dentro.childAt(donde);
    if (blanco == nullptr) blanco = &dentro;
    QTest::mouseClick(blanco, Qt::LeftButton, {}, blanco->mapFrom(&dentro, donde));
  }

  void Escribir(VentanaPractica& ventana) {
    auto* resultado = ventana.findChild<QLineEdit*>(QStringLiteral("TBResultado"));
    QTest::mouseClick(resultado, Qt::LeftButton, {},
                      QPoint(Azar(1, resultado->width() - 2), resultado->height() / 2));
    if (std::bernoulli_distribution(0.3)(azar_)) {
      for (int i = Azar(1, 4); i > 0; --i) Tecla(ventana, Qt::Key_Backspace);
    }
    const QString texto = kCifras[Azar(0, static_cast<int>(kCifras.size()) - 1)];
    Anotar(QStringLiteral("escribir en TBResultado"), texto);
    QWidget* foco = QApplication::focusWidget();
    if (foco != nullptr && foco->window() == &ventana) QTest::keyClicks(foco, texto);
  }

  void Accion(VentanaPractica& ventana) {
    ++hechas_;
    if (!ventana.isActiveWindow()) ventana.activateWindow();
    const bool form1 = qobject_cast<Form1*>(&ventana) != nullptr;
    QWidget* lienzo = ventana.centralWidget();
    const Practica& p = ventana.sesion().practica();
    const bool leer = profundidad_ <= kProfundidadLecturas;
    // Deep in nested handlers only Ctrl is pressed, so that the readings below can end.
    if (profundidad_ > kProfundidadMaxima) {
      Anotar(QStringLiteral("Ctrl, en lo hondo"));
      return Tecla(ventana, Qt::Key_Control);
    }
    const auto clicMarco = [&] {
      const int hueco = Azar(0, kHuecos - 1);
      const QRect dentro = lienzo->findChild<QWidget*>(Nombrado("Picture1_", hueco))
                               ->geometry()
                               .intersected(lienzo->rect());
      Anotar(QStringLiteral("clic en un marco"), QString::number(hueco));
      PulsarEn(*lienzo,
               QPoint(Azar(dentro.left(), dentro.right()), Azar(dentro.top(), dentro.bottom())));
    };
    const auto clicDentro = [&](const QString& nombre) {
      auto* control = lienzo->findChild<QWidget*>(nombre);
      if (control == nullptr || !control->isVisible() || control->size().isEmpty()) {
        return Anotar(QStringLiteral("clic en un control que no está"), nombre);
      }
      Anotar(QStringLiteral("clic en ") +
                 QString(nombre).remove(QRegularExpression(QStringLiteral("_?\\d+$"))),
             nombre);
      QTest::mouseClick(control, Qt::LeftButton, {},
                        QPoint(Azar(0, control->width() - 1), Azar(0, control->height() - 1)));
    };
    const auto tecla = [&](const char* nombre, int codigo, Qt::KeyboardModifiers mod = {}) {
      return [&, nombre, codigo, mod] {
        Anotar(QString::fromUtf8(nombre));
        Tecla(ventana, codigo, mod);
      };
    };
    const auto menu = [&](const char* item) {
      return [&, item] {
        Anotar(QStringLiteral("menú ") + QLatin1String(item));
        ventana.findChild<QAction*>(QLatin1String(item))->trigger();
      };
    };
    Sortear({
        {form1 ? 10 : 0, clicMarco},
        {form1 ? 6 : 0, [&] { clicDentro(Nombrado("Text1_", Azar(0, kHuecos - 1))); }},
        {form1 ? 4 : 0, [&] { clicDentro(Nombrado("Image1_", Azar(0, kHuecos - 1))); }},
        {10, [&] { clicDentro(Nombrado("LBNombre", Azar(0, p.MaxFilas))); }},
        {6,
         [&] {
           Anotar(QStringLiteral("clic en cualquier sitio"));
           PulsarEn(*lienzo, QPoint(Azar(0, lienzo->width() - 1), Azar(0, lienzo->height() - 1)));
         }},
        {4, [&] { clicDentro(QStringLiteral("CBNuevo")); }},
        {6, [&] { clicDentro(QStringLiteral("CBCorregir")); }},
        {8, [&] { Escribir(ventana); }},
        {2, tecla("Inicio", Qt::Key_Home)},
        {2, tecla("Izquierda", Qt::Key_Left)},
        {1, tecla("Fin", Qt::Key_End)},
        {1, tecla("F1", Qt::Key_F1)},
        {leer ? 1 : 0, tecla("F2", Qt::Key_F2)},
        {leer ? 1 : 0, tecla("F3", Qt::Key_F3)},
        {leer ? 1 : 0, tecla("Mayúsculas+F2", Qt::Key_F2, Qt::ShiftModifier)},
        {5, tecla("Ctrl", Qt::Key_Control)},
        {form1 ? 1 : 8, tecla("Aplicaciones", Qt::Key_Menu)},
        {form1 ? 1 : 4, tecla("Supr", Qt::Key_Delete)},
        {3, tecla("Tab", Qt::Key_Tab)},
        {1, tecla("Mayúsculas+Tab", Qt::Key_Backtab, Qt::ShiftModifier)},
        {1, tecla("Intro", Qt::Key_Return)},
        {1, tecla("Escape", Qt::Key_Escape)},
        {1, tecla("Espacio", Qt::Key_Space)},
        {1, tecla("Alt+C", Qt::Key_C, Qt::AltModifier)},
        {1, tecla("Alt+N", Qt::Key_N, Qt::AltModifier)},
        {1, menu("MnuOpcVal")},
        {1, menu("MnuOpcMos")},
        {1, menu("MnuOpcAyu")},
        {1,
         [&] {
           paciencia_ = Azar(10, 150);
           Anotar(QStringLiteral("esperar a que acabe la lectura"), QString::number(paciencia_));
           esperando_ = true;
           espera_.start();
         }},
        {hechas_ % 97 == 0 ? 200 : 0, menu("MnuOpcVer")},
        {hechas_ % 1999 == 0 ? 100 : 0, menu("MnuOpcSal")},
        {hechas_ % 1999 == 0 ? 100 : 0,
         [&] {
           Anotar(QStringLiteral("cerrar la ventana"));
           ventana.close();
         }},
    });
  }

  // An action on the open message box or chooser; weight 1 in 10 leaves it open for a step.
  void Contestar(QWidget& modal) {
    const auto hecha = [this](const char* nombre, std::function<void()> hacer) {
      return [this, nombre, hacer] {
        ++hechas_;
        Anotar(QString::fromUtf8(nombre));
        hacer();
      };
    };
    if (auto* caja = qobject_cast<QMessageBox*>(&modal)) {
      if (caja->windowTitle() != QStringLiteral("Tiendal") || caja->buttons().size() != 1 ||
          caja->icon() != QMessageBox::NoIcon) {
        Fallo(QStringLiteral("caja de mensaje que no es la del programa: «%1»").arg(caja->text()));
      }
      QAbstractButton* aceptar = caja->buttons().value(0);
      return Sortear(
          {{1, [] {}},
           {4, hecha("caja: Aceptar", [aceptar] { aceptar->click(); })},
           {2, hecha("caja: Intro", [caja] { QTest::keyClick(caja, Qt::Key_Return); })},
           {1, hecha("caja: Escape", [caja] { QTest::keyClick(caja, Qt::Key_Escape); })},
           {1, hecha("caja: Espacio", [aceptar] { QTest::keyClick(aceptar, Qt::Key_Space); })},
           {1, hecha("caja: cerrar", [caja] { caja->close(); })}});
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
    for (int hueco = 0; hueco < kHuecos; ++hueco) {
      if (!p.EnLista[hueco]) {
        esperadas << p.NombreDeHueco(hueco) + QStringLiteral(": ") +
                         FormatoPrecio(p.PrecioDeHueco(hueco));
      }
    }
    for (int i = 0; i < lista->count(); ++i) lineas << lista->item(i)->text();
    if (lineas != esperadas) {
      Fallo(QStringLiteral("el elegidor ofrece «%1» y debía ofrecer «%2»")
                .arg(lineas.join(u'|'), esperadas.join(u'|')));
    }
    const auto boton = [&modal](const char* nombre) {
      return [&modal, nombre] {
        QTest::mouseClick(modal.findChild<QPushButton*>(QLatin1String(nombre)), Qt::LeftButton);
      };
    };
    Sortear({{1, [] {}},
             {2, hecha("elegidor: Intro", [lista] { QTest::keyClick(lista, Qt::Key_Return); })},
             {2, hecha("elegidor: abajo e Intro",
                       [this, lista] {
                         for (int i = Azar(1, 5); i > 0; --i) QTest::keyClick(lista, Qt::Key_Down);
                         QTest::keyClick(lista, Qt::Key_Return);
                       })},
             {1, hecha("elegidor: Escape", [lista] { QTest::keyClick(lista, Qt::Key_Escape); })},
             {1, hecha("elegidor: Aceptar", boton("OKButton"))},
             {1, hecha("elegidor: Cancelar", boton("CancelButton"))},
             {1, hecha("elegidor: doble clic",
                       [lista] {
                         if (QListWidgetItem* linea = lista->currentItem()) {
                           QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {},
                                              lista->visualItemRect(linea).center());
                         }
                       })},
             {1, hecha("elegidor: Alt+A",
                       [&modal] { QTest::keyClick(&modal, Qt::Key_A, Qt::AltModifier); })},
             {1, hecha("elegidor: cerrar", [&modal] { modal.close(); })}});
  }

  void Comprobar(const char* cuando) {
    VentanaPractica* ventana = Ventana();
    if (ventana == nullptr || ventana->EstaCerrada()) return;
    const auto antes = fallos.size();
    ComprobarVentana(*ventana);
    ComprobarArchivoDeOpciones(ventana->sesion().practica());
    for (auto i = antes; i < fallos.size(); ++i) {
      fallos[i].prepend(QStringLiteral("(%1 de la acción) ").arg(QLatin1String(cuando)));
    }
  }

  void ComprobarVentana(VentanaPractica& v) {
    const Practica& p = v.sesion().practica();
    if (p.TipoEjercicio < 1 || p.TipoEjercicio > 5) {
      return Fallo(QStringLiteral("tipo de ejercicio %1").arg(p.TipoEjercicio));
    }
    if (!(0 <= p.NumFilas && p.NumFilas <= p.MaxFilas &&
          p.MaxFilas == kFilasDeTipo[static_cast<size_t>(p.TipoEjercicio)])) {
      Fallo(QStringLiteral("NumFilas %1, MaxFilas %2 en un ejercicio de tipo %3")
                .arg(p.NumFilas)
                .arg(p.MaxFilas)
                .arg(p.TipoEjercicio));
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
      if (hueco < 0 || hueco >= kHuecos || fila < primera || fila >= p.MaxFilas ||
          fila != primera + productos) {
        Fallo(QStringLiteral("HuecoFila(%1) = %2").arg(fila).arg(hueco));
      }
      ++productos;
    }
    for (int hueco = 0; hueco < kHuecos; ++hueco) {
      const auto veces = std::count(p.HuecoFila.begin(), p.HuecoFila.end(), hueco);
      if (veces > 1 || (veces == 1) != p.EnLista[hueco]) {
        Fallo(QStringLiteral("EnLista(%1) = %2 y está %3 veces en HuecoFila")
                  .arg(hueco)
                  .arg(p.EnLista[hueco])
                  .arg(veces));
      }
    }
    int enUso = productos;
    if (p.TipoEjercicio == 2 || p.TipoEjercicio == 5) enUso = productos + 1;
    if (p.TipoEjercicio == 4) enUso = productos == 0 ? 0 : 2;
    if (p.NumFilas != enUso) {
      Fallo(QStringLiteral("NumFilas %1 con %2 productos").arg(p.NumFilas).arg(productos));
    }

    // The rows shown: exactly MaxFilas, each as the type says.
    if (v.ContarFilas() != p.MaxFilas) {
      Fallo(QStringLiteral("%1 filas a la vista").arg(v.ContarFilas()));
    }
    QWidget* lienzo = v.centralWidget();
    for (int fila = 0; fila < std::max(p.MaxFilas, 7); ++fila) {
      const auto* nombre = lienzo->findChild<QLabel*>(Nombrado("LBNombre", fila));
      const auto* precio = lienzo->findChild<QLineEdit*>(Nombrado("TBPrecio", fila));
      const bool visible = nombre && precio && nombre->isVisible() && precio->isVisible();
      const bool alguna = (nombre && nombre->isVisible()) || (precio && precio->isVisible());
      if (fila >= p.MaxFilas ? alguna : !visible) {
        Fallo(QStringLiteral("la fila %1 se ve o no en una lista de %2").arg(fila).arg(p.MaxFilas));
      }
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
      if (!bien) {
        Fallo(QStringLiteral("la fila %1 muestra «%2» «%3» (tipo %4, HuecoFila %5)")
                  .arg(fila)
                  .arg(n, t)
                  .arg(tipo)
                  .arg(hueco));
      }
    }

    // Form1: a frame is yellow exactly when its product is listed; each shelf line shows it.
    for (int hueco = 0; qobject_cast<Form1*>(&v) != nullptr && hueco < kHuecos; ++hueco) {
      const auto* marco = lienzo->findChild<QWidget*>(Nombrado("Picture1_", hueco));
      const auto* texto = lienzo->findChild<QLineEdit*>(Nombrado("Text1_", hueco));
      const bool amarillo = marco->palette().color(QPalette::Window) == QColor(255, 255, 0);
      const QString linea =
          p.NombreDeHueco(hueco) + QStringLiteral("  ") + FormatoPrecio(p.PrecioDeHueco(hueco));
      if (amarillo != p.EnLista[hueco] || texto->text() != linea) {
        Fallo(QStringLiteral("hueco %1: amarillo %2, muestra «%3» y no «%4»")
                  .arg(hueco)
                  .arg(amarillo)
                  .arg(texto->text(), linea));
      }
    }

    const bool val = v.findChild<QAction*>(QStringLiteral("MnuOpcVal"))->isChecked();
    const bool mos = v.findChild<QAction*>(QStringLiteral("MnuOpcMos"))->isChecked();
    if (val != p.ValoresEnteros || mos != p.MostrarResultado) {
      Fallo(QStringLiteral("marcas del menú %1 %2 y opciones %3 %4")
                .arg(val)
                .arg(mos)
                .arg(p.ValoresEnteros)
                .arg(p.MostrarResultado));
    }
    if (p.ValoresEnteros && std::any_of(p.Precios.begin(), p.Precios.end(), [](float precio) {
          return precio != std::floor(precio) || precio < 1;
        })) {
      Fallo(QStringLiteral("un precio no entero con valores enteros"));
    }
  }

  // Every switch saved both options at once, and every window loaded since read them: the file
  // always holds the options of the open window, or is missing while they are the defaults.
  void ComprobarArchivoDeOpciones(const Practica& p) {
    QFile archivo(carpeta_ + QStringLiteral("/Tiendal.ini"));
    const bool hay = archivo.open(QIODevice::ReadOnly);
    const QByteArray contenido = archivo.readAll();
    if (hay ? contenido != TextoOpciones({p.ValoresEnteros, p.MostrarResultado})
            : (p.ValoresEnteros || !p.MostrarResultado)) {
      Fallo(QStringLiteral("Tiendal.ini guarda «%1» con las opciones %2 %3")
                .arg(hay ? QString::fromLatin1(contenido.toHex(' ')) : QStringLiteral("(nada)"))
                .arg(p.ValoresEnteros)
                .arg(p.MostrarResultado));
    }
  }

  QString carpeta_;
  std::mt19937 azar_;
  int total_;
  int hechas_ = 0;
  int profundidad_ = 0;
  bool terminada_ = false;
  // The pupil lets the readings end, for at most `paciencia_` ms, before going on.
  bool esperando_ = false;
  QElapsedTimer espera_;
  qint64 paciencia_ = 0;
  bool programaTerminado_ = false;
  std::vector<std::unique_ptr<Programa>> programas_;
  QStringList ultimas_;
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
  std::printf("Tormenta: semilla %u, %d acciones (TIENDAL_SEMILLA=%u la repite)\n", semilla,
              acciones, semilla);
  Carpeta carpeta;
  PrepararCarpeta(carpeta, semilla);
  Tormenta tormenta(carpeta.Ruta(), semilla, acciones);
  QElapsedTimer reloj;
  reloj.start();
  ASSERT_TRUE(tormenta.Correr()) << "el programa no arrancó";
  std::printf(
      "Tormenta: %lld ms, %d manejadores anidados como mucho, %d acciones durante una "
      "lectura\n",
      static_cast<long long>(reloj.elapsed()), tormenta.profundidadMaxima, tormenta.enLectura);
  for (const QString& fallo : tormenta.fallos) {
    ADD_FAILURE() << "semilla " << semilla << ", " << fallo.toStdString();
  }
  if (!tormenta.fallos.isEmpty()) {
    std::printf("Para repetirla: TIENDAL_SEMILLA=%u TIENDAL_ACCIONES=%d\n", semilla, acciones);
  }
}

}  // namespace
}  // namespace tiendal::robustez
