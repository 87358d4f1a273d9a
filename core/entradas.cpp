// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entradas.h"

#include <QFileInfo>
#include <QStringList>

namespace tiendal {

QString EntradaDe(const QString& carpeta, const QString& nombre, Qt::CaseSensitivity mayusculas,
                  QDir::Filters tipos) {
  const QString exacta = carpeta + u'/' + nombre;
  if (QFileInfo::exists(exacta)) return exacta;
  const QString buscado = nombre.normalized(QString::NormalizationForm_C);
  const QStringList entradas = QDir(carpeta).entryList(
      tipos | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
  for (const QString& entrada : entradas) {
    if (entrada.normalized(QString::NormalizationForm_C).compare(buscado, mayusculas) == 0) {
      return carpeta + u'/' + entrada;
    }
  }
  return exacta;
}

}  // namespace tiendal
