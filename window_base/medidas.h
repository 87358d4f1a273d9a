// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_WINDOW_BASE_MEDIDAS_H
#define TIENDAL_WINDOW_BASE_MEDIDAS_H

#include <QFont>
#include <QString>
#include <QStringList>

#include "window_base/twips.h"

// Where the controls of the main windows lie, in twips of the client area (see twips.h), and
// the windows' font. The data checker takes the shelf frame's width and the font from here
// too, to tell whether a shelf text fits its frame.
namespace tiendal::medidas {

// The font of the main windows, which every control without its own takes.
inline QFont FuenteVentana() {
  QFont fuente;
  fuente.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  fuente.setStyleHint(QFont::SansSerif);
  fuente.setPointSizeF(Puntos(9.75));
  return fuente;
}

inline constexpr int kAnchoCliente = 11880;
inline constexpr int kAltoCliente = 7800;

// The instructions box across the top.
inline constexpr int kAnchoInstrucciones = 10000;
inline constexpr int kAltoInstrucciones = 720;

// The list: row r lies at kArribaLista + r * kPasoFila, its name label and its price box side
// by side; the result row lies where the row after the last one would.
inline constexpr int kArribaLista = 1100;
inline constexpr int kPasoFila = 500;
inline constexpr int kIzquierdaNombre = 3000;
inline constexpr int kIzquierdaPrecio = 5000;
inline constexpr int kAnchoFila = 2000;
inline constexpr int kAltoFila = 495;
// Where the result row lies until the first exercise places it.
inline constexpr int kArribaResultadoInicial = 5000;

constexpr int ArribaFila(int fila) { return kArribaLista + kPasoFila * fila; }

// The "Corregir" and "Nuevo ejercicio" buttons along the bottom.
inline constexpr int kArribaBotones = 7300;
inline constexpr int kIzquierdaCorregir = 500;
inline constexpr int kIzquierdaNuevo = 5500;
inline constexpr int kAnchoBoton = 4000;
inline constexpr int kAltoBoton = 500;

// The shelf down the right side (the window for mouse and keyboard): frame k lies at
// k * kAltoMarco; its picture above, its text line below.
inline constexpr int kIzquierdaEstante = 10000;
inline constexpr int kAnchoMarco = 2000;
inline constexpr int kAltoMarco = 1300;
inline constexpr int kAltoZonaImagen = 940;
inline constexpr int kAltoTextoHueco = 360;
// A picture is shown this high, as wide as its proportions say, centred across the frame.
inline constexpr float kAltoImagen = 960.0f;

}  // namespace tiendal::medidas

#endif
