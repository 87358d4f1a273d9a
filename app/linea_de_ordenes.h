// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_APP_LINEA_DE_ORDENES_H
#define TIENDAL_APP_LINEA_DE_ORDENES_H

#include <QString>
#include <QStringList>
#include <variant>

namespace tiendal {

// What the command line asks the program to start on.
struct Ordenes {
  QString datos;                   // --datos CARPETA, made absolute; empty when not given
  bool teclado = false;            // --teclado: start in the keyboard-only window
  QString registro;                // --registro CARPETA, made absolute; empty when not given
  bool sinRegistro = false;        // --sin-registro: the answers are not recorded
  bool resultados = false;         // --resultados: the teacher's results window instead
  QStringList archivosResultados;  // the records it reads; none: the user's own
  bool pantallaCompleta = false;   // --pantalla-completa: the window fills the screen
  double escala = 1.0;             // --escala FACTOR, 1 to 4: the window that much larger
  QString idioma;                  // --idioma: one of the languages spoken; empty when not given
};

// The program ends at once: --help and --version with status 0 and their text for standard
// output; a bad argument, or a --datos folder that does not exist, with status 2 and one
// line for standard error that names it. The same for a --registro folder, and for an --idioma
// the program does not speak. The texts are in the language whose catalogues are installed.
struct FinSinVentana {
  int estado = 0;
  QString texto;
};

// Reads the arguments, the program's own name first, with Qt's own options (-platform and the
// like) passed over: it needs no window system, so that a console without a display gets its
// answer too. Only --datos looks at the disk: its folder must exist.
std::variant<Ordenes, FinSinVentana> LeerLineaDeOrdenes(const QStringList& argumentos);

// Writes the text of `fin` to standard output (status 0) or standard error, and returns the
// status.
int Acabar(const FinSinVentana& fin);

}  // namespace tiendal

#endif
