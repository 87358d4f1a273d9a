// The seeded storm of pupil actions on both windows, with the real SDL player on the dummy
// driver and sounds a few milliseconds long, so that many actions land inside readings.
#include "tormenta.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <cstdio>
#include <random>

#include "carpeta.h"
#include "wav.h"

namespace tiendal::robustez {
namespace {

constexpr std::uint32_t kSemilla = 20240607;
constexpr int kAcciones = 10000;

// Ten products, one of them with a picture that cannot be read; sounds of 1 to 15 ms (the
// dummy driver plays them in one or two 12 ms buffers), a few product sounds missing.
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
  for (const QString& sonido : sonidos) {
    carpeta.Escribir(QStringLiteral("Sonidos/") + sonido, Wav(largo(azar)));
  }
}

TEST(Tormenta, DiezMilAccionesAlAzarSinRomperNada) {
  const std::uint32_t semilla = SemillaDeTormenta(kSemilla);
  const int acciones = AccionesDeTormenta(kAcciones);
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
      static_cast<long long>(reloj.elapsed()), tormenta.ProfundidadMaxima(), tormenta.EnLectura());
  for (const auto& [accion, veces] : tormenta.Cuentas()) {
    std::printf("  %5d  %s\n", veces, qPrintable(accion));
  }
  for (const QString& fallo : tormenta.Fallos()) {
    ADD_FAILURE() << "semilla " << semilla << ", " << fallo.toStdString();
  }
  if (!tormenta.Fallos().isEmpty()) {
    std::printf("Para repetirla: TIENDAL_SEMILLA=%u TIENDAL_ACCIONES=%d\n", semilla, acciones);
  }
}

}  // namespace
}  // namespace tiendal::robustez
