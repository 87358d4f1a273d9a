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
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <functional>
#include <tuple>

#include "app/carpeta_datos.h"
#include "app/modo_pantalla.h"
#include "app/ventanas.h"
#include "arranque.h"
#include "carpeta.h"
#include "mouse_window/imagen_estante.h"

namespace tiendal::robustez {
namespace {

// Six products named as teachers name them: spaces, ñ and accents, capitals in the extension
// (ÑAME.JPG). Each must find its own line of the prices file, written in Windows-1252.
// clang-format off
const std::vector<Producto> kSeis = {{"pan de molde", "1.25"}, {"ÑAME", "3"}, {"leche", "1.5"},
                                     {"huevos", "2"}, {"plátanos", "3.2"}, {"aceite", "5"}};
// clang-format on

struct CasoCarpeta {
  const char* nombre;
  std::function<void(const Carpeta&)> estropear;  // on the folder of kSeis
  const char* parada = nullptr;  // the message of a stop, %1 standing for the folder
  int ilegibles = 0;             // shelf pictures that cannot be read
  std::function<void(const Arranque&, const Carpeta&)> despues = {};  // once started
};

// clang-format off
const CasoCarpeta kCarpetas[] = {
    {"SinCarpetaDeImagenes", [](const Carpeta& c) { c.Borrar("imágenes"); },
     "No se encuentra la carpeta de imágenes «%1/imágenes»."},
    {"SinArchivoDePrecios", [](const Carpeta& c) { c.Borrar("precios.txt"); },
     "No se puede leer el archivo de precios «%1/precios.txt»."},
    {"ImagenDeCeroBytes", [](const Carpeta& c) { c.Escribir("imágenes/leche.jpg", {}); },
     nullptr, 1},
    // The other window cannot load at a switch: one message naming the file, and status 1.
    {"CambioDeVentanaSinPrecios", [](const Carpeta&) {}, nullptr, 0,
     [](const Arranque& a, const Carpeta& c) {
       c.Borrar("precios.txt");
       QSignalSpy terminado(a.programa.get(), &Programa::terminado);
       Contestador contestador;
       a.Ventana()->findChild<QAction*>("otraVersion")->trigger();
       EXPECT_EQ(terminado, QList<QList<QVariant>>({{1}}));
       EXPECT_EQ(a.Ventana(), nullptr);
       EXPECT_EQ(contestador.cajas, QStringList("No se puede leer el archivo de precios «" +
                                                   c.Ruta("precios.txt") + "»."));
     }},
};
// clang-format on

class Carpetas : public ::testing::TestWithParam<CasoCarpeta> {};

// Nothing is written (the settings file holds the defaults, not in the form the program writes
// them, so that a rewrite would show). A stop: status 1 and one message box naming the file or
// folder at fault (its form is that of every box, which the storm checks), its text on standard
// error. A start: the window whole (no message, shown with its instructions, its record as it
// shows it, it paints), each product with its price, every shelf picture read but the unreadable
// ones, each with its place empty and its file named once on standard error.
TEST_P(Carpetas, ParaConUnMensajeOArrancaEnteraSinEscribirNada) {
  const CasoCarpeta& caso = GetParam();
  Carpeta carpeta;
  carpeta.Llenar(kSeis);
  QFile::rename(carpeta.Ruta("imágenes/ÑAME.jpg"), carpeta.Ruta("imágenes/ÑAME.JPG"));
  carpeta.Escribir("Tiendal.ini", "0\r\n1\r\n");
  caso.estropear(carpeta);
  const QStringList antes = carpeta.Contenido();
  QObject guarda;  // should a window open at a stop after all, the run is ended
  if (caso.parada != nullptr) QTimer::singleShot(5000, &guarda, &QCoreApplication::quit);

  const auto arranque = Arrancar(carpeta.Ruta(), caso.parada != nullptr);

  EXPECT_EQ(carpeta.Contenido(), antes);
  if (caso.parada != nullptr) {
    const QString mensaje = QString::fromUtf8(caso.parada).arg(carpeta.Ruta());
    EXPECT_EQ(arranque->estado, 1);
    EXPECT_EQ(arranque->cajas, QStringList{mensaje});
    EXPECT_EQ(arranque->Avisos(), QStringList{"Tiendal: " + mensaje});
    return;
  }
  ASSERT_NE(arranque->Ventana(), nullptr);
  EXPECT_EQ(arranque->cajas, QStringList());
  VentanaPractica& v = *arranque->Ventana();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&v));
  EXPECT_FALSE(v.findChild<QTextEdit*>("instrucciones")->toPlainText().isEmpty());
  EXPECT_EQ(Incoherencias(v), QStringList());
  EXPECT_FALSE(v.grab().isNull());
  QStringList estante;
  for (int hueco = 0; hueco < kHuecos; ++hueco) {
    estante << v.findChild<QLineEdit*>(Nombrado("textoHueco", hueco))->text();
    const QString aviso = "Tiendal: no se puede leer la imagen «" +
                          carpeta.Ruta("imágenes/" + v.sesion().practica().ImagenDeHueco(hueco)) +
                          "».";
    EXPECT_EQ(v.findChild<ImagenEstante*>(Nombrado("imagenHueco", hueco))->TamanoPropio().isEmpty(),
              arranque->Avisos().contains(aviso));
  }
  estante.sort();
  EXPECT_EQ(estante, QStringList({"aceite  5", "huevos  2", "leche  1,5", "pan de molde  1,25",
                                  "plátanos  3,2", "ÑAME  3"}));
  EXPECT_EQ(arranque->Avisos().size(), caso.ilegibles);
  if (caso.despues) caso.despues(*arranque, carpeta);
}

INSTANTIATE_TEST_SUITE_P(Robustez, Carpetas, ::testing::ValuesIn(kCarpetas),
                         NombreDelCaso<CasoCarpeta>);

// Each window gets the record it is told of, or none: a verdict then writes its line there, or
// nothing at all.
TEST(Registro, SoloDondeSeDice) {
  for (const bool conRegistro : {false, true}) {
    Carpeta carpeta, registro;
    carpeta.Llenar(kSeis);
    const QStringList antes = carpeta.Contenido();
    {
      const auto arranque = Arrancar(carpeta.Ruta(), false, conRegistro ? registro.Ruta() : "");
      const Contestador contestador;
      for (int hueco = 0; hueco < 2 * kHuecos; ++hueco)  // type 3 may take its cheapest last
        arranque->Ventana()->sesion().AgregarDelEstante(hueco % kHuecos);
      arranque->Ventana()->findChild<QPushButton*>("corregir")->click();
    }
    EXPECT_EQ(registro.Contenido().size(), conRegistro ? 1 : 0);
    EXPECT_EQ(carpeta.Contenido(), antes);
  }
}

// Full screen is the program's mode, not a window's: the next window, after the switch to the
// other version, opens in it too. The pupil's F11 is told, and the user's pantalla.ini keeps it.
TEST(Pantalla, ElModoSigueAlCambiarDeVentanaYSeGuarda) {
  Carpeta carpeta;
  carpeta.Llenar(kSeis);
  QStringList guardados;
  {
    Programa programa(FabricaDelPrograma(carpeta.Ruta()));
    programa.PonerModo(1.0, true, [&](bool completa) {
      GuardarPantallaCompleta(carpeta.Ruta("config"), completa);
      guardados << (LeerPantallaCompleta(carpeta.Ruta("config")) ? "sí" : "no");
    });
    ASSERT_TRUE(programa.Iniciar());
    EXPECT_TRUE(programa.Ventana()->EnPantallaCompleta());
    programa.Ventana()->findChild<QAction*>("otraVersion")->trigger();
    ASSERT_EQ(programa.VersionAbierta(), Version::SoloTeclado);
    EXPECT_TRUE(programa.Ventana()->EnPantallaCompleta());
    PulsarTecla(*programa.Ventana(), Qt::Key_F11);
    PulsarTecla(*programa.Ventana(), Qt::Key_F11);
    PulsarTecla(*programa.Ventana(), Qt::Key_Escape);
    EXPECT_FALSE(programa.Ventana()->EnPantallaCompleta());
  }
  EXPECT_EQ(guardados, QStringList({"no", "sí", "no"}));
  Vaciar();
}

// Where the program looks for its data, first found wins: --datos, its own folder when it holds
// imágenes/, then ../share/tiendal. The settings stay in a data folder that can be written and
// go to the user's configuration folder for the installed data, whose language has its own set
// (the Spanish one when it lacks it). When nothing is found, the message names both places.
// Folders relative to a temporary one; the program lies in bin/.
TEST(Datos, SeBuscanEnOrdenYElMensajeNombraCadaSitio) {
  if (geteuid() == 0) return ComoUsuarioSinPrivilegios();
  // The folders and settings files made ("r:" those then made read-only), --datos, and "data
  // folder, folder of Tiendal.ini" or what the message says.
  // clang-format off
  const std::tuple<std::vector<const char*>, const char*, const char*, const char*> casos[] = {
      {{"bin/imágenes", "share/tiendal"}, "", "es", "bin, bin"},
      {{"bin", "share/tiendal/imágenes"}, "", "es", "share/tiendal, config"},
      {{"bin/imágenes", "share/tiendal", "mia"}, "mia", "es", "mia, mia"},
      {{"bin/imágenes", "r:bin", "share/tiendal"}, "", "es", "bin, config"},
      {{"bin/imágenes", "bin/Tiendal.ini", "r:bin"}, "", "es", "bin, bin"},
      {{"bin/imágenes", "r:bin/Tiendal.ini", "r:bin"}, "", "es", "bin, config"},
      {{"bin", "r:mia"}, "mia", "es", "mia, config"},
      {{"bin"}, "", "es", "«bin/imágenes» junto al programa y la carpeta de datos instalada «share/"},
      {{"bin", "share/tiendal/imágenes", "share/tiendal/eu/imágenes"}, "", "eu", "share/tiendal/eu, config"},
      {{"bin", "share/tiendal/imágenes", "share/tiendal/eu"}, "", "eu", "share/tiendal, config; Tiendal: no están instalados los productos en este idioma («share/tiendal/eu»); se usan los de «share/tiendal»."},
      {{"bin/imágenes", "share/tiendal/eu/imágenes"}, "", "eu", "bin, bin"},
      {{"bin", "share/tiendal/imágenes", "mia"}, "mia", "gl", "mia, mia"},
  };
  // clang-format on
  for (const auto& [carpetas, pedida, idioma, hallado] : casos) {
    Carpeta c;
    QStringList soloLectura;
    for (QString nueva : carpetas) {
      if (nueva.startsWith("r:")) soloLectura << c.Ruta(nueva.remove(0, 2));
      nueva.endsWith(".ini") ? c.Escribir(nueva, "0\r\n") : c.CrearCarpeta(nueva);
    }
    for (const QString& r : soloLectura)
      QFile::setPermissions(r, QFile::ReadOwner | QFile::ExeOwner);
    static QStringList avisos;  // what goes to standard error, after the folders found
    avisos.clear();
    const auto anterior = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& aviso) { avisos << aviso; });
    const auto hallada =
        BuscarCarpetaDatos(c.Ruta("bin"), *pedida ? c.Ruta(pedida) : "", c.Ruta("config"), idioma);
    qInstallMessageHandler(anterior);
    for (const QString& r : soloLectura)
      QFile::setPermissions(r, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const auto* rutas = std::get_if<Rutas>(&hallada);
    QString visto =
        (rutas ? rutas->Datos + ", " + rutas->CarpetaOpciones : std::get<QString>(hallada)) +
        (avisos.isEmpty() ? QString() : "; " + avisos.join("; "));
    EXPECT_TRUE(visto.remove(c.Ruta() + "/").contains(hallado)) << visto.toStdString();
  }
}

}  // namespace
}  // namespace tiendal::robustez
