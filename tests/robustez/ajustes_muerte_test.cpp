// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A program killed while it saves its settings never leaves them lost: the file holds the
// options from before the save or after it, never half of it.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QProcess>
#include <QThread>
#include <random>

#include "carpeta.h"
#include "core/opciones.h"

namespace tiendal::robustez {
namespace {

constexpr int kMuertes = 150;

TEST(AjustesNuncaPerdidos, MatarAlQueGuardaDejaSiempreDosLineasValidas) {
  Carpeta carpeta;
  carpeta.Llenar(PrimerosProductos(6), 1);
  const QByteArray conResultado = TextoOpciones({false, true});
  const QByteArray sinResultado = TextoOpciones({false, false});
  carpeta.Escribir(QStringLiteral("Tiendal.ini"), conResultado);

  std::mt19937 azar(20240607);
  std::uniform_int_distribution<int> espera(0, 4000);
  int cambios = 0;
  QByteArray anterior = conResultado;
  for (int muerte = 0; muerte < kMuertes; ++muerte) {
    QProcess hijo;
    hijo.start(QStringLiteral(TIENDAL_ALTERNADOR), {carpeta.Ruta()});
    ASSERT_TRUE(hijo.waitForReadyRead(10000)) << hijo.readAllStandardError().toStdString();
    QThread::usleep(static_cast<unsigned long>(espera(azar)));
    ASSERT_EQ(kill(static_cast<pid_t>(hijo.processId()), SIGKILL), 0);
    ASSERT_TRUE(hijo.waitForFinished(10000));
    ASSERT_EQ(hijo.exitStatus(), QProcess::CrashExit);

    const QByteArray ahora = carpeta.Leer(QStringLiteral("Tiendal.ini"));
    ASSERT_TRUE(ahora == conResultado || ahora == sinResultado)
        << "muerte " << muerte << ": " << ahora.toHex(' ').toStdString();
    Opciones leidas;
    AplicarTextoOpciones(ahora, leidas);
    EXPECT_FALSE(leidas.valoresEnteros);
    if (ahora != anterior) ++cambios;
    anterior = ahora;
  }
  // The kills fell at different moments of the loop: both values were found.
  EXPECT_GT(cambios, 0);

  // Kills in the middle of a save leave the half-written copy beside the file; the program
  // never reads it.
  const QStringList restos = QDir(carpeta.Ruta()).entryList({QStringLiteral("Tiendal.ini.*")});
  RecordProperty("restos", static_cast<int>(restos.size()));
  std::printf("%d muertes, %d cambios de valor, %lld copias a medias junto al archivo\n", kMuertes,
              cambios, static_cast<long long>(restos.size()));
}

}  // namespace
}  // namespace tiendal::robustez
