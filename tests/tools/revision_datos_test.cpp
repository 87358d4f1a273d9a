// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/revision_datos.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <ostream>

#include "core/voces.h"
#include "tests/comun/carpeta.h"

namespace tiendal {
namespace {

// Six products with accented names, each with a picture, a Windows-1252 price line and a
// sound, and every fixed sound.
const std::vector<Producto> kSeis = {{"plátano", "0.35"}, {"piña", "2.50"},    {"jamón", "89.00"},
                                     {"limón", "0.40"},   {"brócoli", "1.49"}, {"sandía", "4.00"}};

// A product's picture (24x16) and sound, without its price line.
void Agregar(const Carpeta& c, const Producto& producto) {
  c.Imagenes({producto});
  c.Escribir("Sonidos/" + producto.nombre + ".wav", Wav(10));
}

void Precios(const Carpeta& c, const std::vector<Producto>& lineas) {
  c.Escribir(QStringLiteral("precios.txt"), PreciosCp1252(lineas));
}

std::vector<Producto> Mas(std::vector<Producto> antes, const std::vector<Producto>& despues) {
  antes.insert(antes.end(), despues.begin(), despues.end());
  return antes;
}

struct Caso {
  const char* nombre;
  std::function<void(const Carpeta&)> cambio;
  const char* linea;   // one product's line of the report, if any
  QStringList avisos;  // a piece of each warning, in order, or of what stops the check
};

QStringList SonidosFijosQueFaltan() {
  QStringList avisos;
  for (const SonidoFijo& s : SonidosFijos()) avisos << "/Sonidos/" + s.archivo;
  return avisos;
}

void PrintTo(const Caso& caso, std::ostream* os) { *os << caso.nombre; }

class Revision : public ::testing::TestWithParam<Caso> {};

TEST_P(Revision, LineaDelProductoYAvisos) {
  const Caso& caso = GetParam();
  Carpeta datos;
  datos.Llenar(kSeis, 10);
  caso.cambio(datos);
  const RevisionDatos r = RevisarDatos(datos.Ruta());
  QString texto;
  QTextStream salida(&texto);
  EscribirRevision(r, salida);
  EXPECT_TRUE(!*caso.linea || texto.contains(u'\n' + QString::fromUtf8(caso.linea) + u'\n'))
      << texto.toStdString();
  const QStringList avisos = r.fallo ? QStringList{*r.fallo} : r.avisos;
  ASSERT_EQ(avisos.size(), caso.avisos.size()) << texto.toStdString();
  for (qsizetype i = 0; i < avisos.size(); ++i)
    EXPECT_TRUE(avisos[i].contains(caso.avisos[i])) << avisos[i].toStdString();
  EXPECT_EQ(r.CodigoSalida(), r.fallo ? 2 : caso.avisos.isEmpty() ? 0 : 1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(RevisionDatos, Revision, ::testing::Values(
  // "pan" first stands inside "empanada"'s line: the program reads the wrong price.
  Caso{"Trampa", [](const Carpeta& d) { Agregar(d, {"pan", "1.00"}); Agregar(d, {"empanada", "2.50"}); Precios(d, Mas({{"empanada", "2.50"}, {"pan", "1.00"}}, kSeis)); },
       "pan\tpan.jpg\t24x16\t2,5\t2\tsí", {"«pan» aparece antes dentro de la línea «empanada|2.50»"}},
  // No prices file: the check cannot start (status 2).
  Caso{"SinArchivoDePrecios", [](const Carpeta& d) { d.Borrar("precios.txt"); }, "", {"precios.txt"}},
  // Too few pictures come first; without any, nothing more is read.
  Caso{"MenosDeSeisYSinPrecios", [](const Carpeta& d) { d.Borrar("precios.txt"); d.Borrar("imágenes/piña.jpg"); }, "", {"tiene 5 imágenes"}},
  Caso{"SinNingunaJpg", [](const Carpeta& d) { d.Borrar("imágenes"); d.CrearCarpeta("imágenes"); }, "", {"no tiene ninguna imagen .jpg."}},
  Caso{"SinLineaTomaLaPrimera", [](const Carpeta& d) { Agregar(d, {"kiwi", "0.30"}); }, "kiwi\tkiwi.jpg\t24x16\t0,35\t1\tsí", {"«kiwi» no tiene línea"}},
  // A product's own sound is only noted; each fixed one is a warning.
  Caso{"FaltanSonidos", [](const Carpeta& d) { for (const SonidoFijo& s : SonidosFijos()) d.Borrar("Sonidos/" + s.archivo); d.Borrar("Sonidos/limón.wav"); },
       "limón\tlimón.jpg\t24x16\t0,4\t1\tfalta", SonidosFijosQueFaltan()},
  Caso{"NombreQueNoEsUtf8", [](const Carpeta& d) { std::fclose(std::fopen(QFile::encodeName(d.Ruta("imágenes/pi")).append("\xF1" "a.jpg"), "wb")); },
       "", {"el nombre de la imagen «pi\uFFFDa.jpg» no está en UTF-8: el programa no la ve"}},
  Caso{"ImagenIlegible", [](const Carpeta& d) { d.Escribir("imágenes/sandía.jpg", "esto no es un JPEG"); },
       "sandía\tsandía.jpg\tilegible\t4\t4\tsí", {"sandía.jpg no se puede leer"}},
  // The program's own start-up words; the products are listed all the same.
  Caso{"MenosDeSeis", [](const Carpeta& d) { d.Borrar("imágenes/plátano.jpg"); d.Borrar("imágenes/piña.jpg"); },
       "brócoli\tbrócoli.jpg\t24x16\t1,49\t1\tsí", {"tiene 4 imágenes .jpg y hacen falta al menos seis."}},
  // Found as the program finds it when it plays them.
  Caso{"SonidoEnMayusculas", [](const Carpeta& d) { QFile::rename(d.Ruta("Sonidos/lista.wav"), d.Ruta("Sonidos/LISTA.wav")); QFile::rename(d.Ruta("Sonidos/piña.wav"), d.Ruta("Sonidos/PIÑA.WAV")); },
       "piña\tpiña.jpg\t24x16\t2,5\t2\tsí", {}},
  // Its own line without the bar: the price comes from the next line's.
  Caso{"LineaSinBarra", [](const Carpeta& d) { Agregar(d, {"fresas", ""}); d.Escribir("precios.txt", "fresas 2.99\r\n" + PreciosCp1252(kSeis)); },
     "fresas\tfresas.jpg\t24x16\t0,35\t1\tsí",
     {"la línea «fresas 2.99» de precios.txt no lleva «|» entre el nombre y el precio: «fresas» lee el precio 0,35"}},
  Caso{"PrecioSinNumero", [](const Carpeta& d) { Precios(d, Mas({{"piña", " dos"}}, kSeis)); },
       "piña\tpiña.jpg\t24x16\t0\t1\tsí", {"«piña» no tiene número en la línea «piña| dos»"}},
  // A long line is quoted up to its 60th character.
  Caso{"PrecioSinNumeroEnUnaLineaLarga", [](const Carpeta& d) { Precios(d, Mas({{"piña", " dos euros y cincuenta centimos, que es lo que vale hoy en el mercado"}}, kSeis)); },
       "", {"«piña» no tiene número en la línea «piña| dos euros y cincuenta centimos, que es lo que vale hoy…»"}},
  // Blanks between the name and its bar.
  Caso{"TabuladorAntesDeLaBarra", [](const Carpeta& d) { Precios(d, Mas({{"piña \t", "2.75"}}, kSeis)); }, "piña\tpiña.jpg\t24x16\t2,75\t2\tsí", {}},
  Caso{"PrecioDiminuto", [](const Carpeta& d) { Precios(d, Mas({{"piña", "1e-50"}}, kSeis)); },
       "piña\tpiña.jpg\t24x16\t0\t1\tsí", {"el precio de «piña» en la línea «piña|1e-50» de precios.txt no cabe"}},
  Caso{"PrecioFueraDePrecisionSimple", [](const Carpeta& d) { Precios(d, Mas({{"piña", "1e39"}}, kSeis)); },
       "piña\tpiña.jpg\t24x16\t0\t1\tsí", {"«piña» en la línea «piña|1e39» de precios.txt no cabe en precisión simple"}},
  // The price is read after the name's own bar: "ajo|1.5" has no number.
  Caso{"BarraEnElNombre", [](const Carpeta& d) { Agregar(d, {"pan|ajo", "1.5"}); Precios(d, Mas(kSeis, {{"pan|ajo", "1.5"}})); },
       "pan|ajo\tpan|ajo.jpg\t24x16\t0\t1\tsí", {"«pan|ajo» lleva «|» y su precio se lee tras esa barra: 0"}},
  // Narrower than the frame, wider than what the window shows of it.
  Caso{"TextoCortadoPorElBordeDeLaVentana", [](const Carpeta& d) {
    const Producto cortada{"cabecera-cortada", "3.2"};
    Agregar(d, cortada);
    Precios(d, Mas(kSeis, {cortada}));
  }, "", {"«cabecera-cortada  3,2» no cabe en su marco del estante: mide"}}),
  [](const auto& caso) { return std::string(caso.param.nombre); });
// clang-format on

}  // namespace
}  // namespace tiendal
