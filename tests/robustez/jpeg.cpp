#include "jpeg.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <array>
#include <cstdint>
#include <cstdlib>

namespace tiendal::robustez {
namespace {

QByteArray Escribir(const QImage& imagen, const char* formato, ComoEscribir como = {}) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter escritor(&buffer, formato);
  escritor.setQuality(85);
  escritor.setProgressiveScanWrite(como.progresivo);
  if (!escritor.write(imagen)) qFatal("no se pudo escribir la imagen de prueba");
  return bytes;
}

QImage DosMitades(QSize tamano, QColor color) {
  QImage imagen(tamano, QImage::Format_RGB32);
  imagen.fill(Qt::white);
  QPainter pintor(&imagen);
  pintor.fillRect(0, 0, (tamano.width() + 1) / 2, tamano.height(), color);
  return imagen;
}

void Agregar16(QByteArray& b, int valor) {
  b += static_cast<char>((valor >> 8) & 0xFF);
  b += static_cast<char>(valor & 0xFF);
}

void Segmento(QByteArray& b, int marcador, const QByteArray& carga) {
  b += '\xFF';
  b += static_cast<char>(marcador);
  Agregar16(b, static_cast<int>(carga.size()) + 2);
  b += carga;
}

// Bits of the entropy-coded data, most significant first, with a 0 stuffed after each 0xFF.
class Bits final {
 public:
  void Poner(std::uint32_t codigo, int largo) {
    for (int i = largo - 1; i >= 0; --i) {
      acumulado_ = static_cast<std::uint8_t>((acumulado_ << 1) | ((codigo >> i) & 1u));
      if (++cuantos_ == 8) Vaciar();
    }
  }
  QByteArray Terminar() {
    while (cuantos_ != 0) Poner(1, 1);
    return salida_;
  }

 private:
  void Vaciar() {
    salida_ += static_cast<char>(acumulado_);
    if (acumulado_ == 0xFF) salida_ += '\0';
    acumulado_ = 0;
    cuantos_ = 0;
  }

  QByteArray salida_;
  std::uint8_t acumulado_ = 0;
  int cuantos_ = 0;
};

// The usual table for DC differences: categories 0 to 11.
constexpr std::array<std::uint8_t, 16> kLargosDc = {0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};

struct Codigo {
  std::uint32_t bits = 0;
  int largo = 0;
};

// Canonical Huffman codes of the DC table, by category.
std::array<Codigo, 12> CodigosDc() {
  std::array<Codigo, 12> codigos{};
  std::uint32_t codigo = 0;
  int categoria = 0;
  for (int largo = 1; largo <= 16; ++largo) {
    for (int i = 0; i < kLargosDc[static_cast<size_t>(largo - 1)]; ++i) {
      codigos[static_cast<size_t>(categoria++)] = {codigo++, largo};
    }
    codigo <<= 1;
  }
  return codigos;
}

int Categoria(int valor) {
  int c = 0;
  for (int v = std::abs(valor); v != 0; v >>= 1) ++c;
  return c;
}

}  // namespace

QByteArray JpegQt(QSize tamano, QColor color, ComoEscribir como) {
  QImage imagen = DosMitades(tamano, color);
  if (como.gris) imagen = imagen.convertToFormat(QImage::Format_Grayscale8);
  return Escribir(imagen, "jpeg", como);
}

QByteArray JpegRuido(QSize tamano) {
  QImage imagen(tamano, QImage::Format_RGB32);
  for (int y = 0; y < tamano.height(); ++y) {
    for (int x = 0; x < tamano.width(); ++x) {
      imagen.setPixel(x, y, qRgb((x * y * 37) % 256, (x * 91 + y) % 256, (x ^ y) % 256));
    }
  }
  return Escribir(imagen, "jpeg");
}

QByteArray Png(QSize tamano, QColor color) { return Escribir(DosMitades(tamano, color), "png"); }

QByteArray JpegUniforme(QSize tamano, const std::vector<int>& componentes) {
  const int n = static_cast<int>(componentes.size());
  QByteArray b("\xFF\xD8", 2);
  if (n == 4) {
    // Adobe segment: version 100, no flags, no colour transform: plain CMYK.
    QByteArray adobe("Adobe", 5);
    Agregar16(adobe, 100);
    Agregar16(adobe, 0);
    Agregar16(adobe, 0);
    adobe += '\0';
    Segmento(b, 0xEE, adobe);
  }
  // Every quantiser 1, so that a block's DC coefficient is 8 × (sample − 128).
  Segmento(b, 0xDB, QByteArray(1, '\0') + QByteArray(64, '\1'));

  QByteArray sof;
  sof += '\x08';
  Agregar16(sof, tamano.height());
  Agregar16(sof, tamano.width());
  sof += static_cast<char>(n);
  for (int c = 1; c <= n; ++c) {
    sof += static_cast<char>(c);
    sof += '\x11';
    sof += '\0';
  }
  Segmento(b, 0xC0, sof);

  QByteArray dc(1, '\x00');
  for (std::uint8_t largo : kLargosDc) dc += static_cast<char>(largo);
  for (int categoria = 0; categoria < 12; ++categoria) dc += static_cast<char>(categoria);
  Segmento(b, 0xC4, dc);
  // Every block is flat: its AC table has one code, "0" for end of block.
  QByteArray ac(1, '\x10');
  ac += '\x01';
  ac += QByteArray(15, '\0');
  ac += '\0';
  Segmento(b, 0xC4, ac);

  QByteArray sos;
  sos += static_cast<char>(n);
  for (int c = 1; c <= n; ++c) {
    sos += static_cast<char>(c);
    sos += '\0';
  }
  sos += QByteArray("\x00\x3F\x00", 3);
  Segmento(b, 0xDA, sos);

  const auto codigos = CodigosDc();
  Bits bits;
  const int bloques = ((tamano.width() + 7) / 8) * ((tamano.height() + 7) / 8);
  for (int bloque = 0; bloque < bloques; ++bloque) {
    for (int c = 0; c < n; ++c) {
      // Blocks after the first repeat the DC value: a difference of 0.
      const int diferencia = bloque == 0 ? 8 * (componentes[static_cast<size_t>(c)] - 128) : 0;
      const int categoria = Categoria(diferencia);
      const Codigo& codigo = codigos[static_cast<size_t>(categoria)];
      bits.Poner(codigo.bits, codigo.largo);
      if (categoria > 0) {
        const int resto = diferencia < 0 ? diferencia + (1 << categoria) - 1 : diferencia;
        bits.Poner(static_cast<std::uint32_t>(resto), categoria);
      }
      bits.Poner(0, 1);  // end of block
    }
  }
  b += bits.Terminar();
  b += QByteArray("\xFF\xD9", 2);
  return b;
}

QByteArray ConTamanoDeCabecera(const QByteArray& jpeg, QSize tamano) {
  QByteArray resultado = jpeg;
  const qsizetype sof = resultado.indexOf(QByteArray("\xFF\xC0", 2));
  if (sof < 0) qFatal("JPEG de prueba sin cabecera de cuadro");
  QByteArray medidas;
  Agregar16(medidas, tamano.height());
  Agregar16(medidas, tamano.width());
  resultado.replace(sof + 5, 4, medidas);
  return resultado;
}

QByteArray ConOrientacionExif(const QByteArray& jpeg, int orientacion) {
  // Big-endian TIFF header, one directory with one entry: tag 0x0112, SHORT, count 1.
  QByteArray tiff("MM\x00\x2A\x00\x00\x00\x08", 8);
  Agregar16(tiff, 1);
  Agregar16(tiff, 0x0112);
  Agregar16(tiff, 3);
  tiff += QByteArray("\x00\x00\x00\x01", 4);
  Agregar16(tiff, orientacion);
  Agregar16(tiff, 0);
  tiff += QByteArray(4, '\0');
  QByteArray app1;
  Segmento(app1, 0xE1, QByteArray("Exif\0\0", 6) + tiff);
  return jpeg.left(2) + app1 + jpeg.mid(2);
}

}  // namespace tiendal::robustez
