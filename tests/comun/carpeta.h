// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_TESTS_COMUN_CARPETA_H
#define TIENDAL_TESTS_COMUN_CARPETA_H

#include <gtest/gtest.h>
#include <unistd.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

namespace tiendal {

struct Producto {
  QString nombre;
  QByteArray precio;  // as written in the prices file
};

// Eight products with plain prices; "pan" and "queso" are the ones the cases below break.
const std::vector<Producto>& ProductosDeEjemplo();
std::vector<Producto> PrimerosProductos(int cuantos);

// One line per product, "name|price", CR LF, in Windows-1252.
QByteArray PreciosCp1252(const std::vector<Producto>& productos);

// A 440 Hz tone at half scale as a 16-bit PCM WAV file with the canonical 44-byte header.
QByteArray Tono(double segundos, int muestrasPorSegundo = 8000, int canales = 1);
// A short sound for a program folder.
inline QByteArray Wav(int milisegundos) { return Tono(milisegundos / 1000.0); }

// A program folder in a temporary directory. Relative paths are taken from its top.
class Carpeta final {
 public:
  Carpeta();
  ~Carpeta();
  Carpeta(const Carpeta&) = delete;
  Carpeta& operator=(const Carpeta&) = delete;

  QString Ruta(const QString& relativa = {}) const { return dir_.filePath(relativa); }

  // Writes a file, making the folders it needs.
  void Escribir(const QString& relativa, const QByteArray& bytes) const;
  QByteArray Leer(const QString& relativa) const;
  void Borrar(const QString& relativa) const;  // a file or a whole folder
  void CrearCarpeta(const QString& relativa) const;

  // The usual contents: a small picture for each product, the prices file and every sound the
  // program plays, each `milisegundos` long.
  void Llenar(const std::vector<Producto>& productos = ProductosDeEjemplo(),
              int milisegundos = 20) const;
  void Imagenes(const std::vector<Producto>& productos) const;

  // Every file and folder below the top with its size, for "nothing else was written".
  QStringList Contenido() const;

 private:
  QTemporaryDir dir_;
};

// Root writes everywhere. A test of folders that cannot be written, run as root, runs again in a
// child as "nobody", whose home and configuration folders cannot be written either; the child's
// verdict is this test's. In a test: `if (geteuid() == 0) return ComoUsuarioSinPrivilegios();`.
inline void ComoUsuarioSinPrivilegios() {
  const auto* prueba = ::testing::UnitTest::GetInstance()->current_test_info();
  QProcess hijo;
  hijo.setProcessChannelMode(QProcess::MergedChannels);
  hijo.start(
      "setpriv",
      {"--reuid=nobody", "--regid=nogroup", "--clear-groups", "--", "env", "HOME=/nonexistent",
       "XDG_CONFIG_HOME=/nonexistent", "XDG_DATA_HOME=/nonexistent",
       QCoreApplication::applicationFilePath(),
       QStringLiteral("--gtest_filter=%1.%2").arg(prueba->test_suite_name(), prueba->name())});
  const bool acabado = hijo.waitForFinished(120000);
  const std::string salida = hijo.readAll().toStdString();
  if (hijo.error() == QProcess::FailedToStart || hijo.exitCode() == 126 || hijo.exitCode() == 127)
    GTEST_SKIP() << "no se puede probar como un usuario sin privilegios (setpriv): " << salida;
  EXPECT_TRUE(acabado && hijo.exitCode() == 0 && salida.find("[  PASSED  ] 1 test") != salida.npos)
      << salida;
}

}  // namespace tiendal

#endif
