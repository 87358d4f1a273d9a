#include "carpeta.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

#include "jpeg.h"
#include "wav.h"

namespace tiendal::robustez {

const std::vector<Producto>& ProductosDeEjemplo() {
  static const std::vector<Producto> productos = {
      {QStringLiteral("pan"), "0.85"},   {QStringLiteral("leche"), "1.5"},
      {QStringLiteral("huevos"), "2"},   {QStringLiteral("plátanos"), "3.2"},
      {QStringLiteral("queso"), "7.45"}, {QStringLiteral("aceite"), "5"},
      {QStringLiteral("arroz"), "1.2"},  {QStringLiteral("café"), "4.75"},
  };
  return productos;
}

std::vector<Producto> PrimerosProductos(int cuantos) {
  const auto& todos = ProductosDeEjemplo();
  return {todos.begin(), todos.begin() + cuantos};
}

QByteArray PreciosCp1252(const std::vector<Producto>& productos) {
  QStringEncoder cp1252("windows-1252");
  QByteArray texto;
  for (const Producto& p : productos) {
    texto += QByteArray(cp1252.encode(p.nombre)) + '|' + p.precio + "\r\n";
  }
  return texto;
}

QStringList SonidosFijos() {
  QStringList nombres{QStringLiteral("error.wav"), QStringLiteral("Aplauso.wav"),
                      QStringLiteral("lista.wav"), QStringLiteral("coma.wav"),
                      QStringLiteral("igual.wav")};
  for (int tipo = 1; tipo <= 5; ++tipo) nombres << QStringLiteral("tipo%1.wav").arg(tipo);
  for (int cifra = 0; cifra <= 9; ++cifra) nombres << QStringLiteral("%1.wav").arg(cifra);
  return nombres;
}

Carpeta::Carpeta() {
  if (!dir_.isValid()) qFatal("no se pudo crear una carpeta temporal");
}

void Carpeta::Escribir(const QString& relativa, const QByteArray& bytes) const {
  const QString ruta = Ruta(relativa);
  QDir().mkpath(QFileInfo(ruta).path());
  QFile archivo(ruta);
  if (!archivo.open(QIODevice::WriteOnly) || archivo.write(bytes) != bytes.size()) {
    qFatal("no se pudo escribir %s", qPrintable(ruta));
  }
}

QByteArray Carpeta::Leer(const QString& relativa) const {
  QFile archivo(Ruta(relativa));
  return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

bool Carpeta::Existe(const QString& relativa) const { return QFileInfo::exists(Ruta(relativa)); }

void Carpeta::Borrar(const QString& relativa) const {
  const QFileInfo info(Ruta(relativa));
  if (info.isDir() && !info.isSymLink()) {
    QDir(info.filePath()).removeRecursively();
  } else {
    QFile::remove(info.filePath());
  }
}

void Carpeta::CrearCarpeta(const QString& relativa) const { QDir().mkpath(Ruta(relativa)); }

void Carpeta::Imagenes(const std::vector<Producto>& productos) const {
  CrearCarpeta(QStringLiteral("imágenes"));
  int tono = 0;
  for (const Producto& p : productos) {
    const QColor color = QColor::fromHsv((tono += 47) % 360, 200, 200);
    Escribir(QStringLiteral("imágenes/") + p.nombre + QStringLiteral(".jpg"),
             JpegQt(QSize(24, 16), color));
  }
}

void Carpeta::Sonidos(const std::vector<Producto>& productos, int milisegundos) const {
  QStringList nombres = SonidosFijos();
  for (const Producto& p : productos) nombres << p.nombre + QStringLiteral(".wav");
  const QByteArray wav = Wav(milisegundos);
  for (const QString& nombre : nombres) Escribir(QStringLiteral("Sonidos/") + nombre, wav);
}

void Carpeta::Llenar(const std::vector<Producto>& productos, int milisegundos) const {
  Imagenes(productos);
  Escribir(QStringLiteral("precios.txt"), PreciosCp1252(productos));
  Sonidos(productos, milisegundos);
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

}  // namespace tiendal::robustez
