#include "entorno.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QListWidget>
#include <QMessageBox>
#include <QStringEncoder>
#include <QtTest/QTest>
#include <cmath>

#include "core/catalogo.h"
#include "modal.h"

namespace tiendal::prueba {
namespace {

struct Producto {
  const char16_t* nombre;
  const char* precio;
};

// Two products share the dearest price, for the ties of the type 3 rule.
constexpr Producto kProductos[] = {
    {u"pan", "0.85"},     {u"leche", "1.5"},  {u"huevos", "2"},
    {u"Plátanos", "3.2"}, {u"queso", "7.45"}, {u"aceite", "5"},
    {u"arroz", "1.2"},    {u"café", "4.75"},  {u"jamón", "7.45"},
};

}  // namespace

void ReproductorFalso::Abrir(const QString& ruta) {
  const QString nombre = QFileInfo(ruta).fileName();
  abiertos.append(nombre);
  sonando_ = sinFin.contains(nombre);
  if (alAbrir) alAbrir(nombre);
}

void ReproductorFalso::Detener() {
  sonando_ = false;
  ++detenciones;
}

double AleatorioGuion::Siguiente() {
  if (!guion_.empty()) {
    const double r = guion_.front();
    guion_.pop_front();
    return r;
  }
  const double r = 0.1 + 0.6180339887 * ++despues_;
  return r - std::floor(r);
}

CarpetaPrograma::CarpetaPrograma() {
  const QString imagenes = dir_.path() + QStringLiteral("/imágenes");
  QDir().mkpath(imagenes);
  QStringEncoder cp1252("windows-1252");
  QByteArray precios;
  for (const Producto& producto : kProductos) {
    const QString nombre = QString::fromUtf16(producto.nombre);
    QImage imagen(12, 8, QImage::Format_RGB32);
    imagen.fill(Qt::darkGreen);
    imagen.save(imagenes + u'/' + nombre + QStringLiteral(".jpg"), "JPG");
    precios += QByteArray(cp1252.encode(nombre)) + '|' + producto.precio + "\r\n";
  }
  QFile archivo(dir_.path() + QStringLiteral("/precios.txt"));
  archivo.open(QIODevice::WriteOnly);
  archivo.write(precios);
  for (const QString& imagen : ListarImagenes(imagenes)) catalogo_.append(NombreProducto(imagen));
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

int CarpetaPrograma::Numero(const QString& producto) const {
  const auto numero = catalogo_.indexOf(producto);
  EXPECT_GE(numero, 0) << producto.toStdString();
  return static_cast<int>(numero);
}

void CarpetaPrograma::Ejercicio(AleatorioGuion& azar, int tipo, const QStringList& estante,
                                double dinero) const {
  azar.Poner((tipo - 0.5) / 5);
  for (const QString& producto : estante) azar.Poner((Numero(producto) + 0.5) / Productos());
  if (tipo == 5) azar.Poner(dinero);
}

VentanaDePrueba CrearForm2(const CarpetaPrograma& carpeta, Elegidor& elegidor) {
  auto reproductor = std::make_unique<ReproductorFalso>();
  auto azar = std::make_unique<AleatorioGuion>();
  VentanaDePrueba prueba;
  prueba.reproductor = reproductor.get();
  prueba.azar = azar.get();
  prueba.ventana = std::make_unique<Form2>(
      carpeta.Ruta(), Piezas{std::move(reproductor), std::move(azar)}, elegidor);
  return prueba;
}

VentanaDePrueba AbrirForm2(const CarpetaPrograma& carpeta, Elegidor& elegidor, int tipo,
                           const QStringList& estante) {
  VentanaDePrueba prueba = CrearForm2(carpeta, elegidor);
  carpeta.Ejercicio(*prueba.azar, tipo, estante);
  const auto fallo = prueba.ventana->Cargar();
  EXPECT_FALSE(fallo.has_value()) << (fallo ? fallo->toStdString() : std::string());
  prueba.ventana->show();
  Activar(*prueba.ventana);
  return prueba;
}

Contestador::Contestador() {
  temporizador_.setInterval(1);
  QObject::connect(&temporizador_, &QTimer::timeout, [this] { Mirar(); });
  temporizador_.start();
}

void Contestador::Mirar() {
  QWidget* modal = QApplication::activeModalWidget();
  if (mirando_ || modal == nullptr || !modal->isVisible()) return;
  mirando_ = true;
  if (auto* caja = qobject_cast<QMessageBox*>(modal)) {
    mensajes.append(caja->text());
    caja->buttons().first()->click();
  } else if (auto* lista = modal->findChild<QListWidget*>(QStringLiteral("List1"))) {
    QStringList textos;
    for (int i = 0; i < lista->count(); ++i) textos.append(lista->item(i)->text());
    lineas.push_back(textos);
    marcada.push_back(lista->currentRow());
    Activar(*modal);
    if (acciones_.empty()) {
      ADD_FAILURE() << "the chooser opened with nothing to do in it";
      Tecla(*modal, Qt::Key_Escape);
    } else {
      const auto accion = std::move(acciones_.front());
      acciones_.pop_front();
      accion(*modal);
    }
  }
  mirando_ = false;
}

void Pulsar(QWidget& ventana, Qt::Key tecla, Qt::KeyboardModifiers mod) {
  if (QApplication::activeWindow() != &ventana) Activar(ventana);
  QWidget* foco = QApplication::focusWidget();
  QTest::keyClick(foco != nullptr ? foco : &ventana, tecla, mod);
}

void Elegir(QWidget& ventana, Contestador& contestador, std::function<void(QWidget&)> accion) {
  contestador.Elegir(std::move(accion));
  Pulsar(ventana, Qt::Key_Menu);
}

std::function<void(QWidget&)> Linea(int linea) {
  return [linea](QWidget& dialogo) {
    for (int i = 0; i < linea; ++i) Tecla(dialogo, Qt::Key_Down);
    Tecla(dialogo, Qt::Key_Return);
  };
}

}  // namespace tiendal::prueba
