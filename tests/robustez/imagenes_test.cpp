// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Odd pictures on the shelf: each is shown as it should be or left empty, with its name and
// price beside it; the window comes up whole either way.
#include <gtest/gtest.h>

#include <functional>

#include "arranque.h"
#include "carpeta.h"
#include "mouse_window/imagen_estante.h"
#include "tests/comun/jpeg.h"

namespace tiendal::robustez {
namespace {

struct CasoImagen {
  const char* nombre;
  std::function<QByteArray()> bytes;
  QSize propio;  // the upright size the window takes; empty when the file cannot be read
  bool pintada;  // whether any pixels come out of it; if not, standard error names the file
};

QByteArray Roja() { return JpegQt({64, 48}, Qt::red); }
QByteArray Exif(int orientacion) { return JpegConExif(DosMitades({64, 48}, Qt::red), orientacion); }

// clang-format off
const CasoImagen kImagenes[] = {
    {"Normal", Roja, {64, 48}, true},
    {"CeroBytes", [] { return QByteArray(); }, {}, false},
    // An EXIF segment shorter than its own "Exif" header, before the real one.
    {"ExifMasCortoQueSuCabecera", [] { return Exif(1).insert(2, QByteArray("\xFF\xE1\x00\x04", 4) + QByteArray("Exif\0\0", 6)); }, {64, 48}, true},
    {"MuyAncha", [] { return JpegQt({400, 10}, Qt::red); }, {400, 10}, true},
    {"MuyAlta", [] { return JpegQt({10, 400}, Qt::red); }, {10, 400}, true},
};
// clang-format on

// Whether the picture put any pixel of its own on the screen: rendered alone, it shows more
// than its background colour.
bool Pintada(ImagenEstante* imagen) {
  if (imagen->size().isEmpty()) return false;
  const QImage pixeles = imagen->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QRgb fondo = imagen->palette().color(QPalette::Window).rgb();
  for (int y = 0; y < pixeles.height(); ++y)
    for (int x = 0; x < pixeles.width(); ++x)
      if (pixeles.pixel(x, y) != fondo) return true;
  return false;
}

class Imagen : public ::testing::TestWithParam<CasoImagen> {};

// Five good pictures and the odd one make six: the odd one is always on the shelf.
TEST_P(Imagen, SeMuestraOQuedaVaciaConSuNombreYPrecio) {
  const CasoImagen& caso = GetParam();
  Carpeta carpeta;
  auto productos = PrimerosProductos(5);
  productos.push_back({QStringLiteral("raro"), "2.5"});
  carpeta.Llenar(productos);
  carpeta.Escribir(QStringLiteral("imágenes/raro.jpg"), caso.bytes());

  const auto arranque = Arrancar(carpeta.Ruta());

  ASSERT_NO_FATAL_FAILURE(ComprobarVentanaEntera(*arranque));
  VentanaPractica& ventana = *arranque->Ventana();
  const int hueco = HuecoDe(ventana.sesion().practica(), QStringLiteral("raro"));
  ASSERT_GE(hueco, 0);
  const auto* texto = ventana.findChild<QWidget*>(QStringLiteral("Text1_%1").arg(hueco));
  EXPECT_EQ(texto->property("text").toString(), QStringLiteral("raro  2,5"));

  auto* imagen = ventana.findChild<ImagenEstante*>(QStringLiteral("Image1_%1").arg(hueco));
  ASSERT_NE(imagen, nullptr);
  EXPECT_EQ(imagen->TamanoPropio(), caso.propio.isEmpty() ? QSize(0, 0) : caso.propio);
  EXPECT_EQ(Pintada(imagen), caso.pintada);
  const QString aviso = QStringLiteral("Tiendal: no se puede leer la imagen «%1».")
                            .arg(carpeta.Ruta(QStringLiteral("imágenes/raro.jpg")));
  EXPECT_EQ(arranque->Avisos(), caso.pintada ? QStringList() : QStringList{aviso});
  if (caso.propio.isEmpty()) {
    EXPECT_EQ(imagen->size(), QSize(0, 0));
  } else {
    // 960 twips high, as wide as its proportions say, centred across the 2000-twip frame.
    const double ancho = 64.0 * caso.propio.width() / caso.propio.height();
    EXPECT_EQ(imagen->height(), 64);
    EXPECT_NEAR(imagen->width(), ancho, 1.0);
    EXPECT_NEAR(imagen->x() + imagen->width() / 2.0, 2000.0 / 15 / 2, 1.0);
  }
}

INSTANTIATE_TEST_SUITE_P(Robustez, Imagen, ::testing::ValuesIn(kImagenes),
                         NombreDelCaso<CasoImagen>);

// File names as teachers write them: spaces, ñ and accents, capitals in the extension. Each
// finds its own line of the prices file, written in Windows-1252.
TEST(NombresDeImagen, EspaciosEñesMayusculasYUnoQueNoEsUtf8) {
  Carpeta carpeta;
  std::vector<Producto> productos = PrimerosProductos(3);
  productos.insert(productos.end(), {{QStringLiteral("pan de molde"), "1.25"},
                                     {QStringLiteral("ÑAME"), "3"},
                                     {QStringLiteral("jamón serrano"), "9.99"}});
  carpeta.Llenar(productos);
  carpeta.Borrar(QStringLiteral("imágenes/ÑAME.jpg"));
  carpeta.Escribir(QStringLiteral("imágenes/ÑAME.JPG"), JpegQt({40, 30}, Qt::blue));
  // A name copied from a Windows disk without conversion: its ñ is one Latin-1 byte, which is
  // no UTF-8. The listing cannot name that file so that it could be opened, and leaves it out.
  const QByteArray latin1 = QFile::encodeName(carpeta.Ruta(QStringLiteral("imágenes/"))) +
                            "pi\xF1"
                            "a.jpg";
  FILE* f = std::fopen(latin1.constData(), "wb");
  ASSERT_NE(f, nullptr);
  std::fclose(f);

  const auto arranque = Arrancar(carpeta.Ruta());

  ASSERT_NO_FATAL_FAILURE(ComprobarVentanaEntera(*arranque));
  VentanaPractica& ventana = *arranque->Ventana();
  const Practica& p = ventana.sesion().practica();
  ASSERT_EQ(p.NumeroProductos(), 6);
  for (const Producto& producto : productos) {
    const auto k = p.Productos.indexOf(producto.nombre);
    ASSERT_GE(k, 0) << producto.nombre.toStdString();
    EXPECT_FLOAT_EQ(p.Precios[static_cast<size_t>(k)], producto.precio.toFloat());
    const int hueco = HuecoDe(p, producto.nombre);
    auto* imagen = ventana.findChild<ImagenEstante*>(QStringLiteral("Image1_%1").arg(hueco));
    EXPECT_TRUE(Pintada(imagen)) << producto.nombre.toStdString();
  }
  std::remove(latin1.constData());  // the temporary folder could not remove it either
}

}  // namespace
}  // namespace tiendal::robustez
