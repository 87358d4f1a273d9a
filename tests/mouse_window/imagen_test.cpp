#include <gtest/gtest.h>

#include "mouse_window/imagen_estante.h"
#include "tests/mouse_window/entorno.h"

namespace tiendal {
namespace {

struct Orientacion {
  int exif;
  QSize derecha;  // the upright size of a 60 x 40 picture
  QPoint rojo;    // a point of the stored left half, once upright
};

class ImagenTest : public ::testing::TestWithParam<Orientacion> {};

TEST_P(ImagenTest, PictureIsSizedAndShownUpright) {
  const Orientacion& o = GetParam();
  QTemporaryDir dir;
  EscribirJpeg(dir.filePath(QStringLiteral("foto.jpg")), 60, 40, o.exif);
  QWidget marco;
  marco.resize(200, 200);
  auto* imagen = new ImagenEstante(&marco);
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
                                           Orientacion{8, QSize(40, 60), QPoint(20, 50)}));

}  // namespace
}  // namespace tiendal
