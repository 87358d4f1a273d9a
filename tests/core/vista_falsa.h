#ifndef TIENDAL_TESTS_CORE_VISTA_FALSA_H
#define TIENDAL_TESTS_CORE_VISTA_FALSA_H

#include <QHash>
#include <QStringList>
#include <deque>
#include <map>
#include <ostream>
#include <stdexcept>

#include "core/aleatorio.h"
#include "core/practica.h"
#include "core/sesion.h"
#include "core/vista.h"

inline void PrintTo(const QString& texto, std::ostream* os) {
  *os << '"' << texto.toStdString() << '"';
}

namespace tiendal {

// Draws taken from a script, in order; a test that runs out of them fails loudly.
class AleatorioGuion final : public Aleatorio {
 public:
  void Poner(double r) { guion_.push_back(r); }
  double Siguiente() override {
    if (guion_.empty()) throw std::runtime_error("guion de azar agotado");
    const double r = guion_.front();
    guion_.pop_front();
    return r;
  }

 private:
  std::deque<double> guion_;
};

// A window that only remembers: the list rows, texts, marks, and the ordered log of messages,
// sounds and beeps.
class VistaFalsa : public Vista {
 public:
  struct Fila {
    QString nombre, precio;
    int arriba = -1;
  };
  std::vector<Fila> filas{Fila{}};
  QString instrucciones, resultado;
  int arribaResultado = -1;
  std::array<QString, kHuecos> textosHueco;
  std::array<bool, kHuecos> resaltado{};
  std::map<Opcion, bool> marcas;
  QStringList orden;    // focus order as it was last put
  QStringList eventos;  // "sonido tipo1.wav", "mensaje ...", "pitido", "destruir 5"
  int enfocada = -1;
  // Picture sizes in twips by file name; missing ones read as 0 x 0.
  QHash<QString, std::pair<int, int>> tamanos;
  std::array<std::pair<int, int>, kHuecos> imagen{};
  std::array<std::pair<double, double>, kHuecos> posicion{};

  QStringList Mensajes() const { return eventos.filter(QStringLiteral("mensaje ")); }

  void PonerInstrucciones(const QString& t) override { instrucciones = t; }
  void PonerTextoHueco(int h, const QString& t) override { textosHueco[h] = t; }
  void CargarImagen(int h, const QString& ruta) override {
    imagen[h] = tamanos.value(ruta.section(u'/', -1), {0, 0});
  }
  int AnchoImagen(int h) const override { return imagen[h].first; }
  int AltoImagen(int h) const override { return imagen[h].second; }
  void EstirarImagen(int h, float ancho, float alto) override {
    // Whole pixels of 15 twips, as a window sets them.
    imagen[h] = {static_cast<int>(std::lround(ancho / 15)) * 15,
                 static_cast<int>(std::lround(alto / 15)) * 15};
  }
  void ColocarImagen(int h, double izquierda, double arriba) override {
    posicion[h] = {izquierda, arriba};
  }
  void ResaltarHueco(int h, bool r) override { resaltado[h] = r; }
  int ContarFilas() const override { return static_cast<int>(filas.size()); }
  void CrearFila() override { filas.push_back(filas[0]); }
  void DestruirFila(int f) override {
    eventos << QStringLiteral("destruir %1").arg(f);
    filas.erase(filas.begin() + f);
  }
  void MostrarFila(int f, int arriba, int, int) override { filas[f].arriba = arriba; }
  void PonerNombre(int f, const QString& t) override { filas[f].nombre = t; }
  QString Nombre(int f) const override { return filas[f].nombre; }
  void PonerPrecio(int f, const QString& t) override { filas[f].precio = t; }
  QString Precio(int f) const override { return filas[f].precio; }
  void EnfocarPrecio(int f) override { enfocada = f; }
  void PonerArribaResultado(int a) override { arribaResultado = a; }
  void PonerResultado(const QString& t) override { resultado = t; }
  QString Resultado() const override { return resultado; }
  void PonerUltimoEnOrden(Control c, int f) override {
    static const char* nombres[] = {"Text2", "LBNombre", "TBPrecio", "LBResultado", "TBResultado"};
    QString nombre = QString::fromLatin1(nombres[static_cast<int>(c)]);
    if (c == Control::Nombre || c == Control::Precio) nombre += QString::number(f);
    orden.removeAll(nombre);
    orden << nombre;
  }
  void MarcarOpcion(Opcion o, bool m) override { marcas[o] = m; }
  void Mensaje(const QString& t) override { eventos << QStringLiteral("mensaje ") + t; }
  void Pitido() override { eventos << QStringLiteral("pitido"); }
  void ReproducirSonido(const QString& n) override { eventos << QStringLiteral("sonido ") + n; }
};

// A practice with a catalogue given in code, and exercises drawn to order.
struct Banco {
  VistaFalsa vista;
  AleatorioGuion azar;
  Sesion sesion;

  explicit Banco(const QString& carpeta = QStringLiteral("/nonexistent"),
                 Estante estante = Estante::Visible)
      : sesion(vista, azar, carpeta, estante) {}

  Practica& p() { return sesion.practica(); }

  void Catalogo(const std::vector<std::pair<QString, float>>& productos) {
    p().Imagenes.clear();
    p().Productos.clear();
    p().Precios.clear();
    for (const auto& [nombre, precio] : productos) {
      p().Imagenes << nombre + QStringLiteral(".jpg");
      p().Productos << nombre;
      p().Precios.push_back(precio);
    }
  }

  // The draws that give a type and a shelf of catalogue numbers (1..N), then further draws.
  void Guion(int tipo, std::array<int, kHuecos> estante, std::vector<double> mas = {}) {
    azar.Poner((tipo - 1 + 0.5) / 5);
    for (int k : estante) azar.Poner((k - 1 + 0.5) / p().NumeroProductos());
    for (double r : mas) azar.Poner(r);
  }

  // A new exercise of the given type on a shelf of products 1..6 in order.
  // Type 5 draws its money from `mas`, a quarter of the shelf when none is given.
  void Ejercicio(int tipo, std::vector<double> mas = {}) {
    if (tipo == 5 && mas.empty()) mas = {0.0};
    Guion(tipo, {1, 2, 3, 4, 5, 6}, std::move(mas));
    sesion.CBNuevo_Click();
    vista.eventos.clear();
  }

  // Products named a..f with the given prices, on the shelf in that order.
  void Estante(std::array<float, kHuecos> precios) {
    std::vector<std::pair<QString, float>> productos;
    for (int i = 0; i < kHuecos; ++i) productos.emplace_back(QString(QChar(u'a' + i)), precios[i]);
    Catalogo(productos);
  }
};

}  // namespace tiendal

#endif
