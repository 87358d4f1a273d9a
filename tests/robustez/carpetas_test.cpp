// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Program folders as a teacher may leave them, through the whole program: a start that cannot
// work stops with one message naming what is wrong and status 1; one that can starts whole and
// writes nothing until an option is switched.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "app/carpeta_datos.h"
#include "arranque.h"
#include "carpeta.h"
#include "jpeg.h"
#include "mouse_window/imagen_estante.h"

namespace tiendal::robustez {
namespace {

// Six products named as teachers name them: spaces, ñ and accents, capitals in the extension
// (ÑAME.JPG). Each must find its own line of the prices file, written in Windows-1252.
const std::vector<Producto> kSeis = {{"pan de molde", "1.25"}, {"ÑAME", "3"},
                                     {"leche", "1.5"},         {"huevos", "2"},
                                     {"plátanos", "3.2"},      {"aceite", "5"}};

// A name copied from a Windows disk without conversion: its ñ is one Latin-1 byte, no UTF-8.
QByteArray Latin1(const Carpeta& c) {
  return QFile::encodeName(c.Ruta("imágenes/")) + "pi\xF1.jpg";
}

struct CasoCarpeta {
  const char* nombre;
  std::function<void(const Carpeta&)> estropear;  // on the folder of kSeis
  const char* parada = nullptr;                   // the message of a stop, the folder's path for %1
  const char* ilegible = "";                      // the product whose picture cannot be read
  std::function<void(const Arranque&, const Carpeta&)> despues = {};  // once started
};

// clang-format off
const CasoCarpeta kCarpetas[] = {
    {"SinCarpetaDeImagenes", [](const Carpeta& c) { c.Borrar("imágenes"); },
     "No se encuentra la carpeta de imágenes «%1/imágenes»."},
    {"SinNingunaJpg", [](const Carpeta& c) { c.Borrar("imágenes"); c.CrearCarpeta("imágenes"); },
     "La carpeta de imágenes «%1/imágenes» no tiene ninguna imagen .jpg."},
    {"CincoImagenes", [](const Carpeta& c) { c.Borrar("imágenes/leche.jpg"); },
     "La carpeta de imágenes «%1/imágenes» tiene 5 imágenes .jpg y hacen falta al menos seis."},
    {"SinArchivoDePrecios", [](const Carpeta& c) { c.Borrar("precios.txt"); },
     "No se puede leer el archivo de precios «%1/precios.txt»."},
    // Passed over: a folder and a broken link named .jpg, other extensions, and a name that the
    // listing could not give back so that it could be opened.
    {"LoQueNoEsUnProducto",
     [](const Carpeta& c) {
       c.CrearCarpeta("imágenes/carpeta.jpg");
       QFile::link(c.Ruta("no-existe.jpg"), c.Ruta("imágenes/roto.jpg"));
       for (const QString otra : {"pan.png", "leche.jpeg", "huevos.jpg.bak", "Thumbs.db"})
         c.Escribir("imágenes/" + otra, JpegQt(QSize(8, 8), Qt::red));
       std::fclose(std::fopen(Latin1(c), "wb"));
     },
     nullptr, "", [](const Arranque&, const Carpeta& c) { std::remove(Latin1(c)); }},
    {"ImagenDeCeroBytes", [](const Carpeta& c) { c.Escribir("imágenes/leche.jpg", {}); },
     nullptr, "leche"},
    // Read as no file (a switch is then silently not saved: the core's tables show that).
    {"OpcionesEnUnaCarpeta",
     [](const Carpeta& c) { c.Borrar("Tiendal.ini"); c.CrearCarpeta("Tiendal.ini"); }},
    // The other window cannot load at a switch: one message naming the file, and status 1.
    {"CambioDeVentanaSinPrecios", [](const Carpeta&) {}, nullptr, "",
     [](const Arranque& a, const Carpeta& c) {
       c.Borrar("precios.txt");
       QSignalSpy terminado(a.programa.get(), &Programa::terminado);
       Contestador contestador;
       a.Ventana()->findChild<QAction*>("MnuOpcVer")->trigger();
       EXPECT_EQ(terminado, QList<QList<QVariant>>({{1}}));
       EXPECT_EQ(a.Ventana(), nullptr);
       EXPECT_EQ(contestador.Textos(),
                 QStringList("No se puede leer el archivo de precios «" + c.Ruta("precios.txt") + "»."));
     }},
};
// clang-format on

class Carpetas : public ::testing::TestWithParam<CasoCarpeta> {};

// Nothing is written (the settings file holds the defaults, not in the form the program writes
// them, so that a rewrite would show). A stop: status 1 and one message box naming the file or
// folder at fault (its form is the one of every box, which the storm checks), its text on
// standard error. A start: the window whole (no message, shown with its instructions, its record as
// it shows it, it paints), each product with its price, every shelf picture read but the unreadable
// one, whose place stays empty and whose file standard error names once.
TEST_P(Carpetas, ParaConUnMensajeOArrancaEnteraSinEscribirNada) {
  const CasoCarpeta& caso = GetParam();
  Carpeta carpeta;
  carpeta.Llenar(kSeis);
  QFile::rename(carpeta.Ruta("imágenes/ÑAME.jpg"), carpeta.Ruta("imágenes/ÑAME.JPG"));
  carpeta.Escribir("Tiendal.ini", "0\r\n1\r\n");
  caso.estropear(carpeta);
  const QStringList antes = carpeta.Contenido();
  QObject guarda;  // should a window open at a stop after all, the run is ended
  if (caso.parada != nullptr) QTimer::singleShot(500, &guarda, &QCoreApplication::quit);

  const auto arranque = Arrancar(carpeta.Ruta(), caso.parada != nullptr);

  EXPECT_EQ(carpeta.Contenido(), antes);
  if (caso.parada != nullptr) {
    const QString mensaje = QString::fromUtf8(caso.parada).arg(carpeta.Ruta());
    EXPECT_EQ(arranque->estado, 1);
    ASSERT_EQ(arranque->cajas.size(), 1u);
    EXPECT_EQ(arranque->cajas.front().texto, mensaje);
    EXPECT_EQ(arranque->Avisos(), QStringList{"Tiendal: " + mensaje});
    return;
  }
  ASSERT_TRUE(arranque->iniciado);
  EXPECT_TRUE(arranque->cajas.empty());
  VentanaPractica& v = *arranque->Ventana();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&v));
  EXPECT_FALSE(v.findChild<QTextEdit*>("Text2")->toPlainText().isEmpty());
  EXPECT_EQ(Incoherencias(v), QStringList());
  EXPECT_FALSE(v.grab().isNull());
  QStringList estante;
  for (int hueco = 0; hueco < kHuecos; ++hueco) {
    estante << v.findChild<QLineEdit*>(Nombrado("Text1_", hueco))->text();
    EXPECT_EQ(v.findChild<ImagenEstante*>(Nombrado("Image1_", hueco))->TamanoPropio().isEmpty(),
              v.sesion().practica().NombreDeHueco(hueco) == caso.ilegible);
  }
  estante.sort();
  EXPECT_EQ(estante, QStringList({"aceite  5", "huevos  2", "leche  1,5", "pan de molde  1,25",
                                  "plátanos  3,2", "ÑAME  3"}));
  const QString ruta = carpeta.Ruta(QStringLiteral("imágenes/%1.jpg").arg(caso.ilegible));
  EXPECT_EQ(arranque->Avisos(),
            *caso.ilegible ? QStringList{"Tiendal: no se puede leer la imagen «" + ruta + "»."}
                           : QStringList());
  if (caso.despues) caso.despues(*arranque, carpeta);
}

INSTANTIATE_TEST_SUITE_P(Robustez, Carpetas, ::testing::ValuesIn(kCarpetas),
                         NombreDelCaso<CasoCarpeta>);

// Where the program looks for its data, first found wins: --datos, its own folder when it holds
// imágenes/, then ../share/tiendal. The settings stay in a data folder that can be written and
// go to the user's configuration folder for the installed data; that folder is made at the
// first save, not here. When nothing is found, the message names both places. Folders relative
// to a temporary one; the program lies in bin/.
struct CasoDatos {
  const char* nombre;
  std::vector<const char*> carpetas;
  const char* pedida;   // --datos; empty when not given
  const char* hallado;  // "data folder, folder of Tiendal.ini", or what the message says
};

// clang-format off
const CasoDatos kDatos[] = {
    {"Portatil", {"bin/imágenes", "share/tiendal"}, "", "bin, bin"},
    {"Instalada", {"bin", "share/tiendal/imágenes"}, "", "share/tiendal, config"},
    {"LaPedidaGana", {"bin/imágenes", "share/tiendal", "mia"}, "mia", "mia, mia"},
    {"Ninguna", {"bin"}, "", "«bin/imágenes» junto al programa y la carpeta de datos instalada «share/tiendal»"},
};
// clang-format on

class Datos : public ::testing::TestWithParam<CasoDatos> {};

TEST_P(Datos, SeBuscanEnOrdenYElMensajeNombraCadaSitio) {
  const CasoDatos& caso = GetParam();
  Carpeta carpeta;
  for (const char* nueva : caso.carpetas) carpeta.CrearCarpeta(nueva);
  const QStringList antes = carpeta.Contenido();

  const auto hallada = BuscarCarpetaDatos(
      carpeta.Ruta("bin"), *caso.pedida ? carpeta.Ruta(caso.pedida) : "", carpeta.Ruta("config"));

  const auto* rutas = std::get_if<Rutas>(&hallada);
  QString visto = rutas ? rutas->programa + ", " + rutas->opciones : std::get<QString>(hallada);
  EXPECT_TRUE(visto.remove(carpeta.Ruta() + "/").contains(caso.hallado)) << visto.toStdString();
  EXPECT_EQ(carpeta.Contenido(), antes);
}

INSTANTIATE_TEST_SUITE_P(Robustez, Datos, ::testing::ValuesIn(kDatos), NombreDelCaso<CasoDatos>);

}  // namespace
}  // namespace tiendal::robustez
