// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/catalogo.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <new>
#include <random>
#include <thread>
#include <tuple>

#include "core/apariciones.h"
#include "core/comprobaciones.h"
#include "core/entradas.h"
#include "tests/comun/carpeta.h"
#include "tests/memoria_agotada.h"

namespace tiendal {
namespace {

// The raw bytes of precios.txt, a product, its price, and its price with whole values on.
using CasoPrecio = std::tuple<QByteArray, const char16_t*, float, float>;

class PreciosTest : public ::testing::TestWithParam<CasoPrecio> {};

TEST_P(PreciosTest, LeeElPrecioComoElProgramaLoBusca) {
  const auto& [archivo, producto, precio, entero] = GetParam();
  const QString texto = UnirLineasPrecios(archivo);
  const QStringList productos{QString::fromUtf16(producto)};
  EXPECT_EQ(PreciosDe(productos, texto, false)[0], precio) << archivo.left(40).toStdString();
  EXPECT_EQ(PreciosDe(productos, texto, true)[0], entero) << archivo.left(40).toStdString();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tabla, PreciosTest, ::testing::Values(
    CasoPrecio{"pan|1,5\r\n", u"pan", 1.0f, 1.0f},
    CasoPrecio{"pan| 1.5\r\n", u"pan", 1.5f, 1.0f},
    CasoPrecio{"pan|1 5\r\n", u"pan", 15.0f, 15.0f},
    CasoPrecio{"pan|abc\r\n", u"pan", 0.0f, 1.0f},
    CasoPrecio{"pan|0.40\r\n", u"pan", 0.4f, 1.0f},
    CasoPrecio{"pan|3\r\n", u"pan", 3.0f, 3.0f},
    CasoPrecio{"pan|-3\r\n", u"pan", -3.0f, -3.0f},
    CasoPrecio{{"pan|0.8\0" "5\r\n", 11}, u"pan", 0.8f, 1.0f},
    CasoPrecio{QByteArray(5 << 20, 'x') + "\r\npan|2\r\n", u"pan", 2.0f, 2.0f},
    // The first occurrence wins, even inside another name.
    CasoPrecio{"empanada|2.50\r\npan|1.00\r\n", u"pan", 2.5f, 2.0f},
    // Case matters: Pan falls back to the first price of the file.
    CasoPrecio{"leche|0.95\r\npan|1.00\r\n", u"Pan", 0.95f, 1.0f},
    CasoPrecio{"", u"pan", 0.0f, 1.0f},
    // No "|" after the name: the whole file is the price text.
    CasoPrecio{"3.5 uvas|x\r\npan", u"pan", 3.5f, 3.0f},
    CasoPrecio{"uvas|1\r\npan", u"pan", 0.0f, 1.0f},
    // A line ends at LF or CR alone as well: "7up" must not run on into the price.
    CasoPrecio{"pan|1\n7up|0.80\n", u"pan", 1.0f, 1.0f},
    CasoPrecio{"pan|1\r7up|0.80\r", u"7up", 0.8f, 1.0f},
    // Windows-1252 bytes, and UTF-8 as written on Linux, with or without a byte-order mark.
    CasoPrecio{"pl\xE1tano|1.20\r\n", u"plátano", 1.2f, 1.0f},
    CasoPrecio{"pl\xC3\xA1tano|1.20\n", u"plátano", 1.2f, 1.0f},
    CasoPrecio{"\xEF\xBB\xBFpi\xC3\xB1" "a|2.10\n", u"piña", 2.1f, 2.0f},
    // Each encoding with each line end, the product past the first line, the last line open.
    CasoPrecio{"caf\xE9|0.90\n\x80uro|1.10\npl\xE1tano|1.20", u"€uro", 1.1f, 1.0f},
    CasoPrecio{"a\xF1o|2\rpi\xF1" "a|3.5\r", u"piña", 3.5f, 3.0f},
    CasoPrecio{"caf\xC3\xA9|0.90\r\nt\xC3\xA9|1.10\r\npl\xC3\xA1tano|1.20", u"plátano", 1.2f, 1.0f},
    CasoPrecio{"\xEF\xBB\xBFleche|0.95\rpi\xC3\xB1" "a|2.10\r", u"piña", 2.1f, 2.0f},
    CasoPrecio{"\xEF\xBB\xBF" "a|1\r\nt\xC3\xA9|4\nuva|2\rkiwi|3", u"té", 4.0f, 4.0f},
    // One byte that is no UTF-8 makes the whole file Windows-1252; a byte-order mark, UTF-8.
    CasoPrecio{"pi\xC3\xB1" "a|2\r\npl\xE1tano|1.5\r\n", u"plátano", 1.5f, 1.0f},
    CasoPrecio{"\xEF\xBB\xBFpl\xE1tano|9\r\nt\xC3\xA9|1.5\r\n", u"té", 1.5f, 1.0f},
    // A price beyond single precision counts as 0.
    CasoPrecio{"pan|1e39\r\n", u"pan", 0.0f, 1.0f},
    CasoPrecio{"pan|-1e40\r\n", u"pan", 0.0f, 1.0f},
    CasoPrecio{"pan|1e-50\r\n", u"pan", 0.0f, 1.0f}));
// clang-format on

// A catalogue large enough to be searched in two halves at once, full of substring traps
// (pan / empanada) and names absent from the text: each first occurrence is the plain search's.
// With no memory left for the second half, the failure is thrown as with one thread.
class PreciosDeTest : public ::testing::TestWithParam<bool> {};

TEST_P(PreciosDeTest, DaLoMismoQueLaBusquedaDirecta) {
  std::mt19937 azar(20261206);
  const QStringList silabas{"pan", "em", "a", "da", "le", "che", "ñ", "|", "1", ".", " "};
  const auto palabra = [&](std::uint32_t maximo) {
    QString w;
    for (auto i = 1 + azar() % maximo; i > 0; --i) w += silabas[azar() % silabas.size()];
    return w;
  };
  QStringList productos;
  for (int i = 0; i < 9000; ++i) productos << palabra(7);
  QString texto;
  for (int i = 0; i < 3000; ++i)
    texto += (azar() % 4 ? productos[azar() % 9000] : palabra(8)) + QStringLiteral("|1.5\r\n");
  if (GetParam()) {
    if (std::thread::hardware_concurrency() < 2) GTEST_SKIP() << "one thread only";
    AgotarMemoriaEnOtroHilo(4096);
    EXPECT_THROW(PreciosDe(productos, texto, false), std::bad_alloc);
    EXPECT_TRUE(MemoriaAgotada());
    return;
  }
  const auto apariciones = PrimerasApariciones(productos, texto);
  int distintas = 0;
  for (qsizetype k = 0; k < productos.size(); ++k)
    distintas += apariciones[static_cast<size_t>(k)] != texto.indexOf(productos[k]);
  EXPECT_EQ(distintas, 0);
}

INSTANTIATE_TEST_SUITE_P(SinMemoria, PreciosDeTest, ::testing::Bool());

// The pictures of a folder are its .jpg files in any letter case, not a broken link, nor a name
// that the listing could not give back so that it could be opened (one Latin-1 byte for its ñ,
// copied from a Windows disk without conversion, is no UTF-8). Names written in decomposed
// Unicode (a folder copied from a Mac) are found; letter case is passed over only when asked; a
// name that is nowhere gives the exact path.
TEST(Carpetas, ImagenesJpgYNombresEnOtraFormaUnicode) {
  if (geteuid() == 0) return ComoUsuarioSinPrivilegios();  // for the folder it cannot open
  QTemporaryDir dir;
  const auto nfd = [](const char16_t* nombre) {
    return QString::fromUtf16(nombre).normalized(QString::NormalizationForm_D);
  };
  for (const char16_t* nombre :
       {u"pan.jpg", u"LECHE.JPG", u"uvas.Jpg", u"nota.txt", u"foto.png", u"kiwi.jpeg",
        u"col.jpg.bak", u"PLÁTANO.wav", u"Igual.wav", u"igual.wav"}) {
    QFile archivo(dir.filePath(nfd(nombre)));
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
  }
  for (const char16_t* carpeta : {u"carpeta.jpg", u"imágenes"})
    QDir(dir.path()).mkdir(nfd(carpeta));
  QFile::link(dir.filePath(QStringLiteral("no-existe.jpg")),
              dir.filePath(QStringLiteral("roto.jpg")));
  const QByteArray latin1 = QFile::encodeName(dir.filePath(QStringLiteral("pi"))) + "\xF1.jpg";
  std::fclose(std::fopen(latin1.constData(), "wb"));
  QStringList imagenes = ListarImagenes(dir.path());
  std::remove(latin1.constData());  // which the temporary folder could not remove
  imagenes.sort();
  EXPECT_EQ(imagenes, (QStringList{"LECHE.JPG", "pan.jpg", "uvas.Jpg"}));
  EXPECT_EQ(NombreProducto(QStringLiteral("uvas.Jpg")), QStringLiteral("uvas"));
  const QString raiz = dir.path() + u'/';
  EXPECT_EQ(EntradaDe(dir.path(), QStringLiteral("imágenes")), raiz + nfd(u"imágenes"));
  EXPECT_EQ(EntradaDe(dir.path(), QStringLiteral("plátano.wav"), Qt::CaseInsensitive, QDir::Files),
            raiz + nfd(u"PLÁTANO.wav"));
  EXPECT_EQ(EntradaDe(dir.path(), QStringLiteral("plátano.wav")),
            raiz + QStringLiteral("plátano.wav"));
  EXPECT_EQ(EntradaDe(dir.path(), QStringLiteral("igual.wav"), Qt::CaseInsensitive, QDir::Files),
            raiz + QStringLiteral("igual.wav"));  // the exact name first
  EXPECT_EQ(EntradaDe(dir.path(), QStringLiteral("imágenes"), Qt::CaseSensitive, QDir::Files),
            raiz + QStringLiteral("imágenes"));
  // A shelf needs six pictures, and a catalogue holds 32767 at most.
  const std::pair<int, const char*> limites[] = {
      {5, "tiene 5 imágenes .jpg y hacen falta"},
      {6, ""},
      {32767, ""},
      {32768, "» tiene 32768 imágenes .jpg y el programa admite como mucho 32767."}};
  for (const auto& [cuantas, fallo] : limites) {
    const QString visto = FalloDelCatalogo(dir.path(), cuantas).value_or("");
    EXPECT_TRUE(visto.contains(fallo) && visto.isEmpty() == !*fallo) << cuantas;
  }
  // A folder this account may not open, or one behind it, is there all the same (and, empty, is
  // removed with the rest).
  QFile::setPermissions(dir.filePath("carpeta.jpg"), {});
  for (const char* ruta : {"carpeta.jpg", "carpeta.jpg/imágenes"})
    EXPECT_TRUE(FalloDelCatalogo(dir.filePath(ruta), 9)->startsWith("No se puede leer")) << ruta;
}

}  // namespace
}  // namespace tiendal
