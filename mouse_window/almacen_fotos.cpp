// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mouse_window/almacen_fotos.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMutexLocker>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <utility>

#include "core/traspaso_hilos.h"

namespace tiendal {
namespace {

// A picture decoded ahead is kept under its file alone, whatever its size.
QString Clave(const QString& ruta, QSize pixeles) {
  const QFileInfo archivo(ruta);
  // Joined, not formatted: a folder name may hold "%1".
  QString clave = ruta + u'|' + QString::number(archivo.lastModified().toMSecsSinceEpoch()) + u'|' +
                  QString::number(archivo.size()) + u'|';
  if (pixeles.isValid())
    clave += QString::number(pixeles.width()) + u'x' + QString::number(pixeles.height());
  return clave;
}

qsizetype Kib(const QImage& imagen) { return imagen.sizeInBytes() / 1024 + 1; }

// The pool hands a task to a worker under Qt's own lock, which ThreadSanitizer cannot see in an
// uninstrumented Qt: in that build the task, once built, is marked as made before it runs.
char entrega;
void Entregar() { TraspasoHecho(&entrega); }
void Recibir() { TraspasoRecibido(&entrega); }

// A picture decoded ahead takes about this much; no more are decoded ahead than fit.
constexpr qsizetype kKibPorAnticipada = 64;

}  // namespace

// One picture to decode, by a worker or by the window's thread, whichever comes first; the
// other waits for it.
struct AlmacenFotos::Trabajo {
  QString ruta;
  CabeceraFoto cabecera;
  QSize pixeles;  // invalid when decoded ahead: then `alto` high, at the picture's proportions
  int alto = 0;

  std::atomic<bool> tomado{false};
  // The standard library's, not Qt's: Qt waits inside its own library, where ThreadSanitizer
  // cannot see the mutex let go.
  std::mutex mutex;
  std::condition_variable terminado;
  bool hecho = false;
  QImage imagen;
};

AlmacenFotos::AlmacenFotos(qsizetype kibMaximo) : kibMaximo_(kibMaximo), hechas_(kibMaximo) {}

AlmacenFotos::~AlmacenFotos() {
  {
    QMutexLocker cerrojo(&mutex_);
    cerrando_ = true;
  }
  obreros_.clear();
  obreros_.waitForDone();
  // The workers' last changes were made under the lock: taking it once more orders them before
  // the members go, also for ThreadSanitizer, which cannot see the pool's own waiting.
  const QMutexLocker cerrojo(&mutex_);
}

void AlmacenFotos::Encargar(const QString& ruta, const CabeceraFoto& cabecera, QSize pixeles) {
  if (pixeles.isEmpty() || cabecera.derecha.isEmpty()) return;
  const QString clave = Clave(ruta, pixeles);
  QMutexLocker cerrojo(&mutex_);
  pedidas_.insert(ruta);
  if (hechas_.contains(clave) || enCurso_.contains(clave)) return;
  auto trabajo = std::make_shared<Trabajo>();
  trabajo->ruta = ruta;
  trabajo->cabecera = cabecera;
  trabajo->pixeles = pixeles;
  enCurso_.insert(clave, trabajo);
  ++paraEstante_;
  // Pictures for the shelf go before those decoded ahead.
  Empezar(clave, trabajo, 1);
}

void AlmacenFotos::Empezar(const QString& clave, const std::shared_ptr<Trabajo>& trabajo,
                           int prioridad) {
  // Built whole before it is handed over: newer Qt builds the pool's task in its headers, that is
  // in this program's own code, which ThreadSanitizer watches.
  QRunnable* tarea = QRunnable::create([this, clave, trabajo] {
    Recibir();
    Hacer(clave, *trabajo);
  });
  Entregar();
  obreros_.start(tarea, prioridad);
}

QImage AlmacenFotos::Tomar(const QString& ruta, const CabeceraFoto& cabecera, QSize pixeles) {
  if (pixeles.isEmpty() || cabecera.derecha.isEmpty()) return {};
  const QString clave = Clave(ruta, pixeles);
  std::shared_ptr<Trabajo> trabajo;
  QImage anticipada;
  {
    QMutexLocker cerrojo(&mutex_);
    pedidas_.insert(ruta);
    if (const QImage* hecha = hechas_.object(clave)) return *hecha;
    trabajo = enCurso_.value(clave);
    if (const QImage* previa = hechas_.object(Clave(ruta, {}))) anticipada = *previa;
  }
  if (trabajo) {
    Hacer(clave, *trabajo);
    std::unique_lock cerrojo(trabajo->mutex);
    trabajo->terminado.wait(cerrojo, [&] { return trabajo->hecho; });
    return trabajo->imagen;
  }
  QImage imagen;
  if (!anticipada.isNull() && anticipada.width() >= pixeles.width() &&
      anticipada.height() >= pixeles.height()) {
    imagen = anticipada.scaled(pixeles, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  } else {
    imagen = LeerFotoReducida(ruta, cabecera, pixeles);
  }
  Guardar(clave, imagen);
  return imagen;
}

void AlmacenFotos::Anticipar(const QStringList& rutas, int alto) {
  if (alto <= 0) return;
  qsizetype plazas = kibMaximo_ / kKibPorAnticipada;
  QMutexLocker cerrojo(&mutex_);
  for (const QString& ruta : rutas) {
    if (plazas <= 0) break;
    const QString clave = Clave(ruta, {});
    if (pedidas_.contains(ruta) || hechas_.contains(clave) || enCurso_.contains(clave)) continue;
    --plazas;
    auto trabajo = std::make_shared<Trabajo>();
    trabajo->ruta = ruta;
    trabajo->alto = alto;
    enCurso_.insert(clave, trabajo);
    enEspera_.append({clave, trabajo});
  }
  if (paraEstante_ == 0) SoltarEspera();
}

void AlmacenFotos::SoltarEspera() {
  if (cerrando_) return;
  for (const auto& [clave, trabajo] : std::exchange(enEspera_, {})) Empezar(clave, trabajo, 0);
}

void AlmacenFotos::Esperar() { obreros_.waitForDone(); }

void AlmacenFotos::Hacer(const QString& clave, Trabajo& trabajo) {
  if (trabajo.tomado.exchange(true)) return;
  QImage imagen;
  if (trabajo.pixeles.isValid()) {
    imagen = LeerFotoReducida(trabajo.ruta, trabajo.cabecera, trabajo.pixeles);
  } else {
    const CabeceraFoto cabecera = LeerCabeceraFoto(trabajo.ruta);
    if (!cabecera.derecha.isEmpty()) {
      const QSize pixeles(AnchoProporcional(cabecera.derecha, trabajo.alto), trabajo.alto);
      imagen = LeerFotoReducida(trabajo.ruta, cabecera, pixeles);
    }
  }
  Guardar(clave, imagen);
  const std::lock_guard cerrojo(trabajo.mutex);
  trabajo.imagen = std::move(imagen);
  trabajo.hecho = true;
  trabajo.terminado.notify_all();
}

void AlmacenFotos::Guardar(const QString& clave, const QImage& imagen) {
  QMutexLocker cerrojo(&mutex_);
  const auto trabajo = enCurso_.take(clave);
  if (!imagen.isNull()) hechas_.insert(clave, new QImage(imagen), Kib(imagen));
  // Once the shelf has its pictures, the pictures to decode ahead may start.
  if (trabajo && trabajo->pixeles.isValid() && --paraEstante_ == 0) SoltarEspera();
}

}  // namespace tiendal
