#include "tormenta.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <array>
#include <functional>
#include <set>

#include "arranque.h"
#include "audio/reproductor_sdl.h"
#include "audio/sonido.h"
#include "core/aleatorio.h"
#include "core/numeros.h"
#include "core/opciones.h"
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
const QColor kAmarillo(255, 255, 0);

QString Nombrado(const char* control, int indice) {
  return QLatin1String(control) + QString::number(indice);
}

QString DeHueco(const char* control, int hueco) {
  return QLatin1String(control) + u'_' + QString::number(hueco);
}

std::uint32_t DeEntorno(const char* variable, std::uint32_t porDefecto) {
  bool bien = false;
  const auto valor = qEnvironmentVariable(variable).toUInt(&bien);
  return bien ? valor : porDefecto;
}

// What a pupil might type into the result box.
const QStringList kCifras = {
    QStringLiteral("0"),     QStringLiteral("7,35"), QStringLiteral("12.5"),
    QStringLiteral(" 3 "),   QStringLiteral("-2"),   QStringLiteral("1e3"),
    QStringLiteral("abc"),   QStringLiteral(",5"),   QStringLiteral("99999999999999999999"),
    QStringLiteral("0,125"), QStringLiteral("4,5"),  QStringLiteral("1 000"),
};

}  // namespace

std::uint32_t SemillaDeTormenta(std::uint32_t porDefecto) {
  return DeEntorno("TIENDAL_SEMILLA", porDefecto);
}

int AccionesDeTormenta(int porDefecto) {
  return static_cast<int>(DeEntorno("TIENDAL_ACCIONES", static_cast<std::uint32_t>(porDefecto)));
}

Tormenta::Tormenta(QString carpeta, std::uint32_t semilla, int acciones)
    : carpeta_(std::move(carpeta)), azar_(semilla), total_(acciones) {}

Tormenta::~Tormenta() {
  for (const auto& programa : programas_) {
    if (VentanaPractica* ventana = programa->Ventana()) ventana->close();
  }
  Vaciar();
  programas_.clear();
  Vaciar();
}

int Tormenta::Azar(int desde, int hasta) {
  return std::uniform_int_distribution<int>(desde, hasta)(azar_);
}

bool Tormenta::Moneda(double probabilidad) {
  return std::bernoulli_distribution(probabilidad)(azar_);
}

VentanaPractica* Tormenta::Ventana() const {
  return programas_.empty() ? nullptr : programas_.back()->Ventana();
}

bool Tormenta::Arrancar() {
  const auto piezas = [this] {
    return Piezas{std::make_unique<ReproductorSdl>(),
                  std::make_unique<AleatorioReloj>(Azar(0, 86399))};
  };
  FabricaVentanas fabrica;
  fabrica.ratonYTeclado = [this, piezas] { return std::make_unique<Form1>(carpeta_, piezas()); };
  fabrica.soloTeclado = [this, piezas] { return std::make_unique<Form2>(carpeta_, piezas()); };
  auto programa = std::make_unique<Programa>(std::move(fabrica));
  connect(programa.get(), &Programa::terminado, this, [this] { programaTerminado_ = true; });
  programaTerminado_ = false;
  const bool iniciado = programa->Iniciar();
  programas_.push_back(std::move(programa));
  return iniciado;
}

bool Tormenta::Correr() {
  if (!Arrancar()) return false;
  QTimer::singleShot(0, this, [this] { Paso(); });
  while (!terminada_) {
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
  return true;
}

// One step, run from whichever event loop is running: the program's own, a reading's wait, a
// message box's or the chooser's. The next step is asked for first, so that it can run inside
// whatever this step's action opens.
void Tormenta::Paso() {
  if (terminada_) return;
  ++profundidad_;
  profundidadMaxima_ = std::max(profundidadMaxima_, profundidad_);
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
    // All actions done: Ctrl until the readings still waiting have ended.
    Tecla(*ventana, Qt::Key_Control);
  }
  Comprobar("después");
}

void Tormenta::Anotar(const QString& clase, const QString& detalle) {
  ++cuentas_[clase];
  if (VentanaPractica* ventana = Ventana(); ventana && ventana->sonido().EsperasEnCurso() > 0) {
    ++enLectura_;
  }
  ultimas_.append(
      QStringLiteral("%1 [%2] %3 %4").arg(hechas_).arg(profundidad_).arg(clase, detalle));
  if (ultimas_.size() > kUltimas) ultimas_.removeFirst();
}

void Tormenta::Fallo(const QString& que) {
  if (fallos_.size() < kFallosAnotados) {
    fallos_.append(QStringLiteral("acción %1: %2\n  últimas acciones:\n    %3")
                       .arg(hechas_)
                       .arg(que, ultimas_.join(QStringLiteral("\n    "))));
  }
  hechas_ = std::max(hechas_, total_);  // no more actions: let what is open end
}

void Tormenta::Tecla(VentanaPractica& ventana, int tecla, Qt::KeyboardModifiers mod) {
  if (!ventana.isActiveWindow()) ventana.activateWindow();
  QWidget* foco = QApplication::focusWidget();
  if (foco == nullptr || foco->window() != &ventana) foco = &ventana;
  QTest::keyClick(foco, static_cast<Qt::Key>(tecla), mod);
}

// A click where the pupil points: on whatever control lies at that point of `dentro`.
void Tormenta::PulsarEn(QWidget& dentro, QPoint donde) {
  QWidget* blanco = dentro.childAt(donde);
  if (blanco == nullptr) blanco = &dentro;
  QTest::mouseClick(blanco, Qt::LeftButton, {}, blanco->mapFrom(&dentro, donde));
}

void Tormenta::Escribir(VentanaPractica& ventana) {
  auto* resultado = ventana.findChild<QLineEdit*>(QStringLiteral("TBResultado"));
  QTest::mouseClick(resultado, Qt::LeftButton, {},
                    QPoint(Azar(1, resultado->width() - 2), resultado->height() / 2));
  if (Moneda(0.3)) {
    for (int i = Azar(1, 4); i > 0; --i) Tecla(ventana, Qt::Key_Backspace);
  }
  const QString texto = kCifras[Azar(0, static_cast<int>(kCifras.size()) - 1)];
  Anotar(QStringLiteral("escribir en TBResultado"), texto);
  QWidget* foco = QApplication::focusWidget();
  if (foco != nullptr && foco->window() == &ventana) QTest::keyClicks(foco, texto);
}

void Tormenta::Accion(VentanaPractica& ventana) {
  ++hechas_;
  if (!ventana.isActiveWindow()) ventana.activateWindow();
  auto* form1 = qobject_cast<Form1*>(&ventana);
  QWidget* lienzo = ventana.centralWidget();
  const Practica& p = ventana.sesion().practica();
  const bool hondo = profundidad_ > kProfundidadMaxima;
  const bool leer = profundidad_ <= kProfundidadLecturas;

  // Deep in nested handlers only Ctrl is pressed, so that the readings below can end.
  if (hondo) {
    Anotar(QStringLiteral("Ctrl, en lo hondo"));
    Tecla(ventana, Qt::Key_Control);
    return;
  }
  struct Tipo {
    int peso;
    std::function<void()> hacer;
  };
  const auto clicMarco = [&] {
    const int hueco = Azar(0, kHuecos - 1);
    auto* marco = lienzo->findChild<QWidget*>(DeHueco("Picture1", hueco));
    const QRect dentro = marco->geometry().intersected(lienzo->rect());
    Anotar(QStringLiteral("clic en un marco"), QString::number(hueco));
    PulsarEn(*lienzo,
             QPoint(Azar(dentro.left(), dentro.right()), Azar(dentro.top(), dentro.bottom())));
  };
  const auto clicDentro = [&](const QString& nombre) {
    auto* control = lienzo->findChild<QWidget*>(nombre);
    if (control == nullptr || !control->isVisible() || control->size().isEmpty()) {
      Anotar(QStringLiteral("clic en un control que no está"), nombre);
      return;
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

  const std::vector<Tipo> tipos = {
      {form1 ? 10 : 0, clicMarco},
      {form1 ? 6 : 0, [&] { clicDentro(DeHueco("Text1", Azar(0, kHuecos - 1))); }},
      {form1 ? 4 : 0, [&] { clicDentro(DeHueco("Image1", Azar(0, kHuecos - 1))); }},
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
      {hechas_ % 1999 == 0 ? 200 : 0,
       [&] {
         if (Moneda(0.5)) {
           menu("MnuOpcSal")();
         } else {
           Anotar(QStringLiteral("cerrar la ventana"));
           ventana.close();
         }
       }},
  };
  std::vector<int> pesos;
  for (const Tipo& t : tipos) pesos.push_back(t.peso);
  const auto cual = std::discrete_distribution<size_t>(pesos.begin(), pesos.end())(azar_);
  tipos[cual].hacer();
}

void Tormenta::Contestar(QWidget& modal) {
  if (auto* caja = qobject_cast<QMessageBox*>(&modal)) {
    if (caja->windowTitle() != QStringLiteral("Tiendal") || caja->buttons().size() != 1 ||
        caja->icon() != QMessageBox::NoIcon) {
      Fallo(QStringLiteral("caja de mensaje que no es la del programa: «%1»").arg(caja->text()));
    }
    const int como = Azar(0, 9);
    if (como == 9) return;  // the pupil is still reading it
    ++hechas_;
    QAbstractButton* aceptar = caja->buttons().value(0);
    switch (como) {
      case 0:
      case 1:
      case 2:
      case 3:
        Anotar(QStringLiteral("caja: Aceptar"), caja->text().left(50));
        aceptar->click();
        break;
      case 4:
      case 5:
        Anotar(QStringLiteral("caja: Intro"));
        QTest::keyClick(caja, Qt::Key_Return);
        break;
      case 6:
        Anotar(QStringLiteral("caja: Escape"));
        QTest::keyClick(caja, Qt::Key_Escape);
        break;
      case 7:
        Anotar(QStringLiteral("caja: Espacio"));
        QTest::keyClick(aceptar, Qt::Key_Space);
        break;
      default:
        Anotar(QStringLiteral("caja: cerrar"));
        caja->close();
        break;
    }
    return;
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
  QStringList esperadas;
  for (int hueco = 0; hueco < kHuecos; ++hueco) {
    if (!p.EnLista[hueco]) {
      esperadas << p.NombreDeHueco(hueco) + QStringLiteral(": ") +
                       FormatoPrecio(p.PrecioDeHueco(hueco));
    }
  }
  QStringList lineas;
  for (int i = 0; i < lista->count(); ++i) lineas << lista->item(i)->text();
  if (lineas != esperadas) {
    Fallo(QStringLiteral("el elegidor ofrece «%1» y debía ofrecer «%2»")
              .arg(lineas.join(u'|'), esperadas.join(u'|')));
  }

  const int como = Azar(0, 10);
  if (como == 10) return;
  ++hechas_;
  switch (como) {
    case 0:
    case 1:
      Anotar(QStringLiteral("elegidor: Intro"));
      QTest::keyClick(lista, Qt::Key_Return);
      break;
    case 2:
    case 3: {
      const int bajar = Azar(1, 5);
      Anotar(QStringLiteral("elegidor: abajo e Intro"), QString::number(bajar));
      for (int i = 0; i < bajar; ++i) QTest::keyClick(lista, Qt::Key_Down);
      QTest::keyClick(lista, Qt::Key_Return);
      break;
    }
    case 4:
      Anotar(QStringLiteral("elegidor: Escape"));
      QTest::keyClick(lista, Qt::Key_Escape);
      break;
    case 5:
      Anotar(QStringLiteral("elegidor: Aceptar"));
      QTest::mouseClick(modal.findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
      break;
    case 6:
      Anotar(QStringLiteral("elegidor: Cancelar"));
      QTest::mouseClick(modal.findChild<QPushButton*>(QStringLiteral("CancelButton")),
                        Qt::LeftButton);
      break;
    case 7:
      if (QListWidgetItem* linea = lista->currentItem()) {
        Anotar(QStringLiteral("elegidor: doble clic"));
        QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {},
                           lista->visualItemRect(linea).center());
      } else {
        Anotar(QStringLiteral("elegidor: doble clic sin línea"));
      }
      break;
    case 8:
      Anotar(QStringLiteral("elegidor: Alt+A"));
      QTest::keyClick(&modal, Qt::Key_A, Qt::AltModifier);
      break;
    default:
      Anotar(QStringLiteral("elegidor: cerrar"));
      modal.close();
      break;
  }
}

void Tormenta::Comprobar(const char* cuando) {
  VentanaPractica* ventana = Ventana();
  if (ventana == nullptr || ventana->EstaCerrada()) return;
  const int antes = static_cast<int>(fallos_.size());
  ComprobarVentana(*ventana);
  ComprobarArchivoDeOpciones(ventana->sesion().practica());
  for (int i = antes; i < fallos_.size(); ++i) {
    fallos_[i].prepend(QStringLiteral("(%1 de la acción) ").arg(QLatin1String(cuando)));
  }
}

void Tormenta::ComprobarVentana(VentanaPractica& v) {
  const Practica& p = v.sesion().practica();
  const auto fallo = [this](const QString& que) { Fallo(que); };

  if (p.TipoEjercicio < 1 || p.TipoEjercicio > 5) {
    return fallo(QStringLiteral("tipo de ejercicio %1").arg(p.TipoEjercicio));
  }
  if (!(0 <= p.NumFilas && p.NumFilas <= p.MaxFilas && p.MaxFilas <= 6)) {
    fallo(QStringLiteral("NumFilas %1, MaxFilas %2").arg(p.NumFilas).arg(p.MaxFilas));
  }
  if (p.MaxFilas != kFilasDeTipo[static_cast<size_t>(p.TipoEjercicio)]) {
    fallo(QStringLiteral("MaxFilas %1 en un ejercicio de tipo %2")
              .arg(p.MaxFilas)
              .arg(p.TipoEjercicio));
  }

  const std::set<int> estante(p.ProductoHueco.begin(), p.ProductoHueco.end());
  if (estante.size() != kHuecos || *estante.begin() < 1 ||
      *estante.rbegin() > p.NumeroProductos()) {
    fallo(QStringLiteral("estante con productos repetidos o inexistentes"));
  }

  // The record of the list: slots in rows, flags, the count of rows in use.
  const int primera = p.PrimeraFilaProducto();
  int productos = 0;
  for (int fila = 0; fila < kFilasRegistro; ++fila) {
    const int hueco = p.HuecoFila[fila];
    if (hueco == kVacio) continue;
    if (hueco < 0 || hueco >= kHuecos || fila < primera || fila >= p.MaxFilas) {
      fallo(QStringLiteral("HuecoFila(%1) = %2").arg(fila).arg(hueco));
    } else if (fila != primera + productos) {
      fallo(QStringLiteral("hueco sin cerrar antes de la fila %1").arg(fila));
    }
    ++productos;
  }
  for (int hueco = 0; hueco < kHuecos; ++hueco) {
    const auto veces = std::count(p.HuecoFila.begin(), p.HuecoFila.end(), hueco);
    if (veces > 1 || (veces == 1) != p.EnLista[hueco]) {
      fallo(QStringLiteral("EnLista(%1) = %2 y está %3 veces en HuecoFila")
                .arg(hueco)
                .arg(p.EnLista[hueco])
                .arg(veces));
    }
  }
  int enUso = productos;
  if (p.TipoEjercicio == 2 || p.TipoEjercicio == 5) enUso = productos + 1;
  if (p.TipoEjercicio == 4) enUso = productos == 0 ? 0 : 2;
  if (p.NumFilas != enUso) {
    fallo(QStringLiteral("NumFilas %1 con %2 productos en un ejercicio de tipo %3")
              .arg(p.NumFilas)
              .arg(productos)
              .arg(p.TipoEjercicio));
  }

  // The rows shown.
  if (v.ContarFilas() != p.MaxFilas) {
    fallo(QStringLiteral("%1 filas a la vista y MaxFilas %2").arg(v.ContarFilas()).arg(p.MaxFilas));
  }
  QWidget* lienzo = v.centralWidget();
  for (int fila = 0; fila < std::max(p.MaxFilas, 7); ++fila) {
    const auto* nombre = lienzo->findChild<QLabel*>(Nombrado("LBNombre", fila));
    const auto* precio = lienzo->findChild<QLineEdit*>(Nombrado("TBPrecio", fila));
    if (fila >= p.MaxFilas) {
      if ((nombre && nombre->isVisible()) || (precio && precio->isVisible())) {
        fallo(QStringLiteral("la fila %1 se ve en una lista de %2").arg(fila).arg(p.MaxFilas));
      }
      continue;
    }
    if (!nombre || !precio || !nombre->isVisible() || !precio->isVisible()) {
      fallo(QStringLiteral("la fila %1 no se ve").arg(fila));
      continue;
    }
    const QString n = nombre->text();
    const QString t = precio->text();
    const int hueco = p.HuecoFila[fila];
    bool bien;
    if (hueco != kVacio) {
      bien = n == p.NombreDeHueco(hueco) + u':' && t == FormatoPrecio(p.PrecioDeHueco(hueco));
    } else if (p.TipoEjercicio == 2 && fila == 0) {
      static const QStringList billetes = {QStringLiteral("0"),     QStringLiteral("5,00"),
                                           QStringLiteral("10,00"), QStringLiteral("20,00"),
                                           QStringLiteral("50,00"), QStringLiteral("100,00")};
      bien = n == QStringLiteral("Billete entregado:") && billetes.contains(t);
    } else if (p.TipoEjercicio == 5 && fila == 0) {
      bien = n == QStringLiteral("Dinero disponible=") && t == FormatoPrecio(p.DineroDisponible);
    } else if (p.TipoEjercicio == 4 && fila == 1 && p.NumFilas == 2) {
      bien = n == QStringLiteral("Número de unidades:") && t.size() == 1 && t[0] >= u'2' &&
             t[0] <= u'5';
    } else if (p.TipoEjercicio == 4 && fila == 1) {
      bien = (n.isEmpty() || n == QStringLiteral("Nombre:")) && t == QStringLiteral("0");
    } else {
      bien = n.isEmpty() && t == QStringLiteral("0");
    }
    if (!bien) {
      fallo(QStringLiteral("la fila %1 muestra «%2» «%3» (tipo %4, HuecoFila %5)")
                .arg(fila)
                .arg(n, t)
                .arg(p.TipoEjercicio)
                .arg(hueco));
    }
  }

  if (qobject_cast<Form1*>(&v) != nullptr) {
    for (int hueco = 0; hueco < kHuecos; ++hueco) {
      const auto* marco = lienzo->findChild<QWidget*>(DeHueco("Picture1", hueco));
      const auto* texto = lienzo->findChild<QLineEdit*>(DeHueco("Text1", hueco));
      const bool amarillo = marco->palette().color(QPalette::Window) == kAmarillo;
      if (amarillo != p.EnLista[hueco]) {
        fallo(QStringLiteral("el marco %1 %2 está amarillo").arg(hueco).arg(amarillo ? "" : "no"));
      }
      const QString linea =
          p.NombreDeHueco(hueco) + QStringLiteral("  ") + FormatoPrecio(p.PrecioDeHueco(hueco));
      if (texto->text() != linea) {
        fallo(
            QStringLiteral("Text1_%1 muestra «%2» y no «%3»").arg(hueco).arg(texto->text(), linea));
      }
    }
  }

  const bool val = v.findChild<QAction*>(QStringLiteral("MnuOpcVal"))->isChecked();
  const bool mos = v.findChild<QAction*>(QStringLiteral("MnuOpcMos"))->isChecked();
  if (val != p.ValoresEnteros || mos != p.MostrarResultado) {
    fallo(QStringLiteral("marcas del menú %1 %2 y opciones %3 %4")
              .arg(val)
              .arg(mos)
              .arg(p.ValoresEnteros)
              .arg(p.MostrarResultado));
  }
  if (p.ValoresEnteros) {
    for (const float precio : p.Precios) {
      if (precio != std::floor(precio) || precio < 1) {
        fallo(QStringLiteral("precio %1 con valores enteros").arg(static_cast<double>(precio)));
        break;
      }
    }
  }
}

// Every switch saved both options at once, and every window loaded since read them: the file
// always holds the options of the open window, or is missing while they are the defaults.
void Tormenta::ComprobarArchivoDeOpciones(const Practica& p) {
  QFile archivo(carpeta_ + QStringLiteral("/Tiendal.ini"));
  if (!archivo.open(QIODevice::ReadOnly)) {
    if (p.ValoresEnteros || !p.MostrarResultado) {
      Fallo(QStringLiteral("opciones cambiadas y ningún archivo de opciones"));
    }
    return;
  }
  const QByteArray contenido = archivo.readAll();
  if (contenido != TextoOpciones({p.ValoresEnteros, p.MostrarResultado})) {
    Fallo(QStringLiteral("Tiendal.ini guarda «%1» con las opciones %2 %3")
              .arg(QString::fromLatin1(contenido.toHex(' ')))
              .arg(p.ValoresEnteros)
              .arg(p.MostrarResultado));
  }
}

}  // namespace tiendal::robustez
