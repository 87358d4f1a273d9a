// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cmath>

#include "core/anotador.h"
#include "core/numeros.h"
#include "core/sesion.h"
#include "core/sonido.h"
#include "core/vista.h"
#include "core/voces.h"

namespace tiendal {

void Sesion::Corregir() {
  const int productos = p_.NumFilas - p_.PrimeraFilaProducto();
  QString faltan;
  float esperado = 0.0f;
  switch (p_.TipoEjercicio) {
    case TipoDeEjercicio::Total:
      if (p_.NumFilas < 3)
        faltan = QCoreApplication::translate("Sesion", "Debe elegir tres productos");
      else
        esperado = p_.PrecioDeFila(0) + p_.PrecioDeFila(1) + p_.PrecioDeFila(2);
      break;
    case TipoDeEjercicio::Cambio:
      if (productos < 1)
        faltan = QCoreApplication::translate("Sesion", "Debe elegir algún producto");
      else
        esperado = LeerCifra(vista_.Precio(0)) - p_.PrecioDeFila(1);
      break;
    case TipoDeEjercicio::Diferencia:
      if (p_.NumFilas < 2) {
        faltan = QCoreApplication::translate(
            "Sesion", "Debe agregar los dos productos según se indica en las instrucciones");
      } else {
        esperado = p_.PrecioDeFila(0) - p_.PrecioDeFila(1);
      }
      break;
    case TipoDeEjercicio::Unidades:
      if (p_.NumFilas == 0) {
        faltan = QCoreApplication::translate("Sesion", "no ha seleccionado ningún producto.");
      } else {
        esperado = p_.PrecioDeFila(0) * static_cast<float>(LeerNumero(vista_.Precio(1)));
      }
      break;
    case TipoDeEjercicio::MasProductos:
      if (productos < 1) {
        faltan = QCoreApplication::translate("Sesion", "Al menos debe elegir un producto");
        break;
      }
      CorregirMasProductos();
      return;
    case TipoDeEjercicio::Ninguno:
      return;
  }
  if (!faltan.isEmpty()) {
    sonido_.ReproducirSonido(kSonidoError);
    vista_.Mensaje(faltan);
    return;
  }

  // Single precision leaves some sums a hair off the hundredth (9,039999 for 9,04): the
  // expected figure is brought to whole hundredths, as the typed one is.
  esperado = RedondearCentesimas(esperado);
  const float tecleado = RedondearCentesimas(LeerCifra(vista_.Resultado()));
  const float diferencia = std::fabs(esperado - tecleado);
  const bool correcta = std::isfinite(esperado) && diferencia <= 0.001f;
  AnotarVeredicto(std::isfinite(esperado) ? FormatoPrecio(esperado) : QString(), correcta);
  if (correcta) {
    sonido_.ReproducirSonido(kSonidoAplauso);
    vista_.Mensaje(QCoreApplication::translate("Sesion", "Respuesta correcta: %1")
                       .arg(FormatoPrecio(esperado)));
    return;
  }
  sonido_.ReproducirSonido(kSonidoError);
  // A total beyond single precision has no figure worth showing.
  if (p_.Opciones.MostrarResultado && std::isfinite(esperado)) {
    vista_.Mensaje(
        QCoreApplication::translate("Sesion", "respuesta incorrecta.  La operación debe dar %1")
            .arg(FormatoPrecio(esperado)));
  } else {
    vista_.Mensaje(QCoreApplication::translate("Sesion", "respuesta incorrecta. "));
  }
}

void Sesion::CorregirMasProductos() {
  std::array<float, kHuecos> precios{};
  for (int hueco = 0; hueco < kHuecos; ++hueco) precios[hueco] = p_.PrecioDeHueco(hueco);
  std::sort(precios.begin(), precios.end());

  // Totals are compared with the money in whole hundredths.
  const float dinero = RedondearCentesimas(p_.DineroDisponible);
  float total = 0.0f;
  int cuantos = 0;
  while (cuantos < kHuecos && RedondearCentesimas(total) < dinero) total += precios[cuantos++];
  // The cheapest products whose total stays below the money. When even all six stay below
  // (prices of 0), the list's five product rows are the most that can be bought; with no money
  // at all, none.
  int esperados = RedondearCentesimas(total) < dinero ? kHuecos - 1 : cuantos - 1;
  esperados = std::max(esperados, 0);

  float elegido = 0.0f;
  for (int fila = 1; fila < p_.MaxFilas; ++fila) {
    if (p_.HuecoFila[fila] != kVacio) elegido += p_.PrecioDeFila(fila);
  }
  const int productos = p_.NumFilas - 1;
  const bool cuentaBien = productos == esperados;
  const bool alcanza = RedondearCentesimas(elegido) <= dinero;

  // Two sentences, one on the count and one on the money, each on its own line.
  const QString cuenta =
      cuentaBien ? QCoreApplication::translate(
                       "Sesion", "el número de productos añadidos a la lista es correcto. ")
                 : QCoreApplication::translate(
                       "Sesion",
                       "el número de productos añadidos a la lista  no es correcto.  "
                       "Debería haber elegido %1 productos.")
                       .arg(esperados);
  const QString compra =
      alcanza ? QCoreApplication::translate("Sesion",
                                            "Ha elegido correctamente los productos, tiene "
                                            "suficiente dinero para comprarlos. ")
              : QCoreApplication::translate("Sesion",
                                            "Ha elegido mal los productos, valen más del "
                                            "dinero disponible.");
  const QString mensaje = cuenta + QStringLiteral("\r\n") + compra + QStringLiteral("\r\n");
  AnotarVeredicto(QString::number(esperados), cuentaBien && alcanza);
  vista_.Mensaje(mensaje);
  if (!(cuentaBien && alcanza)) sonido_.ReproducirSonido(kSonidoError);
}

// Told before the verdict's message box, which waits for the pupil.
void Sesion::AnotarVeredicto(QString esperado, bool correcta) {
  ++comprobaciones_;
  if (!anotador_) return;
  Respuesta respuesta;
  respuesta.tipo = p_.TipoEjercicio;
  respuesta.esperado = std::move(esperado);
  respuesta.tecleado = vista_.Resultado();
  respuesta.correcta = correcta;
  respuesta.comprobacion = comprobaciones_;
  QStringList productos;
  for (int fila = 0; fila < p_.NumFilas; ++fila) {
    if (p_.HuecoFila[fila] != kVacio) {
      productos.append(p_.NombreDeHueco(p_.HuecoFila[fila]) + u' ' + vista_.Precio(fila));
    }
  }
  respuesta.productos = productos.join(QStringLiteral("; "));
  if (p_.TieneDineroEnFila0()) respuesta.dinero = vista_.Precio(0);
  if (p_.TipoEjercicio == TipoDeEjercicio::Unidades) respuesta.unidades = vista_.Precio(1);
  anotador_->Anotar(respuesta);
}

}  // namespace tiendal
