// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include "app/carpeta_datos.h"
#include "app/linea_de_ordenes.h"
#include "app/modo_pantalla.h"
#include "app/programa.h"
#include "app/ventanas.h"
#include "core/aviso_unico.h"
#include "core/idioma.h"
#include "results_window/ventana_resultados.h"

namespace {

QStringList Argumentos(int argc, char* argv[]) {
  QStringList argumentos;
  for (int i = 0; i < argc; ++i) argumentos.append(QString::fromLocal8Bit(argv[i]));
  return argumentos;
}

// The menu icon's PNG sizes (packaging/iconos/lados.txt), installed in ../share/icons beside the
// data; a portable copy finds none and keeps the default icon.
QIcon IconoInstalado(const QString& carpetaPrograma) {
  QIcon icono;
  for (const int lado : {TIENDAL_LADOS_ICONO}) {
    const QString tamano = QString::number(lado);
    const QString png = carpetaPrograma + QStringLiteral("/../share/icons/hicolor/") + tamano +
                        u'x' + tamano + QStringLiteral("/apps/" TIENDAL_ID ".png");
    if (QFileInfo::exists(png)) icono.addFile(png, QSize(lado, lado));
  }
  return icono;
}

}  // namespace

int main(int argc, char* argv[]) {
  const QStringList argumentos = Argumentos(argc, argv);
  const tiendal::Traducciones traducciones(
      tiendal::IdiomaElegido(argumentos, QProcessEnvironment::systemEnvironment()));

  // The command line is answered before any window system is asked for, in that language.
  std::variant<tiendal::Ordenes, tiendal::FinSinVentana> leidas;
  {
    QCoreApplication consola(argc, argv);
    traducciones.Instalar();
    leidas = tiendal::LeerLineaDeOrdenes(argumentos);
  }
  if (const auto* fin = std::get_if<tiendal::FinSinVentana>(&leidas)) return tiendal::Acabar(*fin);
  const auto& ordenes = std::get<tiendal::Ordenes>(leidas);

  QApplication aplicacion(argc, argv);
  traducciones.Instalar();
  for (const QString& aviso : traducciones.Avisos()) tiendal::AvisarUnaVez(aviso, aviso);
  // The user's configuration folder is ~/.config/tiendal.
  QCoreApplication::setApplicationName(QStringLiteral("tiendal"));
  QCoreApplication::setApplicationVersion(QStringLiteral(TIENDAL_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral(TIENDAL_ID));
  QApplication::setWindowIcon(IconoInstalado(QCoreApplication::applicationDirPath()));
  // The program, not Qt, decides when it ends: a window switch leaves no window open for a
  // moment.
  QApplication::setQuitOnLastWindowClosed(false);

  // The pupils' answers stay on this machine, in the user's own data folder unless the teacher
  // chose a class folder.
  const QString registroPropio = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                                 QStringLiteral("/registro");
  if (ordenes.resultados) {
    tiendal::VentanaResultados resultados(ordenes.archivosResultados.isEmpty()
                                              ? QStringList{registroPropio}
                                              : ordenes.archivosResultados,
                                          QDate::currentDate());
    resultados.show();
    QApplication::setQuitOnLastWindowClosed(true);
    return QApplication::exec();
  }
  const QString registro = ordenes.sinRegistro          ? QString()
                           : ordenes.registro.isEmpty() ? registroPropio
                                                        : ordenes.registro;

  const auto datos = tiendal::BuscarCarpetaDatos(
      QCoreApplication::applicationDirPath(), ordenes.datos,
      QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation), traducciones.Idioma());
  if (const auto* fallo = std::get_if<QString>(&datos)) {
    tiendal::AvisarFalloDeArranque(*fallo);
    return 1;
  }

  tiendal::Programa programa(
      tiendal::FabricaDelPrograma(std::get<tiendal::Rutas>(datos), registro));
  const QString configuracion = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  programa.PonerModo(ordenes.escala,
                     ordenes.pantallaCompleta || tiendal::LeerPantallaCompleta(configuracion),
                     [configuracion](bool completa) {
                       tiendal::GuardarPantallaCompleta(configuracion, completa);
                     });
  return tiendal::Ejecutar(
      programa, ordenes.teclado ? tiendal::Version::SoloTeclado : tiendal::Version::RatonYTeclado);
}
