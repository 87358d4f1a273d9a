// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Program folders as a teacher may leave them, through the whole program: a start that cannot
// work stops with one message naming what is wrong and status 1; one that can starts whole and
// writes nothing until an option is switched.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
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
  return QFile::encodeName(c.Ruta("imágenes/")) + "pi\xF1" + ".jpg";
}

void Menu(const Arranque& arranque, const char* item) {
  arranque.Ventana()->findChild<QAction*>(QLatin1String(item))->trigger();
  Vaciar();
}

struct CasoCarpeta {
  const char* nombre;
  std::function<void(const Carpeta&)> estropear;  // on the folder of kSeis
  const char* nombrado;  // the relative path a stop names, with words of its message
  const char* motivo;    // (null when the program starts)
  const char* ilegible;  // the product whose picture cannot be read
  std::function<void(const Arranque&, const Carpeta&)> despues;  // once started
};

// clang-format off
const CasoCarpeta kCarpetas[] = {
    {"SinCarpetaDeImagenes", [](const Carpeta& c) { c.Borrar("imágenes"); },
     "imágenes", "No se encuentra la carpeta de imágenes"},
    {"SoloPngJpegYBak",
     [](const Carpeta& c) {
       c.Borrar("imágenes");
       for (const QString otra : {"pan.png", "leche.jpeg", "huevos.jpg.bak"})
         c.Escribir("imágenes/" + otra, JpegQt(QSize(8, 8), Qt::red));
     },
     "imágenes", "no tiene ninguna imagen .jpg"},
    {"CincoImagenes", [](const Carpeta& c) { c.Borrar("imágenes/leche.jpg"); },
     "imágenes", "tiene 5 imágenes .jpg y hacen falta al menos seis"},
    {"SinArchivoDePrecios", [](const Carpeta& c) { c.Borrar("precios.txt"); },
     "precios.txt", "No se puede leer el archivo de precios"},
    // Passed over: a folder and a broken link named .jpg, other extensions, and a name that the
    // listing could not give back so that it could be opened.
    {"LoQueNoEsUnProducto",
     [](const Carpeta& c) {
       c.CrearCarpeta("imágenes/carpeta.jpg");
       QFile::link(c.Ruta("no-existe.jpg"), c.Ruta("imágenes/roto.jpg"));
       c.Escribir("imágenes/leche.jpeg", JpegQt(QSize(8, 8), Qt::red));
       c.Escribir("imágenes/Thumbs.db", "basura");
       std::fclose(std::fopen(Latin1(c), "wb"));
     },
     nullptr, nullptr, "", [](const Arranque&, const Carpeta& c) { std::remove(Latin1(c)); }},
    {"ImagenDeCeroBytes", [](const Carpeta& c) { c.Escribir("imágenes/leche.jpg", {}); },
     nullptr, nullptr, "leche", {}},
    // Switched in the window all the same, and silently not saved.
    {"OpcionesQueNoSePuedenEscribir",
     [](const Carpeta& c) { c.Borrar("Tiendal.ini"); c.CrearCarpeta("Tiendal.ini"); },
     nullptr, nullptr, "",
     [](const Arranque& a, const Carpeta&) {
       Contestador contestador;
       Menu(a, "MnuOpcMos");
       EXPECT_TRUE(contestador.cajas.empty());
       EXPECT_FALSE(a.Ventana()->findChild<QAction*>("MnuOpcMos")->isChecked());
     }},
    // The other window cannot load at a switch: one message naming the file, and status 1.
    {"CambioDeVentanaSinPrecios", [](const Carpeta&) {}, nullptr, nullptr, "",
     [](const Arranque& a, const Carpeta& c) {
       c.Borrar("precios.txt");
       QSignalSpy terminado(a.programa.get(), &Programa::terminado);
       Contestador contestador;
       Menu(a, "MnuOpcVer");
       EXPECT_EQ(terminado, QList<QList<QVariant>>({{1}}));
       EXPECT_EQ(a.Ventana(), nullptr);
       ASSERT_EQ(contestador.cajas.size(), 1u);
       EXPECT_TRUE(contestador.cajas.front().texto.contains(c.Ruta("precios.txt")));
     }},
};
// clang-format on

class Carpetas : public ::testing::TestWithParam<CasoCarpeta> {};

// Nothing is written (the settings file holds the defaults, not in the form the program writes
// them, so that a rewrite would show). A stop: status 1 and one message box titled "Tiendal",
// with one OK button and no icon, naming the file or folder at fault, its text on standard
// error. A start: the window whole (no message, shown with its instructions, its record as it
// shows it, it paints), each product with its price, every shelf picture read but the
// unreadable one, whose place stays empty and whose file standard error names once.
TEST_P(Carpetas, ParaConUnMensajeOArrancaEnteraSinEscribirNada) {
  const CasoCarpeta& caso = GetParam();
  Carpeta carpeta;
  carpeta.Llenar(kSeis);
  QFile::rename(carpeta.Ruta("imágenes/ÑAME.jpg"), carpeta.Ruta("imágenes/ÑAME.JPG"));
  carpeta.Escribir("Tiendal.ini", "0\r\n1\r\n");
  caso.estropear(carpeta);
  const QStringList antes = carpeta.Contenido();
  QTimer cerrar;  // should a window open at a stop after all, it is closed, so that the run ends
  cerrar.callOnTimeout([] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<VentanaPractica*>(w) != nullptr) w->close();
  });
  if (caso.nombrado != nullptr) cerrar.start(1);

  const auto arranque = Arrancar(carpeta.Ruta(), caso.nombrado != nullptr);

  EXPECT_EQ(carpeta.Contenido(), antes);
  if (caso.nombrado != nullptr) {
    EXPECT_EQ(arranque->estado, 1);
    ASSERT_EQ(arranque->cajas.size(), 1u);
    const Contestador::Caja& caja = arranque->cajas.front();
    EXPECT_EQ(caja.titulo, "Tiendal");
    EXPECT_EQ(caja.icono, QMessageBox::NoIcon);
    EXPECT_EQ(caja.botones, 1);
    for (const QString& palabras :
         {QDir::toNativeSeparators(carpeta.Ruta(caso.nombrado)), QString(caso.motivo)})
      EXPECT_TRUE(caja.texto.contains(palabras)) << caja.texto.toStdString();
    EXPECT_EQ(arranque->Avisos(), QStringList{"Tiendal: " + caja.texto});
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
// first save. Folders relative to a temporary one; the program lies in bin/.
struct CasoDatos {
  const char* nombre;
  std::vector<const char*> carpetas;
  const char* pedida;    // --datos; empty when not given
  const char* datos;     // the data folder chosen; null when none is found
  const char* opciones;  // the folder of Tiendal.ini
};

// clang-format off
const CasoDatos kDatos[] = {
    {"Portatil", {"bin/imágenes", "share/tiendal"}, "", "bin", "bin"},
    {"Instalada", {"bin", "share/tiendal/imágenes"}, "", "share/tiendal", "config"},
    {"LaPedidaGana", {"bin/imágenes", "share/tiendal", "mia"}, "mia", "mia", "mia"},
    {"Ninguna", {"bin"}, "", nullptr, nullptr},
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

  EXPECT_EQ(carpeta.Contenido(), antes);
  if (const auto* mensaje = std::get_if<QString>(&hallada); caso.datos == nullptr) {
    ASSERT_NE(mensaje, nullptr);
    for (const char* sitio : {"bin/imágenes", "share/tiendal"})
      EXPECT_TRUE(mensaje->contains(carpeta.Ruta(sitio))) << mensaje->toStdString();
  } else {
    const auto& rutas = std::get<Rutas>(hallada);
    EXPECT_EQ(rutas.programa, carpeta.Ruta(caso.datos));
    EXPECT_EQ(rutas.Ini(), carpeta.Ruta(caso.opciones) + "/Tiendal.ini");
  }
}

INSTANTIATE_TEST_SUITE_P(Robustez, Datos, ::testing::ValuesIn(kDatos), NombreDelCaso<CasoDatos>);

}  // namespace
}  // namespace tiendal::robustez
