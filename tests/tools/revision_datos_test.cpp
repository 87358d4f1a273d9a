#include "tools/revision_datos.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <algorithm>
#include <array>

namespace tiendal {
namespace {

// A data folder built by the test: pictures, prices and sounds on demand.
class CarpetaDatos final {
 public:
  CarpetaDatos() {
    QDir(dir_.path()).mkpath(QStringLiteral("imágenes"));
    QDir(dir_.path()).mkpath(QStringLiteral("Sonidos"));
  }

  QString Ruta() const { return dir_.path(); }

  void Imagen(const QString& archivo, int ancho = 40, int alto = 30) const {
    QImage imagen(ancho, alto, QImage::Format_RGB32);
    imagen.fill(Qt::darkGreen);
    ASSERT_TRUE(imagen.save(Ruta() + QStringLiteral("/imágenes/") + archivo, "JPEG"));
  }

  void Escribir(const QString& relativa, const QByteArray& bytes) const {
    QFile archivo(Ruta() + u'/' + relativa);
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.write(bytes);
  }

  // Lines joined by CR LF, written as Windows-1252.
  void Precios(const QStringList& lineas) const {
    QStringEncoder cp1252("windows-1252");
    ASSERT_TRUE(cp1252.isValid());
    Escribir(QStringLiteral("precios.txt"), cp1252(lineas.join(QStringLiteral("\r\n")) + "\r\n"));
  }

  void Sonido(const QString& archivo) const {
    Escribir(QStringLiteral("Sonidos/") + archivo, QByteArrayLiteral("RIFF"));
  }

  void SonidosFijos() const {
    for (const QString& s : tiendal::SonidosFijos()) Sonido(s);
  }

  // Products with a picture, a price line and a sound each, plus every fixed sound.
  void Completa(const QStringList& lineas) const {
    for (const QString& linea : lineas) {
      const QString nombre = linea.section(u'|', 0, 0);
      Imagen(nombre + QStringLiteral(".jpg"));
      Sonido(nombre + QStringLiteral(".wav"));
    }
    Precios(lineas);
    SonidosFijos();
  }

 private:
  QTemporaryDir dir_;
};

const QStringList kSeis = {
    QStringLiteral("leche|0.95"),  QStringLiteral("queso|8.75"), QStringLiteral("miel|5.40"),
    QStringLiteral("tarta|18.50"), QStringLiteral("uvas|2"),     QStringLiteral("reloj|59.90"),
};

const FilaRevision* Fila(const RevisionDatos& r, const QString& producto) {
  for (const FilaRevision& f : r.filas) {
    if (f.producto == producto) return &f;
  }
  return nullptr;
}

bool AlgunAvisoCon(const RevisionDatos& r, const QString& trozo) {
  return std::any_of(r.avisos.begin(), r.avisos.end(),
                     [&](const QString& a) { return a.contains(trozo); });
}

TEST(RevisionDatos, CarpetaSanaNoAvisa) {
  CarpetaDatos datos;
  datos.Completa(kSeis);
  const RevisionDatos r = RevisarDatos(datos.Ruta());
  EXPECT_FALSE(r.fallo);
  EXPECT_TRUE(r.avisos.isEmpty()) << r.avisos.join(u'\n').toStdString();
  EXPECT_EQ(r.CodigoSalida(), 0);
  ASSERT_EQ(r.filas.size(), 6u);
  const FilaRevision* leche = Fila(r, QStringLiteral("leche"));
  ASSERT_NE(leche, nullptr);
  EXPECT_EQ(leche->imagen, QStringLiteral("leche.jpg"));
  EXPECT_EQ(leche->tamano, QStringLiteral("40x30"));
  EXPECT_EQ(leche->precio, QStringLiteral("0,95"));
  EXPECT_EQ(leche->precioEntero, QStringLiteral("1"));
  EXPECT_TRUE(leche->sonido);
  EXPECT_EQ(Fila(r, QStringLiteral("reloj"))->precioEntero, QStringLiteral("59"));
}

TEST(RevisionDatos, NombreDentroDeUnaLineaAnteriorEsUnaTrampa) {
  CarpetaDatos datos;
  datos.Completa(kSeis);
  datos.Imagen(QStringLiteral("pan.jpg"));
  datos.Imagen(QStringLiteral("empanada.jpg"));
  datos.Precios(QStringList{QStringLiteral("empanada|2.50"), QStringLiteral("pan|1.00")} + kSeis);
  const RevisionDatos r = RevisarDatos(datos.Ruta());
  EXPECT_EQ(Fila(r, QStringLiteral("pan"))->precio, QStringLiteral("2,5"));
  EXPECT_EQ(Fila(r, QStringLiteral("empanada"))->precio, QStringLiteral("2,5"));
  ASSERT_EQ(r.avisos.size(), 1) << r.avisos.join(u'\n').toStdString();
  EXPECT_TRUE(r.avisos[0].contains(QStringLiteral("«pan»")));
  EXPECT_TRUE(r.avisos[0].contains(QStringLiteral("«empanada|2.50»")));
  EXPECT_EQ(r.CodigoSalida(), 1);
}

// How a product's own line is told from a line where its name only happens to stand.
struct CasoLinea {
  const char* nombre;
  QStringList lineas;
  const char* precio;
  bool aviso;
};

class LineaPropia : public ::testing::TestWithParam<CasoLinea> {};

TEST_P(LineaPropia, AvisaSoloCuandoElPrecioNoEsElDeSuLinea) {
  const CasoLinea& caso = GetParam();
  CarpetaDatos datos;
  datos.Completa(kSeis);
  const QString nombre = QString::fromUtf8(caso.nombre);
  datos.Imagen(nombre + QStringLiteral(".jpg"));
  datos.Sonido(nombre + QStringLiteral(".wav"));
  datos.Precios(caso.lineas + kSeis);
  const RevisionDatos r = RevisarDatos(datos.Ruta());
  EXPECT_EQ(Fila(r, nombre)->precio, QString::fromUtf8(caso.precio));
  EXPECT_EQ(!r.avisos.isEmpty(), caso.aviso) << r.avisos.join(u'\n').toStdString();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(RevisionDatos, LineaPropia, ::testing::Values(
    CasoLinea{"pan", {"pan|1.5"}, "1,5", false},
    CasoLinea{"pan", {"pan |1.5"}, "1,5", false},
    CasoLinea{"pan", {"pan|1,5"}, "1", false},
    CasoLinea{"pan", {"panecillo|0.40", "pan|1.5"}, "0,4", true},
    CasoLinea{"pan", {"barra de pan|0.85", "pan|1.5"}, "0,85", true},
    CasoLinea{"pan", {"pan integral|2.10", "pan|1.5"}, "2,1", true},
    CasoLinea{"pan", {"harina|0.90", "# pan casero", "pan|1.5"}, "1,5", true},
    CasoLinea{"Pan", {"pan|1.5"}, "1,5", true},
    CasoLinea{"pan", {"pan"}, "0,95", true}));
// clang-format on

TEST(RevisionDatos, ProductoSinLineaTomaElPrecioDeLaPrimeraLinea) {
  CarpetaDatos datos;
  datos.Completa(kSeis);
  datos.Imagen(QStringLiteral("Pan.jpg"));
  datos.Sonido(QStringLiteral("Pan.wav"));
  const RevisionDatos r = RevisarDatos(datos.Ruta());
  EXPECT_EQ(Fila(r, QStringLiteral("Pan"))->precio, QStringLiteral("0,95"));
  ASSERT_EQ(r.avisos.size(), 1);
  EXPECT_TRUE(r.avisos[0].contains(QStringLiteral("«Pan» no tiene línea")));
  EXPECT_EQ(r.CodigoSalida(), 1);
}

TEST(RevisionDatos, FaltaElSonidoDeUnProducto) {
  CarpetaDatos datos;
  datos.Completa(kSeis);
  QFile::remove(datos.Ruta() + QStringLiteral("/Sonidos/miel.wav"));
  const RevisionDatos r = RevisarDatos(datos.Ruta());
  EXPECT_FALSE(Fila(r, QStringLiteral("miel"))->sonido);
  EXPECT_TRUE(Fila(r, QStringLiteral("queso"))->sonido);
}

TEST(RevisionDatos, ElSonidoDeUnProductoSeLlamaComoSuImagen) {
  CarpetaDatos datos;
  datos.Completa(kSeis);
  datos.Imagen(QStringLiteral("kiwi.JPG"));
  datos.Sonido(QStringLiteral("kiwi.wav"));
  datos.Precios(kSeis + QStringList{QStringLiteral("kiwi|0.30")});
  const RevisionDatos r = RevisarDatos(datos.Ruta());
  const FilaRevision* kiwi = Fila(r, QStringLiteral("kiwi"));
  ASSERT_NE(kiwi, nullptr);
  EXPECT_EQ(kiwi->imagen, QStringLiteral("kiwi.JPG"));
  EXPECT_TRUE(kiwi->sonido);
  EXPECT_TRUE(r.avisos.isEmpty()) << r.avisos.join(u'\n').toStdString();
}

TEST(RevisionDatos, FaltaUnSonidoFijo) {
  CarpetaDatos datos;
  datos.Completa(kSeis);
  QFile::remove(datos.Ruta() + QStringLiteral("/Sonidos/tipo3.wav"));
  QFile::remove(datos.Ruta() + QStringLiteral("/Sonidos/Aplauso.wav"));
  const RevisionDatos r = RevisarDatos(datos.Ruta());
  ASSERT_EQ(r.avisos.size(), 2);
  EXPECT_TRUE(AlgunAvisoCon(r, QStringLiteral("Sonidos/tipo3.wav")));
  EXPECT_TRUE(AlgunAvisoCon(r, QStringLiteral("Sonidos/Aplauso.wav")));
  EXPECT_EQ(r.CodigoSalida(), 1);
}

TEST(RevisionDatos, SinCarpetaDeSonidosFaltanTodosLosFijos) {
  CarpetaDatos datos;
  datos.Completa(kSeis);
  QDir(datos.Ruta() + QStringLiteral("/Sonidos")).removeRecursively();
  const RevisionDatos r = RevisarDatos(datos.Ruta());
  EXPECT_FALSE(r.fallo);
  EXPECT_EQ(r.avisos.size(), SonidosFijos().size());
  EXPECT_FALSE(r.filas[0].sonido);
}

TEST(RevisionDatos, ImagenIlegible) {
  CarpetaDatos datos;
  datos.Completa(kSeis);
  datos.Escribir(QStringLiteral("imágenes/queso.jpg"), QByteArrayLiteral("esto no es un JPEG"));
  const RevisionDatos r = RevisarDatos(datos.Ruta());
  EXPECT_EQ(Fila(r, QStringLiteral("queso"))->tamano, QStringLiteral("ilegible"));
  ASSERT_EQ(r.avisos.size(), 1);
  EXPECT_TRUE(r.avisos[0].contains(QStringLiteral("queso.jpg")));
  EXPECT_EQ(r.CodigoSalida(), 1);
}

TEST(RevisionDatos, NombresConAcentosEnWindows1252) {
  CarpetaDatos datos;
  datos.Completa({QStringLiteral("plátano|0.35"), QStringLiteral("piña|2.50"),
                  QStringLiteral("jamón|89.00"), QStringLiteral("limón|0.40"),
                  QStringLiteral("brócoli|1.49"), QStringLiteral("sandía|4.00")});
  QFile precios(datos.Ruta() + QStringLiteral("/precios.txt"));
  ASSERT_TRUE(precios.open(QIODevice::ReadOnly));
  ASSERT_TRUE(precios.readAll().startsWith("pl\xE1tano|0.35\r\npi\xF1"));
  const RevisionDatos r = RevisarDatos(datos.Ruta());
  EXPECT_TRUE(r.avisos.isEmpty()) << r.avisos.join(u'\n').toStdString();
  EXPECT_EQ(Fila(r, QStringLiteral("plátano"))->precio, QStringLiteral("0,35"));
  EXPECT_EQ(Fila(r, QStringLiteral("piña"))->precio, QStringLiteral("2,5"));
  EXPECT_EQ(Fila(r, QStringLiteral("jamón"))->precio, QStringLiteral("89"));
  EXPECT_EQ(Fila(r, QStringLiteral("jamón"))->imagen, QStringLiteral("jamón.jpg"));
  EXPECT_EQ(Fila(r, QStringLiteral("sandía"))->precioEntero, QStringLiteral("4"));
}

TEST(RevisionDatos, MenosDeSeisProductos) {
  CarpetaDatos datos;
  datos.Completa(kSeis.mid(0, 4));
  const RevisionDatos r = RevisarDatos(datos.Ruta());
  EXPECT_EQ(r.filas.size(), 4u);
  ASSERT_EQ(r.avisos.size(), 1);
  EXPECT_TRUE(r.avisos[0].contains(QStringLiteral("hay 4 productos")));
  EXPECT_EQ(r.CodigoSalida(), 1);
}

TEST(RevisionDatos, SinNingunaImagen) {
  CarpetaDatos datos;
  datos.Precios(kSeis);
  datos.SonidosFijos();
  const RevisionDatos r = RevisarDatos(datos.Ruta());
  EXPECT_TRUE(r.filas.empty());
  EXPECT_TRUE(AlgunAvisoCon(r, QStringLiteral("hay 0 productos")));
}

TEST(RevisionDatos, SinCarpetaNoPuedeEmpezar) {
  QTemporaryDir dir;
  const QString ruta = dir.path() + QStringLiteral("/no-existe");
  const RevisionDatos r = RevisarDatos(ruta);
  ASSERT_TRUE(r.fallo);
  EXPECT_TRUE(r.fallo->contains(ruta));
  EXPECT_EQ(r.CodigoSalida(), 2);
}

TEST(RevisionDatos, SinCarpetaDeImagenesNoPuedeEmpezar) {
  CarpetaDatos datos;
  datos.Precios(kSeis);
  QDir(datos.Ruta() + QStringLiteral("/imágenes")).removeRecursively();
  const RevisionDatos r = RevisarDatos(datos.Ruta());
  ASSERT_TRUE(r.fallo);
  EXPECT_TRUE(r.fallo->contains(QStringLiteral("/imágenes")));
  EXPECT_EQ(r.CodigoSalida(), 2);
}

TEST(RevisionDatos, SinArchivoDePreciosNoPuedeEmpezar) {
  CarpetaDatos datos;
  datos.Completa(kSeis);
  QFile::remove(datos.Ruta() + QStringLiteral("/precios.txt"));
  const RevisionDatos r = RevisarDatos(datos.Ruta());
  ASSERT_TRUE(r.fallo);
  EXPECT_TRUE(r.fallo->contains(QStringLiteral("precios.txt")));
  EXPECT_TRUE(r.filas.empty());
  EXPECT_EQ(r.CodigoSalida(), 2);
}

TEST(RevisionDatos, FormatoDeSalida) {
  RevisionDatos r;
  r.filas.push_back({QStringLiteral("piña"), QStringLiteral("piña.jpg"), QStringLiteral("201x320"),
                     QStringLiteral("2,5"), QStringLiteral("2"), true});
  r.filas.push_back({QStringLiteral("kiwi"), QStringLiteral("kiwi.jpg"), QStringLiteral("ilegible"),
                     QStringLiteral("0,3"), QStringLiteral("1"), false});
  r.avisos << QStringLiteral("falta el sonido x/Sonidos/coma.wav");
  QString texto;
  QTextStream salida(&texto);
  EscribirRevision(r, salida);
  EXPECT_EQ(texto, QStringLiteral("producto\timagen\ttamaño\tprecio\tprecio_entero\tsonido\n"
                                  "piña\tpiña.jpg\t201x320\t2,5\t2\tsí\n"
                                  "kiwi\tkiwi.jpg\tilegible\t0,3\t1\tfalta\n"
                                  "aviso: falta el sonido x/Sonidos/coma.wav\n"));
}

// The data set that ships with the program.
class DatosDeEjemplo : public ::testing::Test {
 protected:
  static QString Carpeta() { return QStringLiteral(TIENDAL_DATOS); }
};

TEST_F(DatosDeEjemplo, NoTienenNingunAviso) {
  const RevisionDatos r = RevisarDatos(Carpeta());
  ASSERT_FALSE(r.fallo) << r.fallo->toStdString();
  EXPECT_TRUE(r.avisos.isEmpty()) << r.avisos.join(u'\n').toStdString();
  EXPECT_GE(r.filas.size(), 16u);
  for (const FilaRevision& f : r.filas) {
    EXPECT_TRUE(f.sonido) << f.producto.toStdString();
    const QStringList lados = f.tamano.split(u'x');
    ASSERT_EQ(lados.size(), 2) << f.imagen.toStdString();
    EXPECT_GE(lados[1].toInt(), 300) << f.imagen.toStdString();
  }
}

TEST_F(DatosDeEjemplo, PreciosParaCadaBillete) {
  const RevisionDatos r = RevisarDatos(Carpeta());
  std::array<int, 5> porBillete{};  // up to 5, 10, 20, 50 and 100 euros
  int enteros = 0;
  int apaisadas = 0;
  for (const FilaRevision& f : r.filas) {
    const float precio = QString(f.precio).replace(u',', u'.').toFloat();
    EXPECT_GT(precio, 0.0f) << f.producto.toStdString();
    EXPECT_LE(precio, 100.0f) << f.producto.toStdString();
    const int billete = precio <= 5    ? 0
                        : precio <= 10 ? 1
                        : precio <= 20 ? 2
                        : precio <= 50 ? 3
                                       : 4;
    ++porBillete[static_cast<size_t>(billete)];
    if (!f.precio.contains(u',')) ++enteros;
    const QStringList lados = f.tamano.split(u'x');
    if (lados[0].toInt() > lados[1].toInt()) ++apaisadas;
  }
  for (int n : porBillete) EXPECT_GE(n, 1);
  EXPECT_GE(enteros, 2);
  EXPECT_GE(apaisadas, 2);
  EXPECT_LT(apaisadas, static_cast<int>(r.filas.size()));
}

TEST_F(DatosDeEjemplo, PreciosEnWindows1252ConCrLf) {
  QFile archivo(Carpeta() + QStringLiteral("/precios.txt"));
  ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
  const QByteArray bytes = archivo.readAll();
  EXPECT_TRUE(bytes.endsWith("\r\n"));
  EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
  EXPECT_TRUE(bytes.contains("pl\xE1tano|"));
  EXPECT_TRUE(
      bytes.contains("pi\xF1"
                     "a|"));
}

TEST(GenerarVoces, SeNiegaSinEspeakNiSox) {
  QTemporaryDir dir;
  QDir(dir.path()).mkpath(QStringLiteral("imágenes"));
  QProcess guion;
  QProcessEnvironment entorno;
  entorno.insert(QStringLiteral("PATH"), dir.path());
  guion.setProcessEnvironment(entorno);
  guion.start(QStringLiteral("/bin/bash"), {QStringLiteral(TIENDAL_GENERAR_VOCES), dir.path()});
  ASSERT_TRUE(guion.waitForFinished(30000));
  EXPECT_EQ(guion.exitCode(), 2);
  const QString error = QString::fromUtf8(guion.readAllStandardError());
  EXPECT_TRUE(error.contains(QStringLiteral("espeak-ng"))) << error.toStdString();
  EXPECT_TRUE(error.contains(QStringLiteral("sox"))) << error.toStdString();
  EXPECT_FALSE(QDir(dir.path() + QStringLiteral("/Sonidos")).exists());
}

}  // namespace
}  // namespace tiendal
