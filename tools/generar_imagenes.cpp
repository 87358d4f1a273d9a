// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// tiendal-imagenes TABLA CARPETA: draws every product of the table as a colour JPEG on a white
// background, from the glyphs of the Noto Color Emoji font, into CARPETA/<name>.jpg.

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>
#include <QStringDecoder>
#include <QTextStream>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int kTamanoGlifo = 272;  // twice the font's bitmap size: smoother when scaled down
constexpr int kAltoFinal = 320;
constexpr int kCalidadJpeg = 80;
const QString kFuente = QStringLiteral("Noto Color Emoji");

struct Producto {
  QString nombre;
  QString emoji;
  int copias = 1;
  double giro = 0;
};

std::optional<std::vector<Producto>> LeerTabla(const QString& ruta, QString& error) {
  QFile archivo(ruta);
  if (!archivo.open(QIODevice::ReadOnly | QIODevice::Text)) {
    error = QStringLiteral("no se puede abrir %1").arg(ruta);
    return std::nullopt;
  }
  std::vector<Producto> productos;
  QTextStream entrada(&archivo);
  int numero = 0;
  while (!entrada.atEnd()) {
    const QString linea = entrada.readLine();
    ++numero;
    if (linea.trimmed().isEmpty() || linea.startsWith(u'#')) continue;
    const QStringList campos = linea.split(u'\t');
    bool copiasBien = false;
    bool giroBien = false;
    Producto p;
    if (campos.size() == 4) {
      p = {campos[0], campos[1], campos[2].toInt(&copiasBien), campos[3].toDouble(&giroBien)};
    }
    if (!copiasBien || !giroBien || p.nombre.isEmpty() || p.emoji.isEmpty() || p.copias < 1) {
      error = QStringLiteral(
                  "%1:%2: se esperaba nombre, emoji, copias y giro separados por "
                  "tabuladores")
                  .arg(ruta, QString::number(numero));
      return std::nullopt;
    }
    productos.push_back(p);
  }
  return productos;
}

// The glyphs on a transparent canvas, each copy a little to the right of and in front of the
// one before, the whole group turned about its centre.
QImage DibujarGlifos(const Producto& p) {
  const int paso = kTamanoGlifo * 11 / 20;
  const int lado = kTamanoGlifo * 2 + paso * (p.copias - 1);
  QImage lienzo(lado, lado, QImage::Format_ARGB32_Premultiplied);
  lienzo.fill(Qt::transparent);
  QPainter pintor(&lienzo);
  pintor.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                        QPainter::TextAntialiasing);
  QFont fuente(kFuente);
  fuente.setPixelSize(kTamanoGlifo);
  pintor.setFont(fuente);
  pintor.translate(lado / 2.0, lado / 2.0);
  pintor.rotate(p.giro);
  const double anchoGrupo = kTamanoGlifo + paso * (p.copias - 1);
  for (int i = 0; i < p.copias; ++i) {
    const double dy = (i % 2 == 1) ? kTamanoGlifo * 0.08 : 0.0;
    const QRectF caja(-anchoGrupo / 2 + paso * i, -kTamanoGlifo / 2.0 + dy, kTamanoGlifo,
                      kTamanoGlifo * 1.2);
    pintor.drawText(caja, Qt::AlignLeft | Qt::AlignTop, p.emoji);
  }
  return lienzo;
}

QRect ZonaOpaca(const QImage& imagen) {
  int izquierda = imagen.width();
  int derecha = -1;
  int arriba = imagen.height();
  int abajo = -1;
  for (int y = 0; y < imagen.height(); ++y) {
    const auto* fila = reinterpret_cast<const QRgb*>(imagen.constScanLine(y));
    for (int x = 0; x < imagen.width(); ++x) {
      if (qAlpha(fila[x]) > 12) {
        izquierda = std::min(izquierda, x);
        derecha = std::max(derecha, x);
        arriba = std::min(arriba, y);
        abajo = std::max(abajo, y);
      }
    }
  }
  if (derecha < 0) return {};
  return QRect(QPoint(izquierda, arriba), QPoint(derecha, abajo));
}

// The product on white, with a soft shadow under it, scaled to the final height.
QImage Componer(const QImage& glifos, const QRect& zona) {
  const int margen = std::max(zona.width(), zona.height()) / 12;
  const int sombra = zona.height() / 10;
  const QSize tamano(zona.width() + 2 * margen, zona.height() + 2 * margen + sombra);
  QImage foto(tamano, QImage::Format_RGB32);
  foto.fill(Qt::white);
  QPainter pintor(&foto);
  pintor.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
  const QPointF centroSombra(tamano.width() / 2.0, margen + zona.height() + sombra * 0.2);
  const double radio = zona.width() * 0.45;
  QRadialGradient degradado(centroSombra, radio);
  degradado.setColorAt(0.0, QColor(0, 0, 0, 70));
  degradado.setColorAt(1.0, QColor(0, 0, 0, 0));
  pintor.save();
  pintor.translate(centroSombra);
  pintor.scale(1.0, 0.18);
  pintor.translate(-centroSombra);
  pintor.setPen(Qt::NoPen);
  pintor.setBrush(degradado);
  pintor.drawEllipse(centroSombra, radio, radio);
  pintor.restore();
  pintor.drawImage(QPoint(margen, margen), glifos, zona);
  pintor.end();
  return foto.scaledToHeight(kAltoFinal, Qt::SmoothTransformation);
}

int Fallar(const QString& mensaje) {
  std::fprintf(stderr, "tiendal-imagenes: %s\n", qPrintable(mensaje));
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 3) return Fallar(QStringLiteral("uso: tiendal-imagenes TABLA CARPETA"));
  if (QFontInfo(QFont(kFuente)).family() != kFuente) {
    return Fallar(
        QStringLiteral("falta la fuente %1 (paquete Debian fonts-noto-color-emoji)").arg(kFuente));
  }
  QString error;
  const auto productos = LeerTabla(args[1], error);
  if (!productos) return Fallar(error);
  const QDir carpeta(args[2]);
  if (!QDir().mkpath(carpeta.path())) {
    return Fallar(QStringLiteral("no se puede crear la carpeta %1").arg(carpeta.path()));
  }
  for (const Producto& p : *productos) {
    const QImage glifos = DibujarGlifos(p);
    const QRect zona = ZonaOpaca(glifos);
    if (zona.isEmpty()) return Fallar(QStringLiteral("la fuente no dibuja %1").arg(p.emoji));
    const QImage foto = Componer(glifos, zona);
    const QString ruta = carpeta.filePath(p.nombre + QStringLiteral(".jpg"));
    if (!foto.save(ruta, "JPEG", kCalidadJpeg)) {
      return Fallar(QStringLiteral("no se puede escribir %1").arg(ruta));
    }
    std::printf("%s\t%dx%d\n", qPrintable(ruta), foto.width(), foto.height());
  }
  return 0;
}
