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

#include "tests/mouse_window/jpeg_exif.h"

namespace tiendal {

void AleatorioGuion::Ejercicio(int tipo, std::vector<int> productos, double dinero) {
  Poner((tipo - 1 + 0.5) / 5);
  for (int p : productos) Poner((p + 0.5) / CarpetaPrograma::kProductos);
  if (tipo == 5) Poner(dinero);
}

void EscribirJpeg(const QString& ruta, int ancho, int alto, int orientacion,
                  const QImage& miniatura) {
  QImage imagen(ancho, alto, QImage::Format_RGB32);
  QPainter pintor(&imagen);
  pintor.fillRect(0, 0, ancho / 2, alto, Qt::red);
  pintor.fillRect(ancho / 2, 0, ancho - ancho / 2, alto, Qt::blue);
  pintor.end();
  QByteArray bytes;
  if (orientacion == 1 && miniatura.isNull()) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    imagen.save(&buffer, "JPG", 95);
  } else {
    bytes = JpegConExif(imagen, orientacion, miniatura, 95);
  }
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
