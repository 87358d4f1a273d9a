// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_MOUSE_WINDOW_VENTANA_RATON_H
#define TIENDAL_MOUSE_WINDOW_VENTANA_RATON_H

#include <array>

#include "core/practica.h"
#include "core/vista.h"
#include "mouse_window/imagen_estante.h"
#include "window_base/ventana_practica.h"

namespace tiendal {

class CajaPulsable;
class MarcoPulsable;

// The window for mouse and keyboard: the shared main window plus the shelf, six frames
// marcoHueco<k> down the right side, each with its picture imagenHueco<k> and its text line
// textoHueco<k>. A click on a frame or on its text line adds the product; a click on the picture
// itself does nothing.
class VentanaRaton final : public VentanaPractica, public VistaEstante {
  Q_OBJECT

 public:
  VentanaRaton(Rutas rutas, Piezas piezas, QWidget* padre = nullptr);
  // The shelf goes first: its pictures hold the picture store, a member that the window's own
  // children would otherwise outlive.
  ~VentanaRaton() override;

  // The help box: five paragraphs joined by CR LF.
  static QString TextoAyuda();

  void PonerTextoHueco(int hueco, const QString& texto) override;
  // Loads the picture and fits it in its frame (EncajarImagen).
  void MostrarImagen(int hueco, const QString& ruta) override;
  void ResaltarHueco(int hueco, bool resaltado) override;

  AlmacenFotos& fotos() { return fotos_; }

 protected:
  // The first time: the catalogue's pictures start decoding on the workers, behind the shelf's.
  void showEvent(QShowEvent* evento) override;
  void Maquetar() override;

 private:
  struct Hueco {
    MarcoPulsable* marco;
    ImagenEstante* imagen;
    CajaPulsable* texto;
  };

  Hueco CrearHueco(int numero);
  void MaquetarEstante();
  // Places a loaded picture in its frame, decoded at the size that the frame gives it.
  static void Encajar(ImagenEstante& imagen);

  // Some 200 pictures of the shelf's size.
  static constexpr qsizetype kKibFotos = 8 * 1024;

  AlmacenFotos fotos_{kKibFotos};
  bool anticipadas_ = false;
  std::array<Hueco, kHuecos> huecos_{};
};

}  // namespace tiendal

#endif
