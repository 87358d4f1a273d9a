// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_TOOLS_REVISION_DATOS_H
#define TIENDAL_TOOLS_REVISION_DATOS_H

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>
#include <vector>

namespace tiendal {

// What the program would make of one product of a data folder.
struct FilaRevision {
  QString producto;
  QString imagen;
  QString tamano;        // "WxH" in pixels, or "ilegible"
  QString precio;        // in the price format, whole values off
  QString precioEntero;  // the same with whole values on
  bool sonido = false;
};

struct RevisionDatos {
  // The program's own message when it could not start on the folder. The products are still
  // listed when only the number of pictures stops it.
  std::optional<QString> fallo;
  std::vector<FilaRevision> filas;  // in catalogue order
  QStringList avisos;

  // 0 with no warning, 1 with warnings, 2 when the program could not start.
  int CodigoSalida() const;
};

// Reads a data folder (the one that holds imágenes/, precios.txt and Sonidos/) with the
// program's own start-up checks, catalogue scan, prices reading and sound look-up. Needs a
// QGuiApplication: the shelf texts are measured in the window's font.
RevisionDatos RevisarDatos(const QString& carpeta);

// A header line, one tab-separated line per product, then one "aviso: " line per warning.
void EscribirRevision(const RevisionDatos& revision, QTextStream& salida);

// The fixed sounds, one line each: the file name, a tab, and what the recording says (nothing
// for the error tone and the applause), with backslash, tab, CR and LF written \\, \t, \r
// and \n. The voice generator reads this.
void EscribirTextosVoces(QTextStream& salida);

}  // namespace tiendal

#endif
