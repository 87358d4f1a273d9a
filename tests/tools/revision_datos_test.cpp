// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/revision_datos.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <functional>
#include <ostream>

namespace tiendal {
namespace {

// Six products with accented names, each with a picture, a Windows-1252 price line and a
// sound, and every fixed sound.
const QStringList kSeis = {"plátano|0.35", "piña|2.50",    "jamón|89.00",
                           "limón|0.40",   "brócoli|1.49", "sandía|4.00"};

class CarpetaDatos final {
 public:
  CarpetaDatos() {
    QDir().mkpath(Ruta("imágenes"));
    for (const QString& linea : kSeis) Producto(linea);
    Precios(kSeis);
    for (const QString& sonido : SonidosFijos()) Escribir("Sonidos/" + sonido, "RIFF");
  }

  QString Ruta(const QString& relativa = {}) const { return dir_.filePath(relativa); }

  void Escribir(const QString& relativa, const QByteArray& bytes) const {
    QDir().mkpath(QFileInfo(Ruta(relativa)).path());
    QFile archivo(Ruta(relativa));
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.write(bytes);
  }

  // The picture (40x30) and the sound of the product of a price line.
  void Producto(const QString& linea) const {
    const QString nombre = linea.section(u'|', 0, 0);
    Escribir("Sonidos/" + nombre + ".wav", "RIFF");
    QImage imagen(40, 30, QImage::Format_RGB32);
    imagen.fill(Qt::darkGreen);
    ASSERT_TRUE(imagen.save(Ruta("imágenes/" + nombre + ".jpg"), "JPEG"));
  }

  // Lines joined by CR LF, in Windows-1252.
  void Precios(const QStringList& lineas) const {
    QStringEncoder cp1252("windows-1252");
    ASSERT_TRUE(cp1252.isValid());
    Escribir("precios.txt", cp1252(lineas.join("\r\n") + "\r\n"));
  }

 private:
  QTemporaryDir dir_;
};

struct Caso {
  const char* nombre;
  std::function<void(const CarpetaDatos&)> cambio;
  const char* linea;   // one product's line of the report
  QStringList avisos;  // a piece of each warning, in order
};

void PrintTo(const Caso& caso, std::ostream* os) { *os << caso.nombre; }

class Revision : public ::testing::TestWithParam<Caso> {};

TEST_P(Revision, LineaDelProductoYAvisos) {
  const Caso& caso = GetParam();
  CarpetaDatos datos;
  caso.cambio(datos);
  const RevisionDatos r = RevisarDatos(datos.Ruta());
  QString texto;
  QTextStream salida(&texto);
  EscribirRevision(r, salida);
  EXPECT_TRUE(texto.contains(u'\n' + QString::fromUtf8(caso.linea) + u'\n')) << texto.toStdString();
  ASSERT_EQ(r.avisos.size(), caso.avisos.size()) << texto.toStdString();
  for (qsizetype i = 0; i < r.avisos.size(); ++i)
    EXPECT_TRUE(r.avisos[i].contains(caso.avisos[i])) << r.avisos[i].toStdString();
  EXPECT_EQ(r.CodigoSalida(), caso.avisos.isEmpty() ? 0 : 1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(RevisionDatos, Revision, ::testing::Values(
  // "pan" first stands inside "empanada"'s line: the program reads the wrong price.
  Caso{"Trampa", [](const CarpetaDatos& d) {
    d.Producto("pan|1.00");
    d.Producto("empanada|2.50");
    d.Precios(QStringList{"empanada|2.50", "pan|1.00"} + kSeis);
  }, "pan\tpan.jpg\t40x30\t2,5\t2\tsí", {"«pan» aparece antes dentro de la línea «empanada|2.50»"}},
  Caso{"SinLineaTomaLaPrimera", [](const CarpetaDatos& d) { d.Producto("kiwi|0.30"); },
       "kiwi\tkiwi.jpg\t40x30\t0,35\t1\tsí", {"«kiwi» no tiene línea"}},
  // A product's own sound is only noted; a fixed one is a warning.
  Caso{"FaltanSonidos", [](const CarpetaDatos& d) {
    QFile::remove(d.Ruta("Sonidos/limón.wav"));
    QFile::remove(d.Ruta("Sonidos/tipo3.wav"));
  }, "limón\tlimón.jpg\t40x30\t0,4\t1\tfalta", {"/Sonidos/tipo3.wav"}},
  Caso{"ImagenIlegible", [](const CarpetaDatos& d) {
    d.Escribir("imágenes/sandía.jpg", "esto no es un JPEG");
  }, "sandía\tsandía.jpg\tilegible\t4\t4\tsí", {"sandía.jpg no se puede leer"}},
  Caso{"MenosDeSeis", [](const CarpetaDatos& d) {
    QFile::remove(d.Ruta("imágenes/plátano.jpg"));
    QFile::remove(d.Ruta("imágenes/piña.jpg"));
  }, "brócoli\tbrócoli.jpg\t40x30\t1,49\t1\tsí", {"hay 4 productos"}},
  Caso{"PrecioSinNumero", [](const CarpetaDatos& d) {
    d.Precios(QStringList{"piña| dos"} + kSeis);
  }, "piña\tpiña.jpg\t40x30\t0\t1\tsí", {"«piña» no tiene número en la línea «piña| dos»"}},
  // The price is read after the name's own bar: "ajo|1.5" has no number.
  Caso{"BarraEnElNombre", [](const CarpetaDatos& d) {
    QFile::copy(d.Ruta("imágenes/piña.jpg"), d.Ruta("imágenes/pan|ajo.jpg"));
    d.Escribir("Sonidos/pan|ajo.wav", "RIFF");
    d.Precios(kSeis + QStringList{"pan|ajo|1.5"});
  }, "pan|ajo\tpan|ajo.jpg\t40x30\t0\t1\tsí", {"«pan|ajo» lleva «|» y su precio se lee tras esa barra: 0"}},
  Caso{"TextoMasAnchoQueSuMarcoDelEstante", [](const CarpetaDatos& d) {
    d.Producto("tarta de chocolate con nata|12.50");
    d.Precios(kSeis + QStringList{"tarta de chocolate con nata|12.50"});
  }, "tarta de chocolate con nata\ttarta de chocolate con nata.jpg\t40x30\t12,5\t12\tsí",
     {"«tarta de chocolate con nata  12,5» no cabe en su marco del estante"}}),
  [](const auto& caso) { return std::string(caso.param.nombre); });
// clang-format on

TEST(RevisionDatos, SinArchivoDePreciosNoPuedeEmpezar) {
  CarpetaDatos datos;
  QFile::remove(datos.Ruta("precios.txt"));
  const RevisionDatos r = RevisarDatos(datos.Ruta());
  ASSERT_TRUE(r.fallo);
  EXPECT_TRUE(r.fallo->contains("precios.txt"));
  EXPECT_EQ(r.CodigoSalida(), 2);
}

TEST(RevisionDatos, ElJuegoDeDatosDelProgramaNoTieneAvisosYCubreCadaBillete) {
  const RevisionDatos r = RevisarDatos(QStringLiteral(TIENDAL_DATOS));
  ASSERT_FALSE(r.fallo) << r.fallo->toStdString();
  EXPECT_EQ(r.avisos.join(u'\n').toStdString(), "");
  EXPECT_GE(r.filas.size(), 16u);
  QSet<int> billetes;  // the banknotes of type 2 that the prices call for
  for (const FilaRevision& fila : r.filas) {
    EXPECT_TRUE(fila.sonido) << fila.producto.toStdString();
    EXPECT_GE(fila.tamano.section(u'x', 1).toInt(), 300) << fila.imagen.toStdString();
    const float p = QString(fila.precio).replace(u',', u'.').toFloat();
    billetes << (p <= 5 ? 5 : p <= 10 ? 10 : p <= 20 ? 20 : p <= 50 ? 50 : 100);
  }
  EXPECT_EQ(billetes.size(), 5);
}

}  // namespace
}  // namespace tiendal
