#include "mouse_window/foto.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTransform>
#include <cmath>
#include <optional>

namespace tiendal {
namespace {

// The EXIF block lies in the first 64 KiB of a JPEG file, in an APP1 segment.
constexpr qint64 kCabeceraMaxima = 65536 + 4096;

QImage Enderezar(QImage imagen, QImageIOHandler::Transformations giro) {
  if (giro == QImageIOHandler::TransformationNone) return imagen;
  if (giro == QImageIOHandler::TransformationRotate270) {
    return imagen.transformed(QTransform().rotate(270));
  }
  imagen = imagen.mirrored(giro & QImageIOHandler::TransformationMirror,
                           giro & QImageIOHandler::TransformationFlip);
  if (giro & QImageIOHandler::TransformationRotate90) {
    imagen = imagen.transformed(QTransform().rotate(90));
  }
  return imagen;
}

// Reads the little- or big-endian integers of a TIFF block, refusing to leave it.
class Tiff {
 public:
  explicit Tiff(QByteArrayView datos) : d_(datos) {}
  bool Valido() const {
    return d_.size() >= 8 && (d_.startsWith("II*\0") || d_.startsWith(QByteArrayView("MM\0*", 4)));
  }
  std::optional<quint32> U16(qint64 pos) const { return Leer(pos, 2); }
  std::optional<quint32> U32(qint64 pos) const { return Leer(pos, 4); }
  QByteArrayView Trozo(qint64 pos, qint64 largo) const {
    if (pos < 0 || largo <= 0 || pos + largo > d_.size()) return {};
    return d_.sliced(pos, largo);
  }

 private:
  std::optional<quint32> Leer(qint64 pos, int bytes) const {
    if (pos < 0 || pos + bytes > d_.size()) return std::nullopt;
    const bool intel = d_[0] == 'I';
    quint32 valor = 0;
    for (int i = 0; i < bytes; ++i) {
      const auto b = static_cast<quint8>(d_[pos + (intel ? bytes - 1 - i : i)]);
      valor = (valor << 8) | b;
    }
    return valor;
  }
  QByteArrayView d_;
};

// The JPEG thumbnail of IFD1 in the EXIF block of a JPEG file's first bytes, if any.
QByteArray MiniaturaExif(const QByteArray& inicio) {
  qint64 pos = 2;
  if (!inicio.startsWith("\xFF\xD8")) return {};
  while (pos + 4 <= inicio.size() && static_cast<quint8>(inicio[pos]) == 0xFF) {
    const auto marca = static_cast<quint8>(inicio[pos + 1]);
    const qint64 largo =
        (static_cast<quint8>(inicio[pos + 2]) << 8) | static_cast<quint8>(inicio[pos + 3]);
    if (marca == 0xDA || largo < 2) return {};  // the image data starts: no EXIF before it
    if (marca == 0xE1 && inicio.sliced(pos + 4).startsWith(QByteArrayView("Exif\0\0", 6))) {
      const Tiff tiff(
          QByteArrayView(inicio).sliced(pos + 10, std::min(largo - 8, inicio.size() - pos - 10)));
      if (!tiff.Valido()) return {};
      const auto ifd0 = tiff.U32(4);
      if (!ifd0) return {};
      const auto entradas0 = tiff.U16(*ifd0);
      if (!entradas0) return {};
      const auto ifd1 = tiff.U32(*ifd0 + 2 + 12 * qint64(*entradas0));
      if (!ifd1 || *ifd1 == 0) return {};
      const auto entradas1 = tiff.U16(*ifd1);
      if (!entradas1) return {};
      std::optional<quint32> desde, cuanto;
      for (quint32 i = 0; i < *entradas1; ++i) {
        const qint64 entrada = *ifd1 + 2 + 12 * qint64(i);
        const auto etiqueta = tiff.U16(entrada);
        if (etiqueta == 0x0201u) desde = tiff.U32(entrada + 8);
        if (etiqueta == 0x0202u) cuanto = tiff.U32(entrada + 8);
      }
      if (!desde || !cuanto) return {};
      return tiff.Trozo(*desde, *cuanto).toByteArray();
    }
    pos += 2 + largo;
  }
  return {};
}

// The thumbnail, when it holds enough pixels for `tamano` and the picture's own proportions
// (some cameras pad a wide picture's thumbnail with black bands).
QImage LeerMiniatura(const QString& ruta, QSize propio, QSize destino) {
  QFile archivo(ruta);
  if (!archivo.open(QIODevice::ReadOnly)) return {};
  QByteArray miniatura = MiniaturaExif(archivo.read(kCabeceraMaxima));
  if (miniatura.isEmpty()) return {};
  QBuffer buffer(&miniatura);
  QImageReader lector(&buffer, "jpeg");
  lector.setAutoTransform(false);
  const QSize tamano = lector.size();
  if (tamano.width() < destino.width() || tamano.height() < destino.height()) return {};
  const double proporcion = static_cast<double>(propio.width()) / propio.height();
  const double suya = static_cast<double>(tamano.width()) / tamano.height();
  if (std::abs(suya / proporcion - 1) > 0.02) return {};
  lector.setScaledSize(destino);
  return lector.read();
}

}  // namespace

CabeceraFoto LeerCabeceraFoto(const QString& ruta) {
  QImageReader lector(ruta);
  CabeceraFoto cabecera;
  QSize tamano = lector.size();
  if (!tamano.isValid() || tamano.isEmpty()) return {QSize(0, 0)};
  cabecera.giro = lector.transformation();
  if (cabecera.giro & QImageIOHandler::TransformationRotate90) tamano.transpose();
  cabecera.derecha = tamano;
  return cabecera;
}

QImage LeerFotoReducida(const QString& ruta, const CabeceraFoto& cabecera, QSize tamano) {
  if (cabecera.derecha.isEmpty() || tamano.isEmpty()) return {};
  // Files hold the picture as stored; it is scaled first and turned upright afterwards.
  QSize propio = cabecera.derecha;
  QSize destino = tamano;
  if (cabecera.giro & QImageIOHandler::TransformationRotate90) {
    propio.transpose();
    destino.transpose();
  }
  QImage imagen = LeerMiniatura(ruta, propio, destino);
  if (imagen.isNull()) {
    QImageReader lector(ruta);
    lector.setAutoTransform(false);
    lector.setScaledSize(destino);
    imagen = lector.read();
  }
  if (imagen.isNull()) return {};
  return Enderezar(std::move(imagen), cabecera.giro);
}

}  // namespace tiendal
