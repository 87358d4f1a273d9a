#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>

#include "mouse_window/foto.h"
#include "mouse_window/imagen_estante.h"
#include "mouse_window/twips.h"
#include "tests/mouse_window/entorno.h"
#include "tests/mouse_window/jpeg_exif.h"

namespace tiendal {
namespace {

class ImagenTest : public ::testing::Test {
 protected:
  QString Ruta(const char* nombre) const { return dir_.path() + u'/' + QLatin1String(nombre); }
  QTemporaryDir dir_;
};

struct Orientacion {
  int exif;
  QSize propio;
};

class ImagenOrientacionTest : public ImagenTest,
                              public ::testing::WithParamInterface<Orientacion> {};

TEST_P(ImagenOrientacionTest, OwnSizeIsTheUprightSize) {
  EscribirJpeg(Ruta("foto.jpg"), 60, 40, GetParam().exif);
  ImagenEstante imagen(nullptr);
  imagen.Cargar(Ruta("foto.jpg"));
  EXPECT_EQ(imagen.TamanoPropio(), GetParam().propio);
  EXPECT_EQ(imagen.size(), GetParam().propio);
  EXPECT_FALSE(imagen.Estirada());
  EXPECT_FALSE(imagen.isVisible());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Exif, ImagenOrientacionTest, ::testing::Values(
    Orientacion{1, QSize(60, 40)}, Orientacion{3, QSize(60, 40)},
    Orientacion{6, QSize(40, 60)}, Orientacion{8, QSize(40, 60)}));
// clang-format on

// Orientation 6 is turned a quarter clockwise: the stored left half (red) comes out on top.
TEST_F(ImagenTest, PictureIsShownUpright) {
  EscribirJpeg(Ruta("foto.jpg"), 60, 40, 6);
  QWidget marco;
  marco.resize(200, 200);
  auto* imagen = new ImagenEstante(&marco);
  imagen->Cargar(Ruta("foto.jpg"));
  imagen->Estirar(QSize(40, 60));
  imagen->show();
  marco.show();
  const QImage captura = imagen->grab().toImage();
  EXPECT_GT(qRed(captura.pixel(20, 5)), 200);
  EXPECT_LT(qBlue(captura.pixel(20, 5)), 80);
  EXPECT_GT(qBlue(captura.pixel(20, 55)), 200);
  EXPECT_LT(qRed(captura.pixel(20, 55)), 80);
}

TEST_F(ImagenTest, OnlyTheShownSizeIsDecoded) {
  EscribirJpeg(Ruta("grande.jpg"), 2400, 1600);
  QWidget marco;
  auto* imagen = new ImagenEstante(&marco);
  imagen->Cargar(Ruta("grande.jpg"));
  EXPECT_EQ(imagen->TamanoPropio(), QSize(2400, 1600));
  imagen->Estirar(QSize(96, 64));
  EXPECT_TRUE(imagen->PixelesDecodificados().isEmpty());  // nothing before it shows
  imagen->show();
  marco.show();
  const qreal escala = imagen->devicePixelRatioF();
  EXPECT_EQ(imagen->PixelesDecodificados(), QSize(96, 64) * escala);
}

QImage Lisa(int ancho, int alto, Qt::GlobalColor color) {
  QImage imagen(ancho, alto, QImage::Format_RGB32);
  imagen.fill(color);
  return imagen;
}

bool EsVerde(const QImage& imagen) {
  const QRgb centro = imagen.pixel(imagen.width() / 2, imagen.height() / 2);
  return qGreen(centro) > 200 && qRed(centro) < 80 && qBlue(centro) < 80;
}

struct CasoMiniatura {
  const char* caso;
  QSize miniatura;
  int orientacion;
  QSize mostrado;  // upright
  bool usada;
};

class MiniaturaTest : public ImagenTest, public ::testing::WithParamInterface<CasoMiniatura> {};

// The thumbnail is green, the picture red and blue: the colour tells which one was decoded.
TEST_P(MiniaturaTest, ThumbnailIsUsedOnlyWhenLargeEnoughAndOfTheSameShape) {
  const CasoMiniatura& c = GetParam();
  EscribirJpeg(Ruta("foto.jpg"), 640, 480, c.orientacion,
               Lisa(c.miniatura.width(), c.miniatura.height(), Qt::green));
  const CabeceraFoto cabecera = LeerCabeceraFoto(Ruta("foto.jpg"));
  const QImage imagen = LeerFotoReducida(Ruta("foto.jpg"), cabecera, c.mostrado);
  ASSERT_FALSE(imagen.isNull());
  EXPECT_EQ(imagen.size(), c.mostrado);
  EXPECT_EQ(EsVerde(imagen), c.usada);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Exif, MiniaturaTest, ::testing::Values(
    CasoMiniatura{"pequena", QSize(160, 120), 1, QSize(85, 64), true},
    CasoMiniatura{"girada", QSize(160, 120), 6, QSize(48, 64), true},
    CasoMiniatura{"insuficiente", QSize(160, 120), 1, QSize(200, 150), false},
    CasoMiniatura{"con_bandas", QSize(160, 160), 1, QSize(85, 64), false}),
    [](const ::testing::TestParamInfo<CasoMiniatura>& caso) { return std::string(caso.param.caso); });
// clang-format on

TEST_F(ImagenTest, PictureShownAgainIsTakenFromTheWindowsMemoryUnlessTheFileChanged) {
  EscribirJpeg(Ruta("foto.jpg"), 120, 80);
  FotosMostradas mostradas(1024);
  QWidget marco;
  auto* imagen = new ImagenEstante(&marco, &mostradas);
  marco.show();
  const auto mostrar = [&] {
    imagen->Cargar(Ruta("foto.jpg"));
    imagen->Estirar(QSize(60, 40));
    imagen->show();
    return imagen->grab().toImage();
  };
  mostrar();
  mostrar();
  EXPECT_EQ(mostradas.size(), 1);

  QFile archivo(Ruta("foto.jpg"));
  ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
  archivo.write(JpegConExif(Lisa(90, 60, Qt::green), 1));
  archivo.close();
  EXPECT_TRUE(EsVerde(mostrar()));
  EXPECT_EQ(mostradas.size(), 2);
}

TEST_F(ImagenTest, UnreadablePictureIsEmpty) {
  QFile archivo(Ruta("roto.jpg"));
  ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
  archivo.write("esto no es una imagen");
  archivo.close();
  ImagenEstante imagen(nullptr);
  imagen.Cargar(Ruta("roto.jpg"));
  EXPECT_EQ(imagen.TamanoPropio(), QSize(0, 0));
  EXPECT_EQ(imagen.size(), QSize(0, 0));
}

// Through the window: the picture is fitted by its upright size, and a broken one stays empty
// while its name and price still show.
TEST(ImagenVentanaTest, ShelfFitsUprightPicturesAndLeavesBrokenOnesEmpty) {
  CarpetaPrograma carpeta;
  QDir imagenes(carpeta.Imagenes());
  for (const QString& archivo : imagenes.entryList({QStringLiteral("*.jpg")})) {
    if (archivo != QLatin1String("pan.jpg") && archivo != QLatin1String("leche.jpg")) {
      imagenes.remove(archivo);
    }
  }
  EscribirJpeg(imagenes.filePath(QStringLiteral("alto.jpg")), 60, 40, 6);
  EscribirJpeg(imagenes.filePath(QStringLiteral("ancho.jpg")), 160, 40);
  EscribirJpeg(imagenes.filePath(QStringLiteral("cuadrado.jpg")), 40, 40);
  QFile roto(imagenes.filePath(QStringLiteral("roto.jpg")));
  ASSERT_TRUE(roto.open(QIODevice::WriteOnly));
  roto.write("no");
  roto.close();

  VentanaDePrueba prueba = AbrirForm1(carpeta.Ruta(), 1, {0, 1, 2, 3, 4, 5});
  const Practica& p = prueba.ventana->sesion().practica();
  int vistos = 0;
  for (int hueco = 0; hueco < kHuecos; ++hueco) {
    const QString nombre = p.NombreDeHueco(hueco);
    auto* imagen = Hijo<QWidget>(*prueba.ventana, QStringLiteral("Image1_%1").arg(hueco));
    auto* texto = Hijo<QLineEdit>(*prueba.ventana, QStringLiteral("Text1_%1").arg(hueco));
    EXPECT_TRUE(texto->text().startsWith(nombre + QStringLiteral("  ")));
    if (nombre == QLatin1String("alto")) {
      // 40 x 60 upright: 960 twips high, 640 wide, centred in the 2000-twip frame.
      EXPECT_EQ(imagen->geometry(),
                QRect(Pixeles((2000 - Twips(Pixeles(640))) / 2.0), 0, Pixeles(640), Pixeles(960)));
      ++vistos;
    } else if (nombre == QLatin1String("ancho")) {
      // Four times wider than high: 3840 twips, starting left of the frame.
      EXPECT_EQ(imagen->width(), Pixeles(3840));
      EXPECT_LT(imagen->x(), 0);
      ++vistos;
    } else if (nombre == QLatin1String("roto")) {
      EXPECT_TRUE(imagen->size().isEmpty());
      ++vistos;
    }
  }
  EXPECT_EQ(vistos, 3);
}

}  // namespace
}  // namespace tiendal
