// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Broken prices files: the program starts on every one of them and reads the prices as its
// rule gives them; no price comes out infinite or not a number.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "arranque.h"
#include "carpeta.h"

namespace tiendal::robustez {
namespace {

constexpr qsizetype k50MB = 50 * 1024 * 1024;

// Bytes of every value, from a fixed seed, so that the garbage is the same on every run.
QByteArray Basura(qsizetype cuantos) {
  QByteArray bytes(cuantos, '\0');
  quint32 x = 12345;
  for (char& c : bytes) {
    x = x * 1103515245u + 12345u;
    c = static_cast<char>(x >> 24);
  }
  return bytes;
}

QByteArray Utf8(const char* texto) { return QByteArray(texto); }

struct CasoPrecios {
  const char* nombre;
  QByteArray (*bytes)();
  std::map<QString, float> esperados;  // products not named here are not checked
  QByteArray ini = {};
};

// The six products on the shelf are pan, leche, huevos, plátanos, queso and aceite.
const std::map<QString, float> kDeSiempre = {
    {QStringLiteral("pan"), 0.85f},   {QStringLiteral("leche"), 1.5f},
    {QStringLiteral("huevos"), 2.0f}, {QStringLiteral("plátanos"), 3.2f},
    {QStringLiteral("queso"), 7.45f}, {QStringLiteral("aceite"), 5.0f},
};

std::map<QString, float> Todos(float precio) {
  std::map<QString, float> precios;
  for (const auto& [nombre, p] : kDeSiempre) precios[nombre] = precio;
  return precios;
}

std::map<QString, float> Con(std::map<QString, float> cambios) {
  std::map<QString, float> precios = kDeSiempre;
  for (const auto& [nombre, p] : cambios) precios[nombre] = p;
  return precios;
}

QByteArray Normal() { return PreciosCp1252(PrimerosProductos(6)); }

// clang-format off
const CasoPrecios kPrecios[] = {
    {"Vacio", [] { return QByteArray(); }, Todos(0.0f)},
    {"VacioConValoresEnteros", [] { return QByteArray(); }, Todos(1.0f), " 1 \r\n 1 \r\n"},
    {"SoloSaltosDeLinea", [] { return QByteArray("\r\n\r\n\n\r"); }, Todos(0.0f)},
    {"SoloBarras", [] { return QByteArray("||||\r\n"); }, Todos(0.0f)},
    {"SinNingunaBarra", [] { return Normal().replace('|', ' '); }, Todos(0.0f)},
    {"BasuraBinaria", [] { return Basura(64 * 1024); }, {}},
    {"BasuraTrasLosPrecios", [] { return Normal() + Basura(4096); }, kDeSiempre},
    // A NUL ends a number like any other character; a name broken by one is not found and
    // takes the first price of the file.
    {"ByteNulo", [] {
       QByteArray texto("pan|0.8\0" "5\r\nle\0che|9\r\n", 21);
       for (const Producto& p : PrimerosProductos(6)) {
         if (p.nombre != QStringLiteral("pan") && p.nombre != QStringLiteral("leche")) {
           texto += PreciosCp1252({p});
         }
       }
       return texto;
     }, Con({{QStringLiteral("pan"), 0.8f}, {QStringLiteral("leche"), 0.8f}})},
    {"BomUtf8", [] { return QByteArray("\xEF\xBB\xBF") + Normal().replace("pl\xE1tanos", "pl\xC3\xA1tanos"); }, kDeSiempre},
    {"Utf8SinBom", [] { return Normal().replace("pl\xE1tanos", "pl\xC3\xA1tanos"); }, kDeSiempre},
    {"SoloLf", [] { return Normal().replace("\r\n", "\n"); }, kDeSiempre},
    {"SoloCr", [] { return Normal().replace("\r\n", "\r"); }, kDeSiempre},
    {"SinSaltoFinal", [] { return Normal().chopped(2); }, kDeSiempre},
    {"UnaLineaDe50MBDelante", [] { return QByteArray(k50MB, 'x') + "\r\n" + Normal(); }, kDeSiempre},
    {"UnPrecioDe50MBDeCifras", [] { return "pan|" + QByteArray(k50MB, '9') + "\r\n" + Normal(); },
     Con({{QStringLiteral("pan"), 0.0f}})},
    {"UnPrecioPartidoPor5MBDeEspacios", [] { return "pan|1" + QByteArray(k50MB / 10, ' ') + "5\r\n" + Normal(); },
     Con({{QStringLiteral("pan"), 15.0f}})},
    {"PreciosRaros", [] {
       return Utf8("pan|-3\r\nleche|1e39\r\nhuevos|1e-50\r\npl\xE1tanos|  1 2 . 5\r\nqueso|1,5\r\n"
                   "aceite|.5\r\n");
     }, {{QStringLiteral("pan"), -3.0f}, {QStringLiteral("leche"), 0.0f},
         {QStringLiteral("huevos"), 0.0f}, {QStringLiteral("plátanos"), 12.5f},
         {QStringLiteral("queso"), 1.0f}, {QStringLiteral("aceite"), 0.5f}}},
    {"NombreDentroDeOtro", [] { return "empanada|2.50\r\n" + Normal(); },
     Con({{QStringLiteral("pan"), 2.5f}})},
};
// clang-format on

class Precios : public ::testing::TestWithParam<CasoPrecios> {};

TEST_P(Precios, ArrancaYLeeCadaPrecioPorSuRegla) {
  const CasoPrecios& caso = GetParam();
  Carpeta carpeta;
  carpeta.Llenar(PrimerosProductos(6));
  carpeta.Escribir(QStringLiteral("precios.txt"), caso.bytes());
  if (!caso.ini.isEmpty()) carpeta.Escribir(QStringLiteral("Tiendal.ini"), caso.ini);

  const auto arranque = Arrancar(carpeta.Ruta());

  ASSERT_NO_FATAL_FAILURE(ComprobarVentanaEntera(*arranque));
  const Practica& p = arranque->Ventana()->sesion().practica();
  ASSERT_EQ(p.Precios.size(), 6u);
  for (const float precio : p.Precios) EXPECT_TRUE(std::isfinite(precio));
  for (const auto& [nombre, precio] : caso.esperados) {
    const auto k = p.Productos.indexOf(nombre);
    ASSERT_GE(k, 0) << nombre.toStdString();
    EXPECT_FLOAT_EQ(p.Precios[static_cast<size_t>(k)], precio) << nombre.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Robustez, Precios, ::testing::ValuesIn(kPrecios),
                         NombreDelCaso<CasoPrecios>);

}  // namespace
}  // namespace tiendal::robustez
