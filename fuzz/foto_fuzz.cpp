// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A picture file from its bytes, read as the shelf reads it: the header (upright size and turn),
// the EXIF thumbnail and the decoding at a frame's height. Nothing may overrun or assert; the
// thumbnail is a piece of the file; a decoded picture has the size asked for; the width at a
// frame's height stays within a widget's.
#include <QBuffer>
#include <QByteArray>
#include <QLoggingCategory>
#include <cstdint>

#include "mouse_window/foto.h"
#include "referencia.h"

// The decoders' complaints about broken files, thousands a second, would only slow the run.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
  QByteArray bytes(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(largo));
  QBuffer archivo(&bytes);
  archivo.open(QIODevice::ReadOnly);

  const tiendal::CabeceraFoto cabecera = tiendal::LeerCabeceraFoto(archivo);
  FALLO_SI(cabecera.derecha.width() < 0 || cabecera.derecha.height() < 0);
  const int giro = cabecera.giro.toInt();
  FALLO_SI(giro < 0 || giro > 7);

  const QByteArray miniatura = tiendal::MiniaturaExif(bytes);
  FALLO_SI(!miniatura.isEmpty() && !bytes.contains(miniatura));

  if (cabecera.derecha.isEmpty()) return 0;
  constexpr int kAlto = 24;
  const int ancho = tiendal::AnchoProporcional(cabecera.derecha, kAlto);
  FALLO_SI(ancho < 1 || ancho > (1 << 24) - 1);
  // Decoding what a header claims beyond a few megapixels is the decoder's to refuse; trying it
  // here would only slow the run.
  if (static_cast<qint64>(cabecera.derecha.width()) * cabecera.derecha.height() > 4'000'000 ||
      ancho > 1024) {
    return 0;
  }
  const QImage imagen = tiendal::LeerFotoReducida(archivo, cabecera, QSize(ancho, kAlto));
  FALLO_SI(!imagen.isNull() && imagen.size() != QSize(ancho, kAlto));
  return 0;
}
