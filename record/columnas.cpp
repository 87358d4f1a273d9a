// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/columnas.h"

#include <csv.h>

namespace tiendal {

QByteArray LineaCsv(const QStringList& campos) {
  QByteArray linea;
  for (const QString& campo : campos) {
    if (!linea.isEmpty()) linea += ',';
    const QByteArray utf8 = campo.toUtf8();
    // At worst every byte is a quote, doubled, and two more enclose the field.
    QByteArray citado(2 * utf8.size() + 2, Qt::Uninitialized);
    const size_t largo = csv_write(citado.data(), static_cast<size_t>(citado.size()),
                                   utf8.constData(), static_cast<size_t>(utf8.size()));
    linea.append(citado.constData(), static_cast<qsizetype>(largo));
  }
  return linea + '\n';
}

const QByteArray& CabeceraCsv() {
  static const QByteArray cabecera =
      LineaCsv(QStringList(kNombresColumnas.begin(), kNombresColumnas.end()));
  return cabecera;
}

}  // namespace tiendal
