// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <algorithm>

#include "core/catalogo.h"
#include "core/numeros.h"
#include "core/sesion.h"
#include "core/vista.h"

namespace tiendal {

std::optional<QString> Sesion::ExplorarCatalogo() {
  const QString carpeta = QDir::toNativeSeparators(carpetaImagenes_);
  if (!QDir(carpetaImagenes_).exists()) {
    return QStringLiteral("No se encuentra la carpeta de imágenes «%1».").arg(carpeta);
  }
  const QStringList imagenes = ListarImagenes(carpetaImagenes_);
  if (imagenes.isEmpty()) {
    return QStringLiteral("La carpeta de imágenes «%1» no tiene ninguna imagen .jpg.").arg(carpeta);
  }
  if (imagenes.size() < kHuecos) {
    return QStringLiteral(
               "La carpeta de imágenes «%1» tiene %2 imágenes .jpg y hacen falta al "
               "menos seis.")
        .arg(carpeta, QString::number(imagenes.size()));
  }
  if (imagenes.size() > kMaxProductos) {
    return QStringLiteral(
               "La carpeta de imágenes «%1» tiene %2 imágenes .jpg y el programa admite "
               "como mucho %3.")
        .arg(carpeta, QString::number(imagenes.size()), QString::number(kMaxProductos));
  }
  p_.Imagenes = imagenes;
  p_.Productos.clear();
  for (const QString& imagen : imagenes) p_.Productos.append(NombreProducto(imagen));
  return std::nullopt;
}

std::optional<QString> Sesion::CargarPrecios() {
  const auto texto = LeerTextoPrecios(rutas_.Precios());
  if (!texto) {
    return QStringLiteral("No se puede leer el archivo de precios «%1».")
        .arg(QDir::toNativeSeparators(rutas_.Precios()));
  }
  p_.Precios = PreciosDe(p_.Productos, *texto, p_.ValoresEnteros);
  return std::nullopt;
}

void Sesion::ElegirProductos() {
  const int n = p_.NumeroProductos();
  for (int hueco = 0; hueco < kHuecos; ++hueco) {
    const auto yaEsta = [&](int k) {
      return std::find(p_.ProductoHueco.begin(), p_.ProductoHueco.begin() + hueco, k) !=
             p_.ProductoHueco.begin() + hueco;
    };
    int k = Sortear(n, 1);
    while (yaEsta(k)) k = Sortear(n, 1);
    p_.ProductoHueco[hueco] = k;
  }
  if (!estante_) return;

  for (int hueco = 0; hueco < kHuecos; ++hueco) {
    estante_->MostrarImagen(hueco, carpetaImagenes_ + u'/' + p_.ImagenDeHueco(hueco));
    estante_->PonerTextoHueco(hueco,
                              TextoEstante(p_.NombreDeHueco(hueco), p_.PrecioDeHueco(hueco)));
  }
}

}  // namespace tiendal
