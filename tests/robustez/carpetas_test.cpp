// Program folders the start cannot work with: it stops with one message naming what is wrong.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <functional>

#include "arranque.h"
#include "carpeta.h"
#include "jpeg.h"

namespace tiendal::robustez {
namespace {

struct CasoParada {
  const char* nombre;
  std::function<void(const Carpeta&)> estropear;  // on a folder with eight good products
  const char* nombrado;                           // relative path the message must name
  const char* motivo;                             // words of the message
};

// clang-format off
const CasoParada kParadas[] = {
    {"SinCarpetaDeImagenes",
     [](const Carpeta& c) { c.Borrar(QStringLiteral("imágenes")); },
     "imágenes", "No se encuentra la carpeta de imágenes"},
    {"ImagenesEsUnArchivo",
     [](const Carpeta& c) {
       c.Borrar(QStringLiteral("imágenes"));
       c.Escribir(QStringLiteral("imágenes"), "no soy una carpeta");
     },
     "imágenes", "No se encuentra la carpeta de imágenes"},
    {"CarpetaDeImagenesVacia",
     [](const Carpeta& c) {
       c.Borrar(QStringLiteral("imágenes"));
       c.CrearCarpeta(QStringLiteral("imágenes"));
     },
     "imágenes", "no tiene ninguna imagen .jpg"},
    {"SoloPngYJpeg",
     [](const Carpeta& c) {
       c.Borrar(QStringLiteral("imágenes"));
       c.Escribir(QStringLiteral("imágenes/pan.png"), Png(QSize(8, 8), Qt::red));
       c.Escribir(QStringLiteral("imágenes/leche.jpeg"), JpegQt(QSize(8, 8), Qt::red));
       c.Escribir(QStringLiteral("imágenes/huevos.jpg.bak"), JpegQt(QSize(8, 8), Qt::red));
     },
     "imágenes", "no tiene ninguna imagen .jpg"},
    {"CincoImagenes",
     [](const Carpeta& c) {
       c.Borrar(QStringLiteral("imágenes"));
       c.Imagenes(PrimerosProductos(5));
     },
     "imágenes", "tiene 5 imágenes .jpg y hacen falta al menos seis"},
    {"CincoImagenesUnaCarpetaYUnEnlaceRoto",
     [](const Carpeta& c) {
       c.Borrar(QStringLiteral("imágenes"));
       c.Imagenes(PrimerosProductos(5));
       c.CrearCarpeta(QStringLiteral("imágenes/carpeta.jpg"));
       QFile::link(c.Ruta(QStringLiteral("no-existe.jpg")), c.Ruta(QStringLiteral("imágenes/roto.jpg")));
     },
     "imágenes", "tiene 5 imágenes .jpg y hacen falta al menos seis"},
    {"SinArchivoDePrecios",
     [](const Carpeta& c) { c.Borrar(QStringLiteral("precios.txt")); },
     "precios.txt", "No se puede leer el archivo de precios"},
    {"PreciosEsUnaCarpeta",
     [](const Carpeta& c) {
       c.Borrar(QStringLiteral("precios.txt"));
       c.CrearCarpeta(QStringLiteral("precios.txt"));
     },
     "precios.txt", "No se puede leer el archivo de precios"},
    {"PreciosEsUnEnlaceRoto",
     [](const Carpeta& c) {
       c.Borrar(QStringLiteral("precios.txt"));
       QFile::link(c.Ruta(QStringLiteral("no-existe.txt")), c.Ruta(QStringLiteral("precios.txt")));
     },
     "precios.txt", "No se puede leer el archivo de precios"},
};
// clang-format on

class Parada : public ::testing::TestWithParam<CasoParada> {};

TEST_P(Parada, UnMensajeQueNombraLoQueFaltaYNadaEscrito) {
  Carpeta carpeta;
  carpeta.Llenar();
  carpeta.Escribir(QStringLiteral("Tiendal.ini"), " 1 \r\n 0 \r\n");
  GetParam().estropear(carpeta);
  const QStringList antes = carpeta.Contenido();

  const auto arranque = Arrancar(carpeta.Ruta());

  ComprobarParadaOrdenada(
      *arranque, QDir::toNativeSeparators(carpeta.Ruta(QString::fromUtf8(GetParam().nombrado))));
  if (!arranque->cajas.empty()) {
    EXPECT_TRUE(arranque->cajas.front().texto.contains(QString::fromUtf8(GetParam().motivo)))
        << arranque->cajas.front().texto.toStdString();
  }
  EXPECT_EQ(carpeta.Contenido(), antes);
  EXPECT_EQ(carpeta.Leer(QStringLiteral("Tiendal.ini")), QByteArray(" 1 \r\n 0 \r\n"));
}

INSTANTIATE_TEST_SUITE_P(Robustez, Parada, ::testing::ValuesIn(kParadas),
                         NombreDelCaso<CasoParada>);

// Entries the listing must pass over: with six real pictures beside them, the program starts
// on exactly those six.
TEST(Rarezas, CarpetasEnlacesYOtrasExtensionesNoSonProductos) {
  Carpeta carpeta;
  carpeta.Llenar(PrimerosProductos(6));
  carpeta.CrearCarpeta(QStringLiteral("imágenes/carpeta.jpg"));
  QFile::link(carpeta.Ruta(QStringLiteral("no-existe.jpg")),
              carpeta.Ruta(QStringLiteral("imágenes/roto.jpg")));
  carpeta.Escribir(QStringLiteral("imágenes/leche.jpeg"), JpegQt(QSize(8, 8), Qt::red));
  carpeta.Escribir(QStringLiteral("imágenes/Thumbs.db"), "basura");

  const auto arranque = Arrancar(carpeta.Ruta());

  ASSERT_NO_FATAL_FAILURE(ComprobarVentanaEntera(*arranque));
  QStringList productos = arranque->Ventana()->sesion().practica().Productos;
  productos.sort();
  EXPECT_EQ(productos, QStringList({"aceite", "huevos", "leche", "pan", "plátanos", "queso"}));
}

}  // namespace
}  // namespace tiendal::robustez
