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
#include <QSignalSpy>
#include <QTimer>
#include <functional>

#include "app/carpeta_datos.h"
#include "arranque.h"
#include "carpeta.h"
#include "jpeg.h"

namespace tiendal::robustez {
namespace {

struct CasoParada {
  const char* nombre;
  std::function<void(const Carpeta&)> estropear;  // on a folder with eight good products
  const char* nombrado;                           // relative path the message must name
  const char* motivo;                             // words of the message
};

// clang-format off
const CasoParada kParadas[] = {
    {"SinCarpetaDeImagenes",
     [](const Carpeta& c) { c.Borrar(QStringLiteral("imágenes")); },
     "imágenes", "No se encuentra la carpeta de imágenes"},
    {"SoloPngYJpeg",
     [](const Carpeta& c) {
       c.Borrar(QStringLiteral("imágenes"));
       c.Escribir(QStringLiteral("imágenes/pan.png"), Png(QSize(8, 8), Qt::red));
       c.Escribir(QStringLiteral("imágenes/leche.jpeg"), JpegQt(QSize(8, 8), Qt::red));
       c.Escribir(QStringLiteral("imágenes/huevos.jpg.bak"), JpegQt(QSize(8, 8), Qt::red));
     },
     "imágenes", "no tiene ninguna imagen .jpg"},
    {"CincoImagenes",
     [](const Carpeta& c) {
       c.Borrar(QStringLiteral("imágenes"));
       c.Imagenes(PrimerosProductos(5));
     },
     "imágenes", "tiene 5 imágenes .jpg y hacen falta al menos seis"},
    {"SinArchivoDePrecios",
     [](const Carpeta& c) { c.Borrar(QStringLiteral("precios.txt")); },
     "precios.txt", "No se puede leer el archivo de precios"},
};
// clang-format on

class Parada : public ::testing::TestWithParam<CasoParada> {};

TEST_P(Parada, UnMensajeQueNombraLoQueFaltaYNadaEscrito) {
  Carpeta carpeta;
  carpeta.Llenar();
  carpeta.Escribir(QStringLiteral("Tiendal.ini"), " 1 \r\n 0 \r\n");
  GetParam().estropear(carpeta);
  const QStringList antes = carpeta.Contenido();

  // Should a window open after all, it is closed, so that the run ends and the status tells.
  QTimer cerrar;
  cerrar.callOnTimeout([] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<VentanaPractica*>(w) != nullptr && w->isVisible()) w->close();
  });
  cerrar.start(50);
  const auto arranque = Arrancar(carpeta.Ruta(), true);

  EXPECT_EQ(arranque->estado, 1);
  ComprobarParadaOrdenada(
      *arranque, QDir::toNativeSeparators(carpeta.Ruta(QString::fromUtf8(GetParam().nombrado))));
  if (!arranque->cajas.empty()) {
    EXPECT_TRUE(arranque->cajas.front().texto.contains(QString::fromUtf8(GetParam().motivo)))
        << arranque->cajas.front().texto.toStdString();
  }
  EXPECT_EQ(carpeta.Contenido(), antes);
  EXPECT_EQ(carpeta.Leer(QStringLiteral("Tiendal.ini")), QByteArray(" 1 \r\n 0 \r\n"));
}

INSTANTIATE_TEST_SUITE_P(Robustez, Parada, ::testing::ValuesIn(kParadas),
                         NombreDelCaso<CasoParada>);

void Menu(const Arranque& arranque, const char* item) {
  arranque.Ventana()->findChild<QAction*>(QLatin1String(item))->trigger();
  Vaciar();
}

// Folders the program starts on, whole and writing nothing; then what only it can show there.
struct CasoArranca {
  const char* nombre;
  std::function<void(const Carpeta&)> estropear;  // on a folder with six good products
  std::function<void(const Arranque&, const Carpeta&)> despues;
};

// clang-format off
const CasoArranca kArrancan[] = {
    // Entries the listing must pass over: the program starts on exactly the six real pictures.
    {"CarpetasEnlacesYOtrasExtensionesNoSonProductos",
     [](const Carpeta& c) {
       c.CrearCarpeta(QStringLiteral("imágenes/carpeta.jpg"));
       QFile::link(c.Ruta(QStringLiteral("no-existe.jpg")), c.Ruta(QStringLiteral("imágenes/roto.jpg")));
       c.Escribir(QStringLiteral("imágenes/leche.jpeg"), JpegQt(QSize(8, 8), Qt::red));
       c.Escribir(QStringLiteral("imágenes/Thumbs.db"), "basura");
     },
     [](const Arranque& a, const Carpeta&) {
       QStringList productos = a.Ventana()->sesion().practica().Productos;
       productos.sort();
       EXPECT_EQ(productos, QStringList({"aceite", "huevos", "leche", "pan", "plátanos", "queso"}));
     }},
    // The readings end at once and nobody is told.
    {"SinSonidos", [](const Carpeta& c) { c.Borrar(QStringLiteral("Sonidos")); },
     [](const Arranque& a, const Carpeta&) {
       Contestador contestador;
       for (const Qt::Key tecla : {Qt::Key_F3, Qt::Key_F2}) Tecla(*a.Ventana(), tecla);
       EXPECT_FALSE(a.Ventana()->sonido().reproductor().Ocupado());
       EXPECT_TRUE(contestador.cajas.empty());
     }},
    {"ElPrimerCambioDeOpcionEscribeDosLineas", [](const Carpeta&) {},
     [](const Arranque& a, const Carpeta& c) {
       Menu(a, "MnuOpcMos");
       EXPECT_EQ(c.Leer(QStringLiteral("Tiendal.ini")), QByteArray(" 0 \r\n 0 \r\n"));
     }},
    {"OpcionesQueNoSePuedenEscribirSeCallan",
     [](const Carpeta& c) { c.CrearCarpeta(QStringLiteral("Tiendal.ini")); },
     [](const Arranque& a, const Carpeta&) {
       Contestador contestador;
       Menu(a, "MnuOpcMos");
       EXPECT_TRUE(contestador.cajas.empty());
       EXPECT_FALSE(a.Ventana()->findChild<QAction*>(QStringLiteral("MnuOpcMos"))->isChecked());
     }},
    // The other window cannot load at a switch: one message naming the file, and status 1.
    {"CambioDeVentanaSinPrecios", [](const Carpeta&) {},
     [](const Arranque& a, const Carpeta& c) {
       c.Borrar(QStringLiteral("precios.txt"));
       QSignalSpy terminado(a.programa.get(), &Programa::terminado);
       Contestador contestador;
       Menu(a, "MnuOpcVer");
       EXPECT_EQ(terminado, QList<QList<QVariant>>({{1}}));
       EXPECT_EQ(a.Ventana(), nullptr);
       ASSERT_EQ(contestador.cajas.size(), 1u);
       EXPECT_TRUE(contestador.cajas.front().texto.contains(c.Ruta(QStringLiteral("precios.txt"))));
     }},
};
// clang-format on

class Arranca : public ::testing::TestWithParam<CasoArranca> {};

TEST_P(Arranca, EnteraYSinEscribirNada) {
  Carpeta carpeta;
  carpeta.Llenar(PrimerosProductos(6));
  GetParam().estropear(carpeta);
  const QStringList antes = carpeta.Contenido();

  const auto arranque = Arrancar(carpeta.Ruta());

  ASSERT_NO_FATAL_FAILURE(ComprobarVentanaEntera(*arranque));
  EXPECT_EQ(carpeta.Contenido(), antes);
  GetParam().despues(*arranque, carpeta);
}

INSTANTIATE_TEST_SUITE_P(Robustez, Arranca, ::testing::ValuesIn(kArrancan),
                         NombreDelCaso<CasoArranca>);

// Where the program looks for its data, first found wins: --datos, its own folder when it holds
// imágenes/, then ../share/tiendal. The settings stay in a data folder that can be written and
// go to the user's configuration folder for the installed data. Folders relative to a
// temporary one; the program lies in bin/.
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
  for (const char* nueva : caso.carpetas) carpeta.CrearCarpeta(QString::fromUtf8(nueva));
  const QString pedida = *caso.pedida ? carpeta.Ruta(QString::fromUtf8(caso.pedida)) : QString();
  const QStringList antes = carpeta.Contenido();

  const auto hallada = BuscarCarpetaDatos(carpeta.Ruta(QStringLiteral("bin")), pedida,
                                          carpeta.Ruta(QStringLiteral("config")));

  if (caso.datos == nullptr) {
    const QString* mensaje = std::get_if<QString>(&hallada);
    ASSERT_NE(mensaje, nullptr);
    EXPECT_TRUE(mensaje->contains(carpeta.Ruta(QStringLiteral("bin/imágenes"))))
        << mensaje->toStdString();
    EXPECT_TRUE(mensaje->contains(carpeta.Ruta(QStringLiteral("share/tiendal"))))
        << mensaje->toStdString();
    return;
  }
  const Rutas* rutas = std::get_if<Rutas>(&hallada);
  ASSERT_NE(rutas, nullptr);
  EXPECT_EQ(rutas->programa, carpeta.Ruta(QString::fromUtf8(caso.datos)));
  EXPECT_EQ(rutas->Ini(), carpeta.Ruta(QString::fromUtf8(caso.opciones)) + "/Tiendal.ini");
  EXPECT_EQ(carpeta.Contenido(), antes);  // the configuration folder is made at the first save
}

INSTANTIATE_TEST_SUITE_P(Robustez, Datos, ::testing::ValuesIn(kDatos), NombreDelCaso<CasoDatos>);

}  // namespace
}  // namespace tiendal::robustez
