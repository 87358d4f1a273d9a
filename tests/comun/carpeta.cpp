// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "carpeta.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStringEncoder>
#include <cmath>
#include <filesystem>
#include <numbers>

#include "core/voces.h"
#include "jpeg.h"

namespace tiendal {

const std::vector<Producto>& ProductosDeEjemplo() {
  static const std::vector<Producto> productos = {
      {"pan", "0.85"},   {"leche", "1.5"}, {"huevos", "2"},  {"plátanos", "3.2"},
      {"queso", "7.45"}, {"aceite", "5"},  {"arroz", "1.2"}, {"café", "4.75"},
  };
  return productos;
}

std::vector<Producto> PrimerosProductos(int cuantos) {
  return {ProductosDeEjemplo().begin(), ProductosDeEjemplo().begin() + cuantos};
}

QByteArray PreciosCp1252(const std::vector<Producto>& productos) {
  QStringEncoder cp1252("windows-1252");
  QByteArray texto;
  for (const Producto& p : productos)
    texto += QByteArray(cp1252.encode(p.nombre)) + '|' + p.precio + "\r\n";
  return texto;
}

QByteArray Tono(double segundos, int muestrasPorSegundo, int canales) {
  constexpr double frecuencia = 440;
  const auto le = [](qint64 valor, int bytes) {
    QByteArray b;
    for (int i = 0; i < bytes; ++i) b += static_cast<char>(valor >> (8 * i));
    return b;
  };
  QByteArray datos;
  for (int c = 0; c < static_cast<int>(std::ceil(segundos * muestrasPorSegundo)); ++c) {
    const double x = 0.5 * std::sin(2 * std::numbers::pi * frecuencia * c / muestrasPorSegundo);
    datos += le(std::lround(x * 32767), 2).repeated(canales);
  }
  const QByteArray fmt = le(1, 2) + le(canales, 2) + le(muestrasPorSegundo, 4) +
                         le(muestrasPorSegundo * 2 * canales, 4) + le(2 * canales, 2) + le(16, 2);
  return "RIFF" + le(36 + datos.size(), 4) + "WAVEfmt " + le(16, 4) + fmt + "data" +
         le(datos.size(), 4) + datos;
}

// Named with a "%1" inside, as a teacher may name a folder: no message may take it for a
// place to fill in.
Carpeta::Carpeta() : dir_(QDir::tempPath() + QStringLiteral("/Tienda%1B-XXXXXX")) {
  if (!dir_.isValid()) qFatal("no se pudo crear una carpeta temporal");
}

// Names that are not UTF-8, which some tests write on purpose, are beyond QTemporaryDir.
Carpeta::~Carpeta() { std::filesystem::remove_all(QFile::encodeName(Ruta()).toStdString()); }

void Carpeta::Escribir(const QString& relativa, const QByteArray& bytes) const {
  QDir().mkpath(QFileInfo(Ruta(relativa)).path());
  QFile archivo(Ruta(relativa));
  if (!archivo.open(QIODevice::WriteOnly) || archivo.write(bytes) != bytes.size())
    qFatal("no se pudo escribir %s", qPrintable(archivo.fileName()));
}

QByteArray Carpeta::Leer(const QString& relativa) const {
  QFile archivo(Ruta(relativa));
  return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

void Carpeta::Borrar(const QString& relativa) const {
  // A file or a link goes as such; a folder with all it holds.
  if (!QFile::remove(Ruta(relativa))) QDir(Ruta(relativa)).removeRecursively();
}

void Carpeta::CrearCarpeta(const QString& relativa) const { QDir().mkpath(Ruta(relativa)); }

void Carpeta::Imagenes(const std::vector<Producto>& productos) const {
  CrearCarpeta(QStringLiteral("imágenes"));
  int tono = 0;
  for (const Producto& p : productos) {
    Escribir("imágenes/" + p.nombre + ".jpg",
             JpegQt(QSize(24, 16), QColor::fromHsv((tono += 47) % 360, 200, 200)));
  }
}

void Carpeta::Llenar(const std::vector<Producto>& productos, int milisegundos) const {
  Imagenes(productos);
  Escribir(QStringLiteral("precios.txt"), PreciosCp1252(productos));
  QStringList sonidos;
  for (const SonidoFijo& fijo : SonidosFijos()) sonidos << fijo.archivo;
  for (const Producto& p : productos) sonidos << p.nombre + ".wav";
  for (const QString& nombre : sonidos) Escribir("Sonidos/" + nombre, Wav(milisegundos));
}

QStringList Carpeta::Contenido() const {
  QStringList contenido;
  QDirIterator it(Ruta(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QFileInfo info(it.next());
    contenido << QDir(Ruta()).relativeFilePath(info.filePath()) + u' ' +
                     (info.isDir() ? QStringLiteral("carpeta") : QString::number(info.size()));
  }
  contenido.sort();
  return contenido;
}

}  // namespace tiendal
