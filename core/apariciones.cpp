// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// First occurrence of every product name in the prices text, in one pass over the text: an
// Aho-Corasick automaton over the names. Catalogues reach 32767 names and some 350,000 trie
// nodes, so a node takes 16 bytes and what only some nodes need lies beside them: names are
// sorted and deduplicated, the trie is laid out depth first (a node's first child is the node
// right after it), code units are mapped to a small alphabet, and the nodes that branch
// (those near the root, where failure links lead) get a dense row of children.
#include "core/apariciones.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <memory>
#include <span>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

namespace tiendal {
namespace {

class Automata final {
 public:
  // `nombres` sorted, distinct and non-empty.
  explicit Automata(std::span<const std::u16string_view> nombres) : nombres_(nombres) {
    CrearAlfabeto();
    CrearTrie();
    CrearFilasDensas();
    Enlazar();
  }

  // First start index of every name (by its place in the list given), -1 where absent.
  std::vector<qsizetype> Buscar(std::u16string_view texto) {
    std::vector<qsizetype> primera(nombres_.size(), -1);
    size_t pendientes = nombres_.size();
    int estado = 0;
    for (size_t i = 0; i < texto.size() && pendientes > 0; ++i) {
      const std::uint32_t a = alfabeto_[texto[i]];
      if (a == 0) {  // in no name: back to the root
        estado = 0;
        continue;
      }
      estado = Avanzar(estado, a);
      const Nodo& actual = nodos_[Ix(estado)];
      int v = (actual.marcas & kPorEncontrar) ? estado : Vivo(actual.salida);
      for (; v != 0; v = Vivo(nodos_[Ix(v)].salida)) {
        Nodo& nodo = nodos_[Ix(v)];
        const auto id = Ix(ids_[Ix(v)]);
        primera[id] = static_cast<qsizetype>(i + 1 - nombres_[id].size());
        nodo.marcas &= static_cast<std::uint8_t>(~kPorEncontrar);
        --pendientes;
      }
    }
    return primera;
  }

 private:
  // What the search reads of a node, in 16 bytes. A name's nodes follow each other
  // (depth-first), so walking down a name reads memory in order.
  struct Nodo {
    int falla = 0;
    int salida = 0;           // nearest proper suffix that ends a name still to be found
    int fila = -1;            // its dense row of children, if any
    std::uint16_t letra = 0;  // its letter less one, so that 65536 letters fit
    std::uint8_t hijos = 0;   // 0, 1, or 2 for two or more
    std::uint8_t marcas = 0;
  };
  static constexpr std::uint8_t kFinal = 1;         // it ends a name
  static constexpr std::uint8_t kPorEncontrar = 2;  // ... not found yet

  static size_t Ix(std::ptrdiff_t v) { return static_cast<size_t>(v); }
  std::uint32_t Letra(int v) const { return std::uint32_t{nodos_[Ix(v)].letra} + 1; }

  // Letters are numbered in code-unit order, so children in name order are in letter order.
  void CrearAlfabeto() {
    alfabeto_.assign(0x10000, 0);
    for (const auto nombre : nombres_) {
      for (const char16_t c : nombre) alfabeto_[c] = 1;
    }
    for (std::uint32_t& letra : alfabeto_) {
      if (letra != 0) letra = ++letras_;
    }
  }

  void CrearTrie() {
    size_t total = 1;
    for (const auto nombre : nombres_) total += nombre.size();
    nodos_.reserve(total);
    hermanos_.reserve(total);
    ids_ = std::make_unique_for_overwrite<int[]>(total);
    nodos_.emplace_back();
    hermanos_.push_back(0);
    // Along the previous name: its nodes, and the last child each of them has so far.
    std::vector<int> camino{0}, ultimo{0};
    std::u16string_view anterior;
    for (size_t id = 0; id < nombres_.size(); ++id) {
      const auto nombre = nombres_[id];
      const size_t tope = std::min(anterior.size(), nombre.size());
      size_t comun = 0;
      while (comun < tope && anterior[comun] == nombre[comun]) ++comun;
      camino.resize(comun + 1);
      ultimo.resize(comun + 1);
      for (size_t j = comun; j < nombre.size(); ++j) {
        const int h = static_cast<int>(nodos_.size());
        Nodo& nuevo = nodos_.emplace_back();
        nuevo.letra = static_cast<std::uint16_t>(alfabeto_[nombre[j]] - 1);
        hermanos_.push_back(0);
        Nodo& padre = nodos_[Ix(camino.back())];
        padre.hijos = static_cast<std::uint8_t>(std::min(padre.hijos + 1, 2));
        if (ultimo.back() != 0) hermanos_[Ix(ultimo.back())] = h;
        ultimo.back() = h;
        camino.push_back(h);
        ultimo.push_back(0);
      }
      nodos_[Ix(camino.back())].marcas = kFinal | kPorEncontrar;
      ids_[Ix(camino.back())] = static_cast<int>(id);
      anterior = nombre;
    }
  }

  // The root and the nodes that branch look a letter up in a row of the alphabet's width.
  void CrearFilasDensas() {
    const size_t ancho = size_t{letras_} + 1;
    // Rows take at most a few cells per node, however wide the alphabet.
    const size_t maximoFilas = std::max<size_t>((8 * nodos_.size() + 0x10000) / ancho, 1);
    size_t filas = 1;
    for (const Nodo& nodo : nodos_) filas += nodo.hijos > 1 ? 1 : 0;
    denso_.reserve(std::min(filas, maximoFilas) * ancho);
    for (size_t v = 0; v < nodos_.size(); ++v) {
      if (v != 0 && (nodos_[v].hijos < 2 || denso_.size() + ancho > denso_.capacity())) continue;
      nodos_[v].fila = static_cast<int>(denso_.size() / ancho);
      denso_.resize(denso_.size() + ancho, 0);
      if (nodos_[v].hijos == 0) continue;
      for (int h = static_cast<int>(v) + 1; h != 0; h = hermanos_[Ix(h)]) {
        denso_[Ix(nodos_[v].fila) * ancho + Letra(h)] = h;
      }
    }
  }

  // The child of v along letter a, or -1.
  int Hijo(int v, std::uint32_t a) const {
    const Nodo& nodo = nodos_[Ix(v)];
    if (nodo.fila >= 0) {
      const int h = denso_[Ix(nodo.fila) * (size_t{letras_} + 1) + a];
      return h ? h : -1;
    }
    if (nodo.hijos < 2) return nodo.hijos == 1 && Letra(v + 1) == a ? v + 1 : -1;
    for (int h = v + 1; h != 0; h = hermanos_[Ix(h)]) {
      const std::uint32_t letra = Letra(h);
      if (letra == a) return h;
      if (letra > a) break;
    }
    return -1;
  }

  // Breadth first, so that a node's failure link is known before its children need it.
  void Enlazar() {
    std::vector<int> cola;
    cola.reserve(nodos_.size());
    cola.push_back(0);
    for (size_t i = 0; i < cola.size(); ++i) {
      const int v = cola[i];
      if (nodos_[Ix(v)].hijos == 0) continue;
      const int fallaPadre = nodos_[Ix(v)].falla;
      for (int h = v + 1; h != 0; h = hermanos_[Ix(h)]) {
        const int f = v == 0 ? 0 : Avanzar(fallaPadre, Letra(h));
        const Nodo& fallo = nodos_[Ix(f)];
        nodos_[Ix(h)].falla = f;
        nodos_[Ix(h)].salida = (fallo.marcas & kFinal) ? f : fallo.salida;
        cola.push_back(h);
      }
    }
  }

  int Avanzar(int estado, std::uint32_t a) const {
    for (;;) {
      const int h = Hijo(estado, a);
      if (h >= 0) return h;
      if (estado == 0) return 0;
      estado = nodos_[Ix(estado)].falla;
    }
  }

  // The first node from v along the output links whose name is still to be found; the links
  // passed are shortened so that found names are skipped at once from then on.
  int Vivo(int v) {
    int r = v;
    while (r != 0 && !(nodos_[Ix(r)].marcas & kPorEncontrar)) r = nodos_[Ix(r)].salida;
    while (v != r) {
      const int sig = nodos_[Ix(v)].salida;
      nodos_[Ix(v)].salida = r;
      v = sig;
    }
    return r;
  }

  std::span<const std::u16string_view> nombres_;
  std::uint32_t letras_ = 0;
  std::vector<std::uint32_t> alfabeto_;  // code unit -> letter, 0 for none
  std::vector<Nodo> nodos_;
  std::vector<int> hermanos_;   // next child of the same parent, 0 for none
  std::unique_ptr<int[]> ids_;  // the name a node ends, where it ends one
  std::vector<int> denso_;
};

// Large catalogues are split in two, each half with its own automaton, and the text is searched
// for both halves at once on two threads: a name's first occurrence does not depend on the
// other names, and two smaller automata build and walk in less time than one.
std::vector<qsizetype> BuscarNombres(std::span<const std::u16string_view> nombres,
                                     std::u16string_view texto) {
  constexpr size_t kMinimoParaPartir = 4096;
  if (nombres.size() < kMinimoParaPartir || std::thread::hardware_concurrency() < 2) {
    return Automata(nombres).Buscar(texto);
  }
  const size_t mitad = nombres.size() / 2;
  std::vector<qsizetype> segunda;
  std::exception_ptr falloSegunda;  // out of memory there is thrown here, as with one thread
  std::jthread hilo;
  try {
    hilo = std::jthread([&] {
      try {
        segunda = Automata(nombres.subspan(mitad)).Buscar(texto);
      } catch (...) {
        falloSegunda = std::current_exception();
      }
    });
  } catch (const std::system_error&) {
    return Automata(nombres).Buscar(texto);
  }
  // Should this half throw, the other thread is joined on the way out.
  auto primera = Automata(nombres.first(mitad)).Buscar(texto);
  hilo.join();
  if (falloSegunda) std::rethrow_exception(falloSegunda);
  primera.insert(primera.end(), segunda.begin(), segunda.end());
  return primera;
}

std::u16string_view Vista16(const QString& s) {
  return {reinterpret_cast<const char16_t*>(s.constData()), static_cast<size_t>(s.size())};
}

}  // namespace

std::vector<qsizetype> PrimerasApariciones(const QStringList& nombres, const QString& texto) {
  std::vector<std::u16string_view> vistas;
  vistas.reserve(static_cast<size_t>(nombres.size()));
  for (const QString& nombre : nombres) vistas.push_back(Vista16(nombre));
  // Sorted by their first four code units first, which tells most names apart at once.
  struct Clave {
    std::uint64_t prefijo;
    int k;
  };
  std::vector<Clave> orden(vistas.size());
  for (size_t k = 0; k < orden.size(); ++k) {
    std::uint64_t prefijo = 0;
    for (size_t j = 0; j < 4; ++j) {
      prefijo = (prefijo << 16) | (j < vistas[k].size() ? vistas[k][j] : 0u);
    }
    orden[k] = {prefijo, static_cast<int>(k)};
  }
  std::sort(orden.begin(), orden.end(), [&](const Clave& x, const Clave& y) {
    if (x.prefijo != y.prefijo) return x.prefijo < y.prefijo;
    return vistas[static_cast<size_t>(x.k)] < vistas[static_cast<size_t>(y.k)];
  });

  // Equal names share one entry of the automaton; an empty name occurs where indexOf says.
  std::vector<std::u16string_view> distintos;
  std::vector<int> entrada(vistas.size(), -1);
  for (const auto [prefijo, k] : orden) {
    const auto nombre = vistas[static_cast<size_t>(k)];
    if (nombre.empty()) continue;
    if (distintos.empty() || distintos.back() != nombre) distintos.push_back(nombre);
    entrada[static_cast<size_t>(k)] = static_cast<int>(distintos.size()) - 1;
  }
  const auto halladas = BuscarNombres(distintos, Vista16(texto));
  const qsizetype vacio = texto.indexOf(QString());

  std::vector<qsizetype> resultado(vistas.size());
  for (size_t k = 0; k < resultado.size(); ++k) {
    resultado[k] = entrada[k] < 0 ? vacio : halladas[static_cast<size_t>(entrada[k])];
  }
  return resultado;
}

}  // namespace tiendal
