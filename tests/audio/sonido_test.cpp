#include "audio/sonido.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "reproductor_falso.h"
#include "wav.h"

namespace tiendal {
namespace {

class SonidoFalso : public testing::Test {
 protected:
  ReproductorFalso reproductor;
  int pasadas = 0;
  std::function<void()> alAtender;
  Sonido sonido{reproductor, QStringLiteral("/no/existe"), [this] {
                  ++pasadas;
                  if (alAtender) alAtender();
                  reproductor.Avanzar();
                }};
};

TEST_F(SonidoFalso, EsperarSinSonidoVuelveEnseguida) {
  EXPECT_FALSE(sonido.EsperarSonido());
  EXPECT_EQ(pasadas, 0);
}

TEST_F(SonidoFalso, LaCondicionSoloCuentaMientrasSuena) {
  EXPECT_FALSE(sonido.EsperarSonido([] { return true; }));
  EXPECT_EQ(pasadas, 0);

  sonido.ReproducirSonido(QStringLiteral("a.wav"));
  EXPECT_TRUE(sonido.EsperarSonido([] { return true; }));
  EXPECT_EQ(pasadas, 1);
  EXPECT_TRUE(reproductor.Ocupado());  // stopping the wait leaves the sound alone
}

TEST_F(SonidoFalso, EsperaHastaQueElReproductorParaYAtiendeEventosEntretanto) {
  reproductor.pasos = 5;
  sonido.ReproducirSonido(QStringLiteral("a.wav"));
  int miradas = 0;
  EXPECT_FALSE(sonido.EsperarSonido([&] {
    ++miradas;
    return false;
  }));
  EXPECT_EQ(pasadas, 5);
  EXPECT_EQ(miradas, 5);
}

TEST_F(SonidoFalso, DetenerSonidoTerminaLaEspera) {
  reproductor.pasos = 100;
  sonido.ReproducirSonido(QStringLiteral("a.wav"));
  alAtender = [&] {
    if (pasadas == 2) sonido.DetenerSonido();
  };
  EXPECT_FALSE(sonido.EsperarSonido());
  EXPECT_EQ(pasadas, 2);
}

TEST_F(SonidoFalso, DetenerSinSonidoNoHaceNada) {
  sonido.DetenerSonido();
  EXPECT_FALSE(reproductor.Ocupado());
  EXPECT_FALSE(sonido.EsperarSonido());
}

TEST_F(SonidoFalso, EsperasAnidadasSeCuentan) {
  reproductor.pasos = 3;
  sonido.ReproducirSonido(QStringLiteral("a.wav"));
  int maximo = 0;
  alAtender = [&] {
    maximo = std::max(maximo, sonido.EsperasEnCurso());
    if (pasadas == 1) {
      sonido.ReproducirSonido(QStringLiteral("b.wav"));
      sonido.EsperarSonido();
    }
  };
  sonido.EsperarSonido();
  EXPECT_EQ(maximo, 2);
  EXPECT_EQ(sonido.EsperasEnCurso(), 0);
}

TEST_F(SonidoFalso, CerrarTerminaLasEsperasYNoDejaSonarNadaMas) {
  reproductor.pasos = 100;
  sonido.ReproducirSonido(QStringLiteral("a.wav"));
  alAtender = [&] {
    if (pasadas == 3) sonido.Cerrar();
  };
  EXPECT_TRUE(sonido.EsperarSonido());
  EXPECT_TRUE(sonido.Cerrado());
  EXPECT_FALSE(reproductor.Ocupado());

  sonido.ReproducirSonido(QStringLiteral("b.wav"));
  EXPECT_EQ(reproductor.abiertos, QStringList{"a.wav"});
  const int antes = pasadas;
  EXPECT_TRUE(sonido.EsperarSonido());
  EXPECT_TRUE(sonido.EsperarPosicion([] { return false; }));
  EXPECT_EQ(pasadas, antes);
}

TEST_F(SonidoFalso, EsperarPosicionMiraLaCondicionTrasCadaPasada) {
  reproductor.pasos = 10;
  reproductor.pasosSinPosicion = 3;
  sonido.ReproducirSonido(QStringLiteral("a.wav"));
  EXPECT_TRUE(sonido.EsperarPosicion([&] { return pasadas == 6; }));
  EXPECT_EQ(pasadas, 6);
}

TEST(SonidoArchivos, NombreExactoPrimeroYSiNoElQueSoloDifiereEnMayusculas) {
  QTemporaryDir carpeta;
  ASSERT_TRUE(carpeta.isValid());
  for (const char* nombre : {"LISTA.WAV", "igual.wav", "Igual.wav", "Aplauso.wav"}) {
    ASSERT_TRUE(Escribir(carpeta.filePath(QString::fromUtf8(nombre)), QByteArray("x")));
  }
  ASSERT_TRUE(QDir(carpeta.path()).mkdir(QStringLiteral("coma.wav")));  // a folder, not a file
  ReproductorFalso reproductor;
  Sonido sonido(reproductor, carpeta.path(), [] {});

  for (const char* nombre :
       {"lista.wav", "igual.wav", "Aplauso.wav", "aplauso.wav", "coma.wav", "nada.wav"}) {
    sonido.ReproducirSonido(QString::fromUtf8(nombre));
  }

  const QString c = carpeta.path() + u'/';
  EXPECT_EQ(reproductor.rutas, (QStringList{c + "LISTA.WAV", c + "igual.wav", c + "Aplauso.wav",
                                            c + "Aplauso.wav", c + "coma.wav", c + "nada.wav"}));
}

}  // namespace
}  // namespace tiendal
