#include "tests/mouse_window/entorno.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QStringEncoder>
#include <QTest>

namespace tiendal {

void AleatorioGuion::Ejercicio(int tipo, std::vector<int> productos, double dinero) {
  Poner((tipo - 1 + 0.5) / 5);
  for (int p : productos) Poner((p + 0.5) / CarpetaPrograma::kProductos);
  if (tipo == 5) Poner(dinero);
}

namespace {

// An APP1 segment with a little-endian TIFF header and one entry: the orientation.
QByteArray SegmentoExif(int orientacion) {
  QByteArray tiff("II*\0\x08\0\0\0", 8);
  const char entrada[] = {1,
                          0,  // one entry
                          0x12,
                          0x01,
                          3,
                          0,
                          1,
                          0,
                          0,
                          0,  // orientation, SHORT, 1
                          static_cast<char>(orientacion),
                          0,
                          0,
                          0,  // its value
                          0,
                          0,
                          0,
                          0};  // no next directory
  tiff.append(entrada, sizeof entrada);
  QByteArray carga = QByteArray("Exif\0\0", 6) + tiff;
  const int largo = static_cast<int>(carga.size()) + 2;
  QByteArray segmento("\xFF\xE1", 2);
  segmento.append(static_cast<char>(largo >> 8));
  segmento.append(static_cast<char>(largo & 0xFF));
  return segmento + carga;
}

}  // namespace

void EscribirJpeg(const QString& ruta, int ancho, int alto, int orientacion) {
  QImage imagen(ancho, alto, QImage::Format_RGB32);
  QPainter pintor(&imagen);
  pintor.fillRect(0, 0, ancho / 2, alto, Qt::red);
  pintor.fillRect(ancho / 2, 0, ancho - ancho / 2, alto, Qt::blue);
  pintor.end();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  imagen.save(&buffer, "JPG", 95);
  if (orientacion != 1) bytes.insert(2, SegmentoExif(orientacion));
  QFile archivo(ruta);
  archivo.open(QIODevice::WriteOnly);
  archivo.write(bytes);
}

CarpetaPrograma::CarpetaPrograma() {
  QDir(dir_.path()).mkdir(QStringLiteral("imágenes"));
  const std::pair<const char16_t*, const char*> productos[kProductos] = {
      {u"pan", "1.5"},  {u"leche", "2"},    {u"queso", "3.25"}, {u"piña", "0.85"},
      {u"arroz", "10"}, {u"huevos", "4.5"}, {u"manzana", "7"},  {u"tomate", "12"},
  };
  QStringEncoder windows1252("windows-1252");
  QByteArray precios;
  for (const auto& [nombre, precio] : productos) {
    const QString producto = QString::fromUtf16(nombre);
    EscribirJpeg(Imagenes() + u'/' + producto + QStringLiteral(".jpg"), 60, 40);
    precios += QByteArray(windows1252(producto)) + '|' + precio + "\r\n";
  }
  QFile archivo(dir_.path() + QStringLiteral("/precios.txt"));
  archivo.open(QIODevice::WriteOnly);
  archivo.write(precios);
}

void CarpetaPrograma::EscribirIni(const QByteArray& contenido) const {
  QFile archivo(dir_.path() + QStringLiteral("/Tiendal.ini"));
  archivo.open(QIODevice::WriteOnly);
  archivo.write(contenido);
}

QByteArray CarpetaPrograma::LeerIni() const {
  QFile archivo(dir_.path() + QStringLiteral("/Tiendal.ini"));
  return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

bool CarpetaPrograma::HayIni() const {
  return QFileInfo::exists(dir_.path() + QStringLiteral("/Tiendal.ini"));
}

QStringList CarpetaPrograma::Archivos() const {
  QStringList archivos;
  QDirIterator it(dir_.path(), QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) archivos.append(it.next());
  archivos.sort();
  return archivos;
}

VentanaDePrueba CrearForm1(const QString& carpeta) {
  auto reproductor = std::make_unique<ReproductorGrabador>();
  auto azar = std::make_unique<AleatorioGuion>();
  VentanaDePrueba prueba{nullptr, reproductor.get(), azar.get()};
  prueba.ventana =
      std::make_unique<Form1>(carpeta, Piezas{std::move(reproductor), std::move(azar)});
  return prueba;
}

VentanaDePrueba AbrirForm1(const QString& carpeta, int tipo, std::vector<int> productos) {
  VentanaDePrueba prueba = CrearForm1(carpeta);
  prueba.azar->Ejercicio(tipo, std::move(productos));
  if (const auto fallo = prueba.ventana->Cargar()) qFatal("%s", qPrintable(*fallo));
  prueba.ventana->show();
  QApplication::setActiveWindow(prueba.ventana.get());
  if (!QTest::qWaitForWindowActive(prueba.ventana.get())) qFatal("la ventana no se activa");
  return prueba;
}

Contestador::Contestador() {
  temporizador_.setInterval(1);
  QObject::connect(&temporizador_, &QTimer::timeout, [this] {
    auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!caja || !caja->isVisible()) return;
    cajas.push_back({caja->windowTitle(), caja->text(), caja->icon(), caja->textFormat(),
                     static_cast<int>(caja->buttons().size())});
    if (caja->buttons().isEmpty()) {
      caja->done(0);
    } else {
      caja->buttons().first()->click();
    }
  });
  temporizador_.start();
}

Contestador::~Contestador() { temporizador_.stop(); }

QStringList Contestador::Textos() const {
  QStringList textos;
  for (const Caja& caja : cajas) textos.append(caja.texto);
  return textos;
}

}  // namespace tiendal
