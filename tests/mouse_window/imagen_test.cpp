// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QBuffer>
#include <QTemporaryDir>
#include <tuple>

#include "mouse_window/almacen_fotos.h"
#include "mouse_window/imagen_estante.h"
#include "tests/comun/jpeg.h"
#include "window_base/encaje.h"
#include "window_base/twips.h"

namespace tiendal {
namespace {

// How the store comes by the picture: decoded when asked, for the shelf's picture (which has a
// worker decode it at the size it is stretched to), or brought down from one decoded ahead.
enum class Camino { Directo, Estante, Anticipado };

// The EXIF orientation of a 60 x 40 picture, its upright size, and a point of its stored top left
// quarter, red, once upright and halved; the rest is blue.
using Orientacion = std::tuple<int, QSize, QPoint>;

class AlmacenFotosTest : public ::testing::TestWithParam<std::tuple<Orientacion, Camino>> {};

// However it comes by it, the store gives the picture upright, at the asked size, half here.
TEST_P(AlmacenFotosTest, DaLaFotoDerechaAlTamanoPedido) {
  const auto& [orientacion, camino] = GetParam();
  const auto& [exif, derecha, rojo] = orientacion;
  QTemporaryDir dir;
  const QString ruta = dir.filePath(QStringLiteral("foto.jpg"));
  EscribirJpeg(ruta, 60, 40, exif);
  const CabeceraFoto cabecera = LeerCabeceraFoto(ruta);
  EXPECT_EQ(cabecera.derecha, derecha);
  const QSize tamano = derecha / 2;
  AlmacenFotos almacen(1024);
  QImage foto;
  if (camino == Camino::Estante) {
    // Hidden, as the shelf's are until the window shows: the grab paints it all the same, in
    // the screen's pixels (twice as many at scale 2), brought back to the widget's size.
    ImagenEstante imagen(nullptr, almacen);
    imagen.Cargar(ruta);
    imagen.Estirar(tamano);
    foto = imagen.grab().toImage().scaled(imagen.size());
  } else {
    if (camino == Camino::Anticipado) almacen.Anticipar({ruta}, derecha.height());
    almacen.Esperar();
    foto = almacen.Tomar(ruta, cabecera, tamano);
  }
  ASSERT_EQ(foto.size(), tamano);
  const QRgb cuarto = foto.pixel(rojo);  // of the stored picture, and the point opposite
  const QRgb opuesta = foto.pixel(tamano.width() - 1 - rojo.x(), tamano.height() - 1 - rojo.y());
  EXPECT_TRUE(qRed(cuarto) > 200 && qBlue(cuarto) < 80);
  EXPECT_TRUE(qBlue(opuesta) > 200 && qRed(opuesta) < 80);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Exif, AlmacenFotosTest, ::testing::Combine(
    ::testing::Values(Orientacion{1, {60, 40}, {4, 4}}, Orientacion{2, {60, 40}, {25, 4}},
                      Orientacion{3, {60, 40}, {25, 15}}, Orientacion{4, {60, 40}, {4, 15}},
                      Orientacion{5, {40, 60}, {4, 4}}, Orientacion{6, {40, 60}, {15, 4}},
                      Orientacion{7, {40, 60}, {15, 25}}, Orientacion{8, {40, 60}, {4, 25}}),
    ::testing::Values(Camino::Directo, Camino::Estante, Camino::Anticipado)));
// clang-format on

// 64 pixels high, as wide as the proportions say once set in whole pixels, centred across the
// 2000-twip frame; a wide picture is cut by the frame, an unreadable one is left empty. At twice
// the designed size, twice the pixels.
TEST(EncajarImagen, CentraYRecortaPorLaProporcion) {
  const double antes = Escala();
  FijarEscala(1);
  EXPECT_EQ(EncajarImagen(QSize(400, 100)), QRect(-61, 0, 256, 64));
  EXPECT_EQ(EncajarImagen(QSize(20, 100)), QRect(60, 0, 13, 64));  // 192 twips, 13 pixels
  EXPECT_EQ(EncajarImagen(QSize(100, 100)), QRect(35, 0, 64, 64));
  EXPECT_EQ(EncajarImagen(QSize(0, 0)), QRect(67, 0, 0, 0));
  FijarEscala(2);
  EXPECT_EQ(EncajarImagen(QSize(100, 100)), QRect(69, 0, 128, 128));
  FijarEscala(antes);
}

// A camera's thumbnail is what the shelf decodes when it is large enough and of the picture's
// shape, and ends within the part of the file read for it; a smaller one, one padded to other
// proportions, or one that ends a byte further, is passed over.
TEST(Miniatura, SeUsaSiBastaTieneLaFormaYSeLee) {
  using Caso = std::tuple<QSize, QSize, int, bool>;  // thumbnail, size asked for, end, used
  for (const auto& [suya, pedido, fin, usada] :
       {Caso{{60, 40}, {60, 40}, 0, true}, Caso{{60, 40}, {90, 60}, 0, false},
        Caso{{59, 40}, {60, 40}, 0, false}, Caso{{60, 39}, {60, 40}, 0, false},
        Caso{{80, 45}, {60, 40}, 0, false}, Caso{{60, 40}, {60, 40}, 69632, true},
        Caso{{60, 40}, {60, 40}, 69633, false}}) {
    QByteArray bytes = JpegConExif(Cuarto({120, 80}, Qt::red), 1, Cuarto(suya, Qt::blue), 90, fin);
    QBuffer archivo(&bytes);
    archivo.open(QIODevice::ReadOnly);
    const QImage foto = LeerFotoReducida(archivo, LeerCabeceraFoto(archivo), pedido);
    EXPECT_EQ(qBlue(foto.pixel(pedido.width() / 4, pedido.height() / 4)) > 200, usada)
        << suya.width() << "x" << suya.height() << " " << fin;
  }
}

// A file changed on disk is decoded afresh; a store closed while pictures wait to be decoded
// ahead, as many as its memory allows, neither hangs nor crashes.
TEST(AlmacenFotos, UnArchivoCambiadoSeDecodificaDeNuevoYSeCierraConTrabajoPendiente) {
  QTemporaryDir dir;
  QStringList rutas;
  for (int i = 0; i < 40; ++i) {
    rutas << dir.filePath(QStringLiteral("foto%1.jpg").arg(i));
    EscribirJpeg(rutas.back(), 600, 400);
  }
  AlmacenFotos almacen(1024);  // room to decode 16 ahead: fewer than asked for
  EXPECT_GT(qRed(almacen.Tomar(rutas[0], LeerCabeceraFoto(rutas[0]), {30, 20}).pixel(2, 4)), 200);
  EscribirJpeg(rutas[0], 60, 40, 3);  // smaller, and upside down: red at the bottom right
  EXPECT_LT(qRed(almacen.Tomar(rutas[0], LeerCabeceraFoto(rutas[0]), {30, 20}).pixel(2, 4)), 80);
  almacen.Encargar(rutas[1], LeerCabeceraFoto(rutas[1]), QSize(60, 40));
  almacen.Anticipar(rutas, 64);
}

}  // namespace
}  // namespace tiendal
