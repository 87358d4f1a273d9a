// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <tuple>

#include "mouse_window/almacen_fotos.h"
#include "mouse_window/imagen_estante.h"
#include "tests/comun/jpeg.h"
#include "window_base/encaje.h"

namespace tiendal {
namespace {

struct Orientacion {
  int exif;
  QSize derecha;  // the upright size of a 60 x 40 picture
  QPoint rojo;    // a point of the stored left half, once upright
  int exifCorto = 0;  // 1: an EXIF segment shorter than its own header comes first
};

class ImagenTest : public ::testing::TestWithParam<Orientacion> {};

TEST_P(ImagenTest, PictureIsSizedAndShownUpright) {
  const Orientacion& o = GetParam();
  QTemporaryDir dir;
  EscribirJpeg(dir.filePath(QStringLiteral("foto.jpg")), 60, 40, o.exif);
  if (o.exifCorto) {
    QFile archivo(dir.filePath(QStringLiteral("foto.jpg")));
    ASSERT_TRUE(archivo.open(QIODevice::ReadWrite));
    const QByteArray bytes =
        archivo.readAll().insert(2, QByteArray("\xFF\xE1\x00\x04", 4) + QByteArray("Exif\0\0", 6));
    archivo.seek(0);
    archivo.write(bytes);
  }
  AlmacenFotos almacen(1024);
  QWidget marco;
  marco.resize(200, 200);
  auto* imagen = new ImagenEstante(&marco, almacen);
  imagen->Cargar(dir.filePath(QStringLiteral("foto.jpg")));
  EXPECT_EQ(imagen->TamanoPropio(), o.derecha);
  imagen->Estirar(o.derecha);
  imagen->show();
  marco.show();
  const QImage captura = imagen->grab().toImage();
  const QRgb rojo = captura.pixel(o.rojo);
  const QRgb azul =
      captura.pixel(o.derecha.width() - 1 - o.rojo.x(), o.derecha.height() - 1 - o.rojo.y());
  EXPECT_TRUE(qRed(rojo) > 200 && qBlue(rojo) < 80);
  EXPECT_TRUE(qBlue(azul) > 200 && qRed(azul) < 80);
}

INSTANTIATE_TEST_SUITE_P(Exif, ImagenTest,
                         ::testing::Values(Orientacion{1, QSize(60, 40), QPoint(10, 20)},
                                           Orientacion{3, QSize(60, 40), QPoint(50, 20)},
                                           Orientacion{6, QSize(40, 60), QPoint(20, 10)},
                                           Orientacion{8, QSize(40, 60), QPoint(20, 50)},
                                           Orientacion{1, QSize(60, 40), QPoint(10, 20), 1}));

// 64 pixels high, as wide as the proportions say once set in whole pixels, centred across the
// 2000-twip frame; a wide picture is cut by the frame, an unreadable one is left empty.
TEST(EncajarImagen, CentraYRecortaPorLaProporcion) {
  EXPECT_EQ(EncajarImagen(QSize(400, 100)), QRect(-61, 0, 256, 64));
  EXPECT_EQ(EncajarImagen(QSize(20, 100)), QRect(60, 0, 13, 64));  // 192 twips, 13 pixels
  EXPECT_EQ(EncajarImagen(QSize(100, 100)), QRect(35, 0, 64, 64));
  EXPECT_EQ(EncajarImagen(QSize(0, 0)), QRect(67, 0, 0, 0));
}

// Red on the left, blue on the right: the picture as EscribirJpeg stores it, once upright.
void ComprobarColores(const QImage& imagen, QSize tamano) {
  ASSERT_EQ(imagen.size(), tamano);
  const QRgb izquierda = imagen.pixel(tamano.width() / 4, tamano.height() / 2);
  const QRgb derecha = imagen.pixel(tamano.width() * 3 / 4, tamano.height() / 2);
  EXPECT_TRUE(qRed(izquierda) > 200 && qBlue(izquierda) < 80);
  EXPECT_TRUE(qBlue(derecha) > 200 && qRed(derecha) < 80);
}

// A camera's thumbnail is what the shelf decodes when it is large enough and of the picture's
// shape; a smaller one, or one padded to other proportions, is passed over.
TEST(Miniatura, SeUsaSiBastaYTieneLaForma) {
  QImage roja(120, 80, QImage::Format_RGB32);
  roja.fill(Qt::red);
  for (const auto& [suya, pedido, usada] : {std::tuple{QSize(60, 40), QSize(60, 40), true},
                                            std::tuple{QSize(60, 40), QSize(90, 60), false},
                                            std::tuple{QSize(80, 45), QSize(60, 40), false}}) {
    QImage azul(suya, QImage::Format_RGB32);
    azul.fill(Qt::blue);
    QByteArray bytes = JpegConExif(roja, 1, azul);
    QBuffer archivo(&bytes);
    archivo.open(QIODevice::ReadOnly);
    const CabeceraFoto cabecera = LeerCabeceraFoto(archivo);
    EXPECT_EQ(cabecera.derecha, QSize(120, 80));
    const QImage foto = LeerFotoReducida(archivo, cabecera, pedido);
    const QRgb medio = foto.pixel(pedido.width() / 2, pedido.height() / 2);
    EXPECT_EQ(qBlue(medio) > 200, usada) << suya.width() << "x" << suya.height();
  }
}

enum class Camino { Directo, Encargado, Anticipado };

class AlmacenFotosTest : public ::testing::TestWithParam<Camino> {};

// However the store comes by a picture (decoded when asked, by a worker, or brought down from
// one decoded ahead), it gives it upright and at the asked size.
TEST_P(AlmacenFotosTest, DaLaFotoDerechaAlTamanoPedido) {
  QTemporaryDir dir;
  const QString ruta = dir.filePath(QStringLiteral("foto.jpg"));
  EscribirJpeg(ruta, 90, 60, 8);  // stored 90 x 60, upright 60 x 90
  const CabeceraFoto cabecera = LeerCabeceraFoto(ruta);
  const QSize tamano(30, 45);
  AlmacenFotos almacen(1024);
  if (GetParam() == Camino::Encargado) almacen.Encargar(ruta, cabecera, tamano);
  if (GetParam() == Camino::Anticipado) {
    almacen.Anticipar({ruta}, 60);
    almacen.Esperar();
  }
  ComprobarColores(almacen.Tomar(ruta, cabecera, tamano).transformed(QTransform().rotate(90)),
                   tamano.transposed());
}

INSTANTIATE_TEST_SUITE_P(Caminos, AlmacenFotosTest,
                         ::testing::Values(Camino::Directo, Camino::Encargado, Camino::Anticipado));

TEST(AlmacenFotos, UnArchivoCambiadoSeDecodificaDeNuevo) {
  QTemporaryDir dir;
  const QString ruta = dir.filePath(QStringLiteral("foto.jpg"));
  EscribirJpeg(ruta, 60, 40);
  AlmacenFotos almacen(1024);
  const QImage antes = almacen.Tomar(ruta, LeerCabeceraFoto(ruta), QSize(30, 20));
  QImage azul(60, 40, QImage::Format_RGB32);
  azul.fill(Qt::blue);
  ASSERT_TRUE(azul.save(ruta, "JPEG", 50));  // another size on disk
  const QImage despues = almacen.Tomar(ruta, LeerCabeceraFoto(ruta), QSize(30, 20));
  EXPECT_GT(qRed(antes.pixel(2, 10)), 200);
  EXPECT_LT(qRed(despues.pixel(2, 10)), 80);
}

// A window closed while pictures wait to be decoded ahead neither hangs nor crashes.
TEST(AlmacenFotos, SeCierraConTrabajoPendiente) {
  QTemporaryDir dir;
  QStringList rutas;
  for (int i = 0; i < 40; ++i) {
    rutas << dir.filePath(QStringLiteral("foto%1.jpg").arg(i));
    EscribirJpeg(rutas.back(), 600, 400);
  }
  const CabeceraFoto cabecera = LeerCabeceraFoto(rutas[0]);
  auto almacen = std::make_unique<AlmacenFotos>(4096);
  almacen->Encargar(rutas[0], cabecera, QSize(60, 40));
  almacen->Anticipar(rutas, 64);
  almacen.reset();
}

}  // namespace
}  // namespace tiendal
