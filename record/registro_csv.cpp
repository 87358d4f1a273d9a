// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/registro_csv.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRunnable>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/aviso_unico.h"
#include "core/traspaso_hilos.h"
#include "record/columnas.h"

namespace tiendal {
namespace {

char entrega;
void Entregar() { TraspasoHecho(&entrega); }
void Recibir() { TraspasoRecibido(&entrega); }

QString Error(int numero) { return QString::fromLocal8Bit(std::strerror(numero)); }

// Writes all of `datos`, going on after a write cut short by a signal.
bool EscribirTodo(int fd, const QByteArray& datos) {
  const char* p = datos.constData();
  size_t quedan = static_cast<size_t>(datos.size());
  while (quedan > 0) {
    const ssize_t escritos = ::write(fd, p, quedan);
    if (escritos < 0 && errno == EINTR) continue;
    if (escritos <= 0) return false;
    p += escritos;
    quedan -= static_cast<size_t>(escritos);
  }
  return true;
}

}  // namespace

QString AlumnoActual() {
  const passwd* usuario = ::getpwuid(::getuid());
  const QByteArray nombre = usuario ? QByteArray(usuario->pw_name) : qgetenv("USER");
  return QString::fromLocal8Bit(nombre).replace(u'/', u'_');
}

QString ArchivoDelMes(const QString& carpeta, const QString& alumno, QDate dia) {
  return carpeta + u'/' + alumno + dia.toString(QStringLiteral("-yyyy-MM")) +
         QStringLiteral(".csv");
}

std::optional<QString> AnadirLinea(const QString& archivo, const QByteArray& cabecera,
                                   const QByteArray& linea) {
  const QByteArray nombre = QFile::encodeName(archivo);
  const int fd = ::open(nombre.constData(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return Error(errno);
  QByteArray datos;
  struct stat estado {};
  char ultimo = '\n';
  if (::fstat(fd, &estado) != 0) {
    const int numero = errno;
    ::close(fd);
    return Error(numero);
  }
  if (estado.st_size == 0) {
    datos = cabecera;
  } else if (::pread(fd, &ultimo, 1, estado.st_size - 1) == 1 && ultimo != '\n') {
    datos = "\n";  // the end of a line an earlier run was writing when it was killed
  }
  datos += linea;
  const bool escrito = EscribirTodo(fd, datos) && ::fdatasync(fd) == 0;
  const int numero = errno;
  ::close(fd);
  if (!escrito) return Error(numero);
  return std::nullopt;
}

RegistroCsv::RegistroCsv(DestinoRegistro destino, std::function<QDateTime()> reloj)
    : destino_(std::move(destino)), reloj_(std::move(reloj)), inicio_(reloj_()) {
  escritor_.setMaxThreadCount(1);  // lines go to the disk in the order of the verdicts
}

RegistroCsv::~RegistroCsv() { Esperar(); }

void RegistroCsv::Esperar() { escritor_.waitForDone(); }

void RegistroCsv::EjercicioNuevo() { inicio_ = reloj_(); }

void RegistroCsv::Anotar(const Respuesta& respuesta) {
  const QDateTime ahora = reloj_();
  QStringList campos(kColumnas);
  // Qt writes the offset of a local time only when it is told it as an offset from UTC.
  campos[kFecha] = ahora.toOffsetFromUtc(ahora.offsetFromUtc()).toString(Qt::ISODate);
  campos[kAlumno] = destino_.alumno;
  campos[kVentana] = destino_.ventana;
  campos[kEjercicio] = QString::number(static_cast<int>(respuesta.tipo));
  campos[kCarpeta] = destino_.carpetaDatos;
  campos[kProductos] = respuesta.productos;
  campos[kDinero] = respuesta.dinero;
  campos[kUnidades] = respuesta.unidades;
  campos[kEsperado] = respuesta.esperado;
  campos[kTecleado] = respuesta.tecleado;
  campos[kVeredicto] = respuesta.correcta ? kCorrecta : kIncorrecta;
  campos[kComprobacion] = QString::number(respuesta.comprobacion);
  campos[kSegundos] = QString::number(std::max<qint64>(inicio_.secsTo(ahora), 0));

  const QString archivo = ArchivoDelMes(destino_.carpeta, destino_.alumno, ahora.date());
  const QString carpeta = destino_.carpeta;
  // Built whole before it is handed over: the pool's lock is in an uninstrumented Qt, which
  // ThreadSanitizer cannot see.
  QRunnable* tarea = QRunnable::create([archivo, carpeta, linea = LineaCsv(campos)] {
    Recibir();
    // Only the pupil's own record folder is made here (a teacher's class folder must be there
    // already), and only its owner may read it. When it cannot be made, the write says why.
    if (!QFileInfo::exists(carpeta) && QDir().mkpath(carpeta)) {
      QFile::setPermissions(carpeta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    if (const auto fallo = AnadirLinea(archivo, CabeceraCsv(), linea)) {
      AvisarUnaVez(
          QStringLiteral("registro"),
          QCoreApplication::translate("Registro",
                                      "Tiendal: no se puede escribir en el registro «%1» (%2); "
                                      "las respuestas no se guardan")
              .arg(archivo, *fallo));
    }
  });
  Entregar();
  escritor_.start(tarea);
}

}  // namespace tiendal
