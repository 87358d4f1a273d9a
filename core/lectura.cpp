// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lectura.h"

#include <algorithm>

#include "core/catalogo.h"
#include "core/practica.h"
#include "core/sonido.h"
#include "core/vista.h"
#include "core/voces.h"

namespace tiendal {
namespace {

const QString kWav = QStringLiteral(".wav");

// The character of `texto` in column `columna` counted from its right end; a column left of the
// text reads as a zero.
QString CaracterDeColumna(const QString& texto, qsizetype columna) {
  if (texto.size() <= columna) return QStringLiteral("0");
  return texto.mid(texto.size() - 1 - columna, 1);
}

QString SonidoDeCaracter(const QString& caracter) {
  const QChar c = caracter.at(0);
  if (c >= u'0' && c <= u'9') return SonidoDeCifra(c.digitValue());
  return kSonidoComa;
}

// The product sound of a shelf place; empty while the place holds no catalogue product.
QString SonidoDeHueco(const Practica& practica, int hueco) {
  const int producto = practica.ProductoHueco[hueco];
  if (producto < 1 || producto > practica.Imagenes.size()) return {};
  return SonidoProducto(practica.ImagenDeHueco(hueco));
}

}  // namespace

void LeerColumna(const Practica& practica, const Vista& vista, int cursorResultado,
                 Sonido& sonido) {
  const QString resultado = vista.Resultado();
  const qsizetype cursor = std::clamp<qsizetype>(cursorResultado, 0, resultado.size());
  const qsizetype columna = resultado.size() - cursor;
  const int filas = practica.MaxFilas;
  for (int fila = 0; fila <= filas; ++fila) {
    // A new exercise run during a wait may have taken rows away: those read as empty rows.
    QString texto = QStringLiteral("0");
    if (fila == filas) {
      texto = vista.Resultado();
    } else if (fila < vista.ContarFilas()) {
      texto = vista.Precio(fila);
    }

    if (practica.TipoEjercicio == TipoDeEjercicio::Unidades && fila == 1) {
      sonido.ReproducirSonido(texto + kWav);
    } else if (practica.TipoEjercicio != TipoDeEjercicio::MasProductos || fila != 0) {
      sonido.ReproducirSonido(SonidoDeCaracter(CaracterDeColumna(texto, columna)));
    }
    sonido.EsperarSonido();
    if (sonido.Cerrado()) return;

    if (fila == filas - 1) {
      sonido.ReproducirSonido(kSonidoIgual);
      sonido.EsperarSonido();
      if (sonido.Cerrado()) return;
    }
  }
}

void LeerProductos(Practica& practica, Sonido& sonido, EsperaProducto espera) {
  sonido.ReproducirSonido(kSonidoLista);
  sonido.EsperarSonido();
  if (sonido.Cerrado()) return;
  practica.DetenerLectura = false;

  const auto detener = [&practica] { return practica.DetenerLectura; };
  for (int hueco = 0; hueco < kHuecos; ++hueco) {
    const QString nombre = SonidoDeHueco(practica, hueco);
    if (nombre.isEmpty()) continue;
    sonido.ReproducirSonido(nombre);
    const bool parada = espera == EsperaProducto::PorPosicion ? sonido.EsperarPosicion(detener)
                                                              : sonido.EsperarSonido(detener);
    if (parada || sonido.Cerrado()) return;
  }
}

bool AtenderTeclaDeLectura(Tecla tecla, Practica& practica, const Vista& vista, int cursorResultado,
                           Sonido& sonido, EsperaProducto espera) {
  switch (tecla) {
    case Tecla::F3:
      LeerProductos(practica, sonido, espera);
      return true;
    case Tecla::Control:
      sonido.DetenerSonido();
      practica.DetenerLectura = true;
      return true;
    case Tecla::F2:
      LeerColumna(practica, vista, cursorResultado, sonido);
      return true;
    default:
      return false;
  }
}

}  // namespace tiendal
