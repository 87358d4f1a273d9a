// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_MOUSE_WINDOW_ALMACEN_FOTOS_H
#define TIENDAL_MOUSE_WINDOW_ALMACEN_FOTOS_H

#include <QCache>
#include <QHash>
#include <QImage>
#include <QMutex>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <memory>

#include "mouse_window/foto.h"

namespace tiendal {

// The shelf's pictures, decoded on worker threads and kept at the size they were shown, so
// that six large photographs are decoded side by side and a product that comes back to the
// shelf is not decoded again. A file changed on disk is decoded afresh. One per window; every
// call comes from the window's thread.
class AlmacenFotos {
 public:
  explicit AlmacenFotos(qsizetype kibMaximo);
  // Drops the work not started and waits for the pictures being decoded.
  ~AlmacenFotos();
  AlmacenFotos(const AlmacenFotos&) = delete;
  AlmacenFotos& operator=(const AlmacenFotos&) = delete;

  // Starts decoding the picture at `pixeles` (device pixels, upright) on a worker, unless it
  // is done or under way.
  void Encargar(const QString& ruta, const CabeceraFoto& cabecera, QSize pixeles);
  // The picture at `pixeles`: kept, waited for, brought down from a larger one decoded ahead,
  // or decoded here. Null when it cannot be decoded.
  QImage Tomar(const QString& ruta, const CabeceraFoto& cabecera, QSize pixeles);
  // Decodes the pictures `alto` device pixels high at their own proportions, so that a product
  // that reaches the shelf later finds its picture ready. The work starts once the shelf has
  // what it asked for, and covers only as many pictures as the store keeps, none of those the
  // shelf has asked for already.
  void Anticipar(const QStringList& rutas, int alto);
  // Waits until no worker has anything left to do (work held back for the shelf included).
  void Esperar();

 private:
  struct Trabajo;
  void Empezar(const QString& clave, const std::shared_ptr<Trabajo>& trabajo, int prioridad);
  void SoltarEspera();  // with mutex_ held
  void Hacer(const QString& clave, Trabajo& trabajo);
  // Keeps a decoded picture; its work is no longer under way.
  void Guardar(const QString& clave, const QImage& imagen);

  qsizetype kibMaximo_;
  QMutex mutex_;
  QCache<QString, QImage> hechas_;
  QHash<QString, std::shared_ptr<Trabajo>> enCurso_;
  QSet<QString> pedidas_;  // files the shelf has asked for, at whatever size
  int paraEstante_ = 0;    // pictures asked for by the shelf and not decoded yet
  QList<QPair<QString, std::shared_ptr<Trabajo>>> enEspera_;  // to decode ahead, later

  bool cerrando_ = false;  // once set, nothing more is started
  QThreadPool obreros_;
};

}  // namespace tiendal

#endif
