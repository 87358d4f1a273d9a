// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/opciones.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "core/numeros.h"

namespace tiendal {
namespace {

// The first two lines of the file; a line ends at CR LF, LF or CR.
QList<QByteArray> PrimerasLineas(const QByteArray& contenido) {
  QList<QByteArray> lineas;
  qsizetype inicio = 0;
  for (qsizetype i = 0; i < contenido.size() && lineas.size() < 2; ++i) {
    const char c = contenido[i];
    if (c != '\r' && c != '\n') continue;
    lineas.append(contenido.sliced(inicio, i - inicio));
    if (c == '\r' && i + 1 < contenido.size() && contenido[i + 1] == '\n') ++i;
    inicio = i + 1;
  }
  if (lineas.size() < 2 && inicio < contenido.size()) lineas.append(contenido.sliced(inicio));
  return lineas;
}

bool Activada(const QByteArray& linea) { return LeerNumero(QString::fromLatin1(linea)) == 1.0; }

}  // namespace

void AplicarTextoOpciones(const QByteArray& contenido, Opciones& opciones) {
  const auto lineas = PrimerasLineas(contenido);
  if (lineas.size() > 0) opciones.ValoresEnteros = Activada(lineas[0]);
  if (lineas.size() > 1) opciones.MostrarResultado = Activada(lineas[1]);
}

void LeerArchivoOpciones(const QString& ruta, Opciones& opciones) {
  QFile archivo(ruta);
  if (!archivo.open(QIODevice::ReadOnly)) return;
  AplicarTextoOpciones(archivo.readAll(), opciones);
}

QByteArray TextoOpciones(const Opciones& opciones) {
  // Written as a whole number prints: a space for the sign, the digit, a space.
  QByteArray texto;
  texto += opciones.ValoresEnteros ? " 1 \r\n" : " 0 \r\n";
  texto += opciones.MostrarResultado ? " 1 \r\n" : " 0 \r\n";
  return texto;
}

bool EscribirArchivoOpciones(const QString& ruta, const Opciones& opciones) {
  // Written beside the old file and renamed over it: a crash never leaves half a file. In a
  // folder that takes no new file, a settings file that can be written is rewritten in place.
  // The user's configuration folder may not exist yet: it is made now, at the first save.
  const QString carpeta = QFileInfo(ruta).absolutePath();
  if (!QFileInfo::exists(carpeta) && !QDir().mkpath(carpeta)) return false;
  QSaveFile archivo(ruta);
  archivo.setDirectWriteFallback(true);
  if (!archivo.open(QIODevice::WriteOnly)) return false;
  const QByteArray texto = TextoOpciones(opciones);
  if (archivo.write(texto) != texto.size()) {
    archivo.cancelWriting();
    return false;
  }
  return archivo.commit();
}

}  // namespace tiendal
