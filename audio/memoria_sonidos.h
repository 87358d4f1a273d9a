// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_AUDIO_MEMORIA_SONIDOS_H
#define TIENDAL_AUDIO_MEMORIA_SONIDOS_H

#include <QHash>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <vector>

namespace tiendal {

// Sounds already decoded and converted for the device, kept for their next use: a column reading
// says the same few digits over and over. A file changed on disk (another size or modification
// time) is read again. Past `maximoBytes`, the sounds used longest ago are dropped.
class MemoriaSonidos final {
 public:
  using Muestras = std::shared_ptr<const std::vector<std::uint8_t>>;

  // What tells one version of a file from another.
  struct Huella {
    std::int64_t tamano = -1;
    std::int64_t modificado = 0;
    bool operator==(const Huella&) const = default;
  };

  explicit MemoriaSonidos(std::size_t maximoBytes) : maximo_(maximoBytes) {}
  MemoriaSonidos(const MemoriaSonidos&) = delete;
  MemoriaSonidos& operator=(const MemoriaSonidos&) = delete;

  // The samples kept under `clave` for this version of the file, or null.
  Muestras Buscar(const QString& clave, Huella huella);
  void Guardar(const QString& clave, Huella huella, Muestras muestras);

  std::size_t Bytes() const { return bytes_; }
  std::size_t Cuantos() const { return entradas_.size(); }

 private:
  struct Entrada {
    QString clave;
    Huella huella;
    Muestras muestras;
  };
  using Lista = std::list<Entrada>;  // the most recently used first

  void Quitar(Lista::iterator entrada);

  std::size_t maximo_;
  std::size_t bytes_ = 0;
  Lista entradas_;
  QHash<QString, Lista::iterator> indice_;
};

}  // namespace tiendal

#endif
