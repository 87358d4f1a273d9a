// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/aviso_unico.h"

#include <QDebug>
#include <QMutex>
#include <QSet>

namespace tiendal {

void AvisarUnaVez(const QString& clave, const QString& texto) {
  static QMutex mutex;
  static QSet<QString> avisados;
  const QMutexLocker bloqueo(&mutex);
  if (avisados.contains(clave)) return;
  avisados.insert(clave);
  qWarning().noquote() << texto;
}

}  // namespace tiendal
