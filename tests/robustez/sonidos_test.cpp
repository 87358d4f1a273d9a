// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Sounds that are missing or broken, played by the real SDL player on the dummy driver: each
// counts as a sound that ended at once, so the readings go on and nothing waits for ever. The
// pupil is told nothing; the player notes each fault once on standard error.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "arranque.h"
#include "audio/reproductor_sdl.h"
#include "carpeta.h"
#include "core/reproductor_de.h"
#include "jpeg.h"

namespace tiendal::robustez {
namespace {

// Calls `cambio` with the relative path of every sound file of the folder.
void CadaSonido(const std::function<void(const QString&)>& cambio) {
  QStringList nombres = SonidosFijos();
  for (const Producto& p : PrimerosProductos(6)) nombres << p.nombre + QStringLiteral(".wav");
  for (const QString& nombre : nombres) cambio(QStringLiteral("Sonidos/") + nombre);
}

void Reemplazar(const Carpeta& c, const QByteArray& bytes) {
  CadaSonido([&](const QString& ruta) { c.Escribir(ruta, bytes); });
}

// A 20 ms WAV with one field of its header replaced (offsets as in the canonical 44-byte one).
QByteArray WavCon(int desde, const QByteArray& campo) {
  return Wav(20).replace(desde, campo.size(), campo);
}

struct CasoSonidos {
  const char* nombre;
  std::function<void(const Carpeta&)> estropear;
  bool suenan;  // whether the sounds still play
};

// clang-format off
const CasoSonidos kSonidos[] = {
    {"Buenos", [](const Carpeta&) {}, true},
    {"SinCarpetaDeSonidos", [](const Carpeta& c) { c.Borrar(QStringLiteral("Sonidos")); }, false},
    {"DeCeroBytes", [](const Carpeta& c) { Reemplazar(c, {}); }, false},
    {"CortadosEnLaCabecera", [](const Carpeta& c) { Reemplazar(c, Wav(20).left(30)); }, false},
    // What is there plays: a file cut inside its samples, or one whose header claims more.
    {"CortadosEnLasMuestras", [](const Carpeta& c) { Reemplazar(c, Wav(20).left(44 + 80)); }, true},
    {"CabeceraQuePrometeDosGigas", [](const Carpeta& c) {
       Reemplazar(c, WavCon(40, QByteArray("\xF0\xFF\xFF\x7F", 4)));
     }, true},
    {"NoSonWav", [](const Carpeta& c) { Reemplazar(c, JpegQt({8, 8}, Qt::red)); }, false},
    {"FormatoGsm", [](const Carpeta& c) { Reemplazar(c, WavCon(20, QByteArray("\x31\x00", 2))); }, false},
    {"CeroCanales", [](const Carpeta& c) { Reemplazar(c, WavCon(22, QByteArray("\x00\x00", 2))); }, false},
    {"CarpetasConNombreDeSonido", [](const Carpeta& c) {
       CadaSonido([&](const QString& ruta) {
         c.Borrar(ruta);
         c.CrearCarpeta(ruta);
       });
     }, false},
    // Recordings copied from a system that ignores letter case still play.
    {"NombresEnMayusculas", [](const Carpeta& c) {
       CadaSonido([&](const QString& ruta) {
         const QByteArray bytes = c.Leer(ruta);
         c.Borrar(ruta);
         c.Escribir(ruta.toUpper().replace(QStringLiteral("SONIDOS/"), QStringLiteral("Sonidos/")), bytes);
       });
     }, true},
    // A folder copied from a Mac: "imágenes" and the sounds' names in decomposed Unicode.
    {"NombresDescompuestos", [](const Carpeta& c) {
       const auto nfd = [](const QString& nombre) { return nombre.normalized(QString::NormalizationForm_D); };
       QDir(c.Ruta()).rename(QStringLiteral("imágenes"), nfd(QStringLiteral("imágenes")));
       CadaSonido([&](const QString& ruta) {
         const QByteArray bytes = c.Leer(ruta);
         c.Borrar(ruta);
         c.Escribir(nfd(ruta), bytes);
       });
     }, true},
};
// clang-format on

// A key as the keyboard sends it: to the control that has the focus in the window.
void Tecla(QWidget& ventana, Qt::Key tecla) {
  QWidget* foco = QApplication::focusWidget();
  if (foco == nullptr || foco->window() != &ventana) foco = &ventana;
  QTest::keyClick(foco, tecla);
}

double DuracionDelUltimo(VentanaPractica& ventana) {
  const auto* sdl =
      dynamic_cast<const ReproductorDe<ReproductorSdl>*>(&ventana.sonido().reproductor());
  return sdl != nullptr ? sdl->jugador().Duracion() : -1.0;
}

class Sonidos : public ::testing::TestWithParam<CasoSonidos> {
 protected:
  // F3, F2 and a check of an empty list in the open window: each returns, and the last sound
  // played (or not) as the case says.
  void Leer(VentanaPractica& ventana) {
    ventana.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
    Tecla(ventana, Qt::Key_F3);
    EXPECT_EQ(DuracionDelUltimo(ventana) > 0, GetParam().suenan) << "F3";
    Tecla(ventana, Qt::Key_F2);
    EXPECT_EQ(DuracionDelUltimo(ventana) > 0, GetParam().suenan) << "F2";
    EXPECT_FALSE(ventana.sonido().reproductor().Ocupado() && !GetParam().suenan);
  }
};

TEST_P(Sonidos, LasLecturasTerminanYNadieSeEntera) {
  Carpeta carpeta;
  carpeta.Llenar(PrimerosProductos(6));
  GetParam().estropear(carpeta);

  const auto arranque = Arrancar(carpeta.Ruta());
  ASSERT_NO_FATAL_FAILURE(ComprobarVentanaEntera(*arranque));

  Leer(*arranque->Ventana());
  {
    Contestador contestador;
    QTest::mouseClick(arranque->Ventana()->findChild<QPushButton*>(QStringLiteral("CBCorregir")),
                      Qt::LeftButton);
    // The check of an empty list: its error sound and its one message.
    EXPECT_EQ(contestador.cajas.size(), 1u);
  }

  // The keyboard-only window waits on the play position instead.
  arranque->Ventana()->findChild<QAction*>(QStringLiteral("MnuOpcVer"))->trigger();
  Vaciar();
  ASSERT_NE(arranque->Ventana(), nullptr);
  ASSERT_EQ(arranque->programa->VersionAbierta(), Version::SoloTeclado);
  ASSERT_NO_FATAL_FAILURE(ComprobarVentanaEntera(*arranque));
  Leer(*arranque->Ventana());
}

INSTANTIATE_TEST_SUITE_P(Robustez, Sonidos, ::testing::ValuesIn(kSonidos),
                         NombreDelCaso<CasoSonidos>);

}  // namespace
}  // namespace tiendal::robustez
