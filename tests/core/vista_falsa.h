// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_TESTS_CORE_VISTA_FALSA_H
#define TIENDAL_TESTS_CORE_VISTA_FALSA_H

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QStringList>
#include <array>
#include <map>

#include "core/aleatorio.h"
#include "core/anotador.h"
#include "core/practica.h"
#include "core/reproductor.h"
#include "core/sesion.h"
#include "core/sonido.h"
#include "core/vista.h"
#include "tests/comun/azar_guion.h"
#include "tests/comun/imprimir.h"

namespace tiendal {

// A window with a shelf, its player and its record, that only remember: the list rows, texts,
// marks, the ordered log of messages, sounds and beeps, and the verdicts recorded. Every sound
// ends at once.
class VistaFalsa : public Vista, public VistaEstante, public Reproductor, public Anotador {
 public:
  struct Fila {
    QString nombre, precio;
  };
  std::vector<Fila> filas{Fila{}};
  QString resultado;
  int filasMostradas = -1;  // rows when MostrarFilas() was last called
  std::array<QString, kHuecos> textosHueco;
  std::array<QString, kHuecos> imagenes;
  std::array<bool, kHuecos> resaltado{};
  std::map<Opcion, bool> marcas;
  QStringList eventos;  // "sonido tipo1.wav", "mensaje ...", "pitido"
  QStringList anotado;  // "tipo|productos|dinero|unidades|esperado|tecleado|bien|comprobación"
  int ejerciciosNuevos = 0;
  int enfocada = -1;
  bool cerrada = false;  // a closed window is never read

  const VistaFalsa& Abierta() const {
    EXPECT_FALSE(cerrada);
    return *this;
  }

  void PonerInstrucciones(const QString&) override {}
  void PonerTextoHueco(int h, const QString& t) override { textosHueco[h] = t; }
  void MostrarImagen(int h, const QString& ruta) override { imagenes[h] = ruta; }
  void ResaltarHueco(int h, bool r) override { resaltado[h] = r; }
  int ContarFilas() const override { return static_cast<int>(Abierta().filas.size()); }
  void CrearFila() override { filas.push_back(filas[0]); }
  void RetirarFila(int f) override { filas.erase(filas.begin() + f); }
  void MostrarFilas() override { filasMostradas = ContarFilas(); }
  void PonerNombre(int f, const QString& t) override { filas[f].nombre = t; }
  QString Nombre(int f) const override { return filas.at(f).nombre; }
  void PonerPrecio(int f, const QString& t) override { filas[f].precio = t; }
  QString Precio(int f) const override { return Abierta().filas.at(f).precio; }
  void EnfocarPrecio(int f) override { enfocada = f; }
  void PonerResultado(const QString& t) override { resultado = t; }
  QString Resultado() const override { return Abierta().resultado; }
  void MarcarOpcion(Opcion o, bool m) override { marcas[o] = m; }
  void Mensaje(const QString& t) override { eventos << QStringLiteral("mensaje ") + t; }
  void Pitido() override { eventos << QStringLiteral("pitido"); }

  void Abrir(const QString& ruta) override {
    eventos << QStringLiteral("sonido ") + QFileInfo(ruta).fileName();
  }
  bool Ocupado() const override { return false; }
  void Detener() override {}
  double Posicion() const override { return 0.0; }

  void EjercicioNuevo() override { ++ejerciciosNuevos; }
  void Anotar(const Respuesta& r) override {
    anotado << QStringList{QString::number(static_cast<int>(r.tipo)),
                           r.productos,
                           r.dinero,
                           r.unidades,
                           r.esperado,
                           r.tecleado,
                           r.correcta ? QStringLiteral("bien") : QStringLiteral("mal"),
                           QString::number(r.comprobacion)}
                   .join(u'|');
  }
};

// A practice with a catalogue given in code, and exercises drawn to order.
struct Banco {
  VistaFalsa vista;
  AleatorioGuion azar;
  Sonido sonido;
  Sesion sesion;

  explicit Banco(const QString& carpeta = QStringLiteral("/nonexistent"))
      : sonido(vista, Rutas{carpeta}.Sonidos()), sesion(vista, &vista, sonido, azar, carpeta) {
    sesion.PonerAnotador(&vista);
  }

  Practica& p() { return sesion.practica(); }

  // The draws that give a type and a shelf of catalogue numbers (1..N), then further draws.
  void Guion(int tipo, std::array<int, kHuecos> estante, std::vector<double> mas = {}) {
    azar.Poner((tipo - 1 + 0.5) / 5);
    for (int k : estante) azar.Poner((k - 1 + 0.5) / p().NumeroProductos());
    for (double r : mas) azar.Poner(r);
  }

  // A new exercise of the given type on a shelf of products 1..6 in order.
  // Type 5 draws its money from `mas`, a quarter of the shelf when none is given.
  void Ejercicio(int tipo, std::vector<double> mas = {}) {
    if (tipo == 5 && mas.empty()) mas = {0.0};
    Guion(tipo, {1, 2, 3, 4, 5, 6}, std::move(mas));
    sesion.NuevoEjercicio();
    vista.eventos.clear();
  }

  // A catalogue of products named a..f with the given prices, on the shelf in that order.
  void Estante(std::array<float, kHuecos> precios) {
    p().Imagenes.clear();
    p().Productos.clear();
    p().Precios.assign(precios.begin(), precios.end());
    for (int i = 0; i < kHuecos; ++i) {
      p().Productos << QString(QChar(u'a' + i));
      p().Imagenes << p().Productos.back() + QStringLiteral(".jpg");
    }
  }
};

}  // namespace tiendal

#endif
