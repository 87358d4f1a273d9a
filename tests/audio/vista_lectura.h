#ifndef TIENDAL_TESTS_AUDIO_VISTA_LECTURA_H
#define TIENDAL_TESTS_AUDIO_VISTA_LECTURA_H

#include <QStringList>
#include <functional>

#include "core/vista.h"

namespace tiendal {

// The list rows and the result box of a window, and nothing else that a reading could notice.
// Every use is counted in a tally the test owns, so that a test can tell the reading left the
// window alone.
class VistaLectura final : public Vista {
 public:
  explicit VistaLectura(int* usos) : usos_(usos) {}

  QStringList precios{QStringLiteral("0")};
  QString resultado;
  std::function<void(const QString&)> alReproducir;

  void PonerInstrucciones(const QString&) override {}
  void PonerTextoHueco(int, const QString&) override {}
  void CargarImagen(int, const QString&) override {}
  int AnchoImagen(int) const override { return 0; }
  int AltoImagen(int) const override { return 0; }
  void EstirarImagen(int, float, float) override {}
  void ColocarImagen(int, double, double) override {}
  void ResaltarHueco(int, bool) override {}

  int ContarFilas() const override {
    ++*usos_;
    return static_cast<int>(precios.size());
  }
  void CrearFila() override { precios.append(QStringLiteral("0")); }
  void DestruirFila(int fila) override { precios.removeAt(fila); }
  void MostrarFila(int, int, int, int) override {}
  void PonerNombre(int, const QString&) override {}
  QString Nombre(int) const override { return {}; }
  void PonerPrecio(int fila, const QString& texto) override { precios[fila] = texto; }
  QString Precio(int fila) const override {
    ++*usos_;
    return precios.at(fila);
  }
  void EnfocarPrecio(int) override {}

  void PonerArribaResultado(int) override {}
  void PonerResultado(const QString& texto) override { resultado = texto; }
  QString Resultado() const override {
    ++*usos_;
    return resultado;
  }

  void PonerUltimoEnOrden(Control, int) override {}
  void MarcarOpcion(Opcion, bool) override {}
  void Mensaje(const QString&) override {}
  void Pitido() override {}
  void ReproducirSonido(const QString& nombre) override {
    if (alReproducir) alReproducir(nombre);
  }

 private:
  int* usos_;
};

}  // namespace tiendal

#endif
