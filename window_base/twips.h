// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_WINDOW_BASE_TWIPS_H
#define TIENDAL_WINDOW_BASE_TWIPS_H

#include <QRect>
#include <cmath>

namespace tiendal {

// The windows are designed in twips: 15 to a logical pixel. Qt scales logical pixels on
// high-DPI screens.
inline constexpr int kTwipsPorPixel = 15;

// How much larger than designed the main window's whole content is drawn: 1 as designed, more
// for a low-vision pupil or on a whiteboard. One main window is on the screen at a time: the
// program sets the scale before it makes one (Programa), and a window that goes full screen sets
// its own and lays itself out again (VentanaPractica::PonerEscala).
inline double escalaDeLaVentana = 1.0;
inline double Escala() { return escalaDeLaVentana; }
inline void FijarEscala(double escala) { escalaDeLaVentana = escala; }

inline int Pixeles(double twips) {
  return static_cast<int>(std::lround(twips * Escala() / kTwipsPorPixel));
}

inline int Twips(int pixeles) {
  return static_cast<int>(std::lround(pixeles * kTwipsPorPixel / Escala()));
}

// A font size in points, at the scale.
inline double Puntos(double puntos) { return puntos * Escala(); }

// A rectangle given in twips. Both edges are rounded, so that controls that touch in twips
// touch on the screen, without gaps or overlaps.
inline QRect RectTwips(int izquierda, int arriba, int ancho, int alto) {
  const int x = Pixeles(izquierda);
  const int y = Pixeles(arriba);
  return {x, y, Pixeles(izquierda + ancho) - x, Pixeles(arriba + alto) - y};
}

}  // namespace tiendal

#endif
