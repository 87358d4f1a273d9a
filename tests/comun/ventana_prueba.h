// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_TESTS_COMUN_VENTANA_PRUEBA_H
#define TIENDAL_TESTS_COMUN_VENTANA_PRUEBA_H

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/catalogo.h"
#include "keyboard_window/ventana_teclado.h"
#include "mouse_window/ventana_raton.h"
#include "record/columnas.h"
#include "record/registro_csv.h"
#include "tests/comun/arranque.h"
#include "tests/comun/azar_guion.h"
#include "tests/comun/carpeta.h"
#include "tests/comun/reproductor_falso.h"

namespace tiendal {

// The shelf of every first exercise, slots 0 to 5.
inline const QStringList kEstante = {"pan", "leche", "huevos", "plátanos", "queso", "aceite"};

// The names the list shows, down to its last row in use.
inline QStringList Nombres(const VentanaPractica& ventana) {
  QStringList nombres;
  for (int fila = 0; fila < ventana.sesion().practica().NumFilas; ++fila)
    nombres << ventana.Nombre(fila);
  return nombres;
}

// A program folder holding just the six products of kEstante (the fewest a shelf takes), windows
// on it with a fake player and scripted random numbers, the window's beeps counted, its verdicts
// recorded in a folder of their own, and an answerer that gives each message box OK and keeps
// its text.
class PruebaVentana : public ::testing::Test {
 protected:
  PruebaVentana() { carpeta_.Llenar(PrimerosProductos(6)); }

  // Fakes whose first exercise is of type `tipo` with kEstante on the shelf; the last ones made
  // are kept at hand in reproductor_ and azar_.
  Piezas Falsas(int tipo) {
    Piezas piezas{std::make_unique<ReproductorFalso>(), std::make_unique<AleatorioGuion>()};
    reproductor_ = static_cast<ReproductorFalso*>(piezas.reproductor.get());
    azar_ = static_cast<AleatorioGuion*>(piezas.azar.get());
    // Past the script, the sixths in turn, downwards: never one value twice running.
    azar_->despues = [n = 0]() mutable { return ((5 * ++n) % 6 + 0.5) / 6; };
    Guion(tipo);
    return piezas;
  }

  // The draws of the next exercise: of type `tipo`, with kEstante on the shelf (the catalogue is
  // numbered in the order the pictures folder lists them).
  void Guion(int tipo) {
    const QStringList catalogo = ListarImagenes(carpeta_.Ruta(QStringLiteral("imágenes")));
    azar_->Poner((tipo - 0.5) / 5);
    for (const QString& s : kEstante)
      azar_->Poner((static_cast<double>(catalogo.indexOf(s + QStringLiteral(".jpg"))) + 0.5) / 6);
  }

  // Opens ventana_, the keyboard window when `teclado`: loaded, shown and active.
  void Abrir(bool teclado, int tipo = 1) {
    Piezas piezas = Falsas(tipo);
    auto registro = std::make_unique<RegistroCsv>(DestinoRegistro{
        registro_.path(), QStringLiteral("ana"), teclado ? kTeclado : kRaton, QString()});
    registroCsv_ = registro.get();
    piezas.anotador = std::move(registro);
    if (teclado)
      ventana_ = std::make_unique<VentanaTeclado>(carpeta_.Ruta(), std::move(piezas));
    else
      ventana_ = std::make_unique<VentanaRaton>(carpeta_.Ruta(), std::move(piezas));
    QObject::connect(ventana_.get(), &VentanaPractica::pitido, [this] { ++pitidos_; });
    ASSERT_EQ(ventana_->Cargar(), std::nullopt);
    ventana_->show();
    ventana_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(ventana_.get()));
  }

  // The keyboard window's chooser as it stands, or null.
  Elegidor* ElegidorDe(VentanaPractica& ventana) const {
    return static_cast<VentanaTeclado&>(ventana).ElegidorExistente();
  }
  QWidget* Control(const QString& nombre) const { return ventana_->findChild<QWidget*>(nombre); }
  QWidget* Enfocar(const QString& nombre) const {
    QWidget* control = Control(nombre);
    control->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), control);
    return control;
  }

  Carpeta carpeta_;
  QTemporaryDir registro_;
  RegistroCsv* registroCsv_ = nullptr;
  int pitidos_ = 0;
  Contestador contestador_;
  ReproductorFalso* reproductor_ = nullptr;
  AleatorioGuion* azar_ = nullptr;
  std::unique_ptr<VentanaPractica> ventana_;
};

}  // namespace tiendal

#endif
