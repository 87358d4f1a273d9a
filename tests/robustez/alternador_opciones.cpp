// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Switches "Mostrar resultado correcto" over and over in the program folder given, through the
// practice's own switch of that option, which saves the settings file each time. Prints "listo"
// once the first switch is saved. Runs until it is killed.
#include <QCoreApplication>
#include <cstdio>

#include "core/aleatorio.h"
#include "core/rutas.h"
#include "core/sesion.h"
#include "core/sonido.h"
#include "tests/core/vista_falsa.h"

int main(int argc, char* argv[]) {
  QCoreApplication aplicacion(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "uso: alternador_opciones CARPETA\n");
    return 2;
  }
  const QString carpeta = QString::fromLocal8Bit(argv[1]);
  tiendal::VistaFalsa vista;
  tiendal::AleatorioReloj azar(tiendal::SegundosDesdeMedianoche());
  tiendal::Sonido sonido(vista, tiendal::Rutas{carpeta}.Sonidos());
  tiendal::Sesion sesion(vista, nullptr, sonido, azar, carpeta);
  if (const auto fallo = sesion.Empezar()) {
    std::fprintf(stderr, "%s\n", qPrintable(*fallo));
    return 1;
  }
  for (bool primera = true;; primera = false) {
    sesion.CambiarMostrarResultado();
    vista.eventos.clear();
    if (primera) {
      std::puts("listo");
      std::fflush(stdout);
    }
  }
}
