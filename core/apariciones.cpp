// First occurrence of every product name in the prices text, in one pass over the text: an
// Aho-Corasick automaton over the names. Catalogues reach 32767 names, so the automaton is
// kept in flat arrays: names are sorted and deduplicated, the trie is laid out in depth-first
// order (the nodes of one name follow each other, as the search walks them), code units are mapped
// to a small alphabet, and the nodes that branch widely (those near the root, where failure links
// lead) get a dense row of children.
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/catalogo.h"

namespace tiendal {
namespace {

class Automata final {
 public:
  // `nombres` sorted, distinct and non-empty.
  explicit Automata(const std::vector<std::u16string_view>& nombres) {
    CrearAlfabeto(nombres);
    CrearTrie(nombres);
    CrearFilasDensas();
    Enlazar();
  }

  // First start index of every name (by its place in the list given), -1 where absent.
  std::vector<qsizetype> Buscar(std::u16string_view texto) {
    std::vector<qsizetype> primera(cuantos_, -1);
    size_t pendientes = cuantos_;
    int estado = 0;
    for (size_t i = 0; i < texto.size() && pendientes > 0; ++i) {
      const std::uint32_t a = alfabeto_[texto[i]];
      if (a == 0) {  // in no name: back to the root
        estado = 0;
        continue;
      }
      estado = Avanzar(estado, a);
      const Nodo& actual = nodos_[Ix(estado)];
      int v = actual.id >= 0 && !actual.encontrado ? estado : Vivo(actual.salida);
      for (; v != 0; v = Vivo(nodos_[Ix(v)].salida)) {
        Nodo& nodo = nodos_[Ix(v)];
        primera[Ix(nodo.id)] = static_cast<qsizetype>(i) - nodo.profundidad + 1;
        nodo.encontrado = true;
        --pendientes;
      }
    }
    return primera;
  }

 private:
  // What the search reads of a node, together: failure and output links are followed to
  // nodes far away in the arrays, and one cache line should bring all of it.
  struct Nodo {
    int inicio = 0, fin = 0;  // its edges, in letra_ and destino_
    int fila = -1;            // its dense row, if any
    int falla = 0;
    int salida = 0;  // nearest proper suffix that ends a name still to be found
    int id = -1;     // the name it ends, if any
    int profundidad = 0;
    bool encontrado = false;
  };

  static size_t Ix(std::ptrdiff_t v) { return static_cast<size_t>(v); }

  void CrearAlfabeto(const std::vector<std::u16string_view>& nombres) {
    alfabeto_.assign(0x10000, 0);
    for (const auto nombre : nombres) {
      for (const char16_t c : nombre) {
        if (alfabeto_[c] == 0) alfabeto_[c] = ++letras_;
      }
    }
  }

  void CrearTrie(const std::vector<std::u16string_view>& nombres) {
    cuantos_ = nombres.size();
    size_t total = 1;
    for (const auto nombre : nombres) total += nombre.size();
    struct Arista {
      int padre;
      std::uint32_t a;
      int hijo;
    };
    std::vector<Arista> aristas;
    aristas.reserve(total);
    nodos_.reserve(total);
    nodos_.emplace_back();
    std::vector<int> camino{0};  // the nodes of the previous name
    std::u16string_view anterior;
    for (size_t id = 0; id < nombres.size(); ++id) {
      const auto nombre = nombres[id];
      const size_t tope = std::min(anterior.size(), nombre.size());
      size_t comun = 0;
      while (comun < tope && anterior[comun] == nombre[comun]) ++comun;
      camino.resize(comun + 1);
      for (size_t j = comun; j < nombre.size(); ++j) {
        const int hijo = static_cast<int>(nodos_.size());
        nodos_.emplace_back().profundidad = static_cast<int>(j) + 1;
        aristas.push_back({camino.back(), alfabeto_[nombre[j]], hijo});
        camino.push_back(hijo);
      }
      nodos_[Ix(camino.back())].id = static_cast<int>(id);
      anterior = nombre;
    }
    // Edges grouped by parent; the sorted names create each parent's edges in order.
    for (const Arista& e : aristas) ++nodos_[Ix(e.padre)].fin;
    int desde = 0;
    for (Nodo& nodo : nodos_) {
      nodo.inicio = desde;
      desde += nodo.fin;
      nodo.fin = nodo.inicio;
    }
    letra_.resize(aristas.size());
    destino_.resize(aristas.size());
    for (const Arista& e : aristas) {
      const auto pos = Ix(nodos_[Ix(e.padre)].fin++);
      letra_[pos] = e.a;
      destino_[pos] = e.hijo;
    }
  }

  void CrearFilasDensas() {
    constexpr int kMinimoHijos = 4;
    constexpr size_t kMaximoCeldas = size_t{1} << 22;
    const size_t ancho = size_t{letras_} + 1;
    for (size_t v = 0; v < nodos_.size(); ++v) {
      Nodo& nodo = nodos_[v];
      const bool ancha = nodo.fin - nodo.inicio >= kMinimoHijos;
      if (v != 0 && (!ancha || denso_.size() + ancho > kMaximoCeldas)) continue;
      nodo.fila = static_cast<int>(denso_.size() / ancho);
      denso_.resize(denso_.size() + ancho, 0);
      for (int e = nodo.inicio; e < nodo.fin; ++e) {
        denso_[Ix(nodo.fila) * ancho + letra_[Ix(e)]] = destino_[Ix(e)];
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
    const auto desde = letra_.begin() + nodo.inicio;
    const auto hasta = letra_.begin() + nodo.fin;
    const auto it =
        hasta - desde > 8 ? std::lower_bound(desde, hasta, a) : std::find(desde, hasta, a);
    return it != hasta && *it == a ? destino_[Ix(it - letra_.begin())] : -1;
  }

  // Breadth first, so that a node's failure link is known before its children need it.
  void Enlazar() {
    std::vector<int> cola;
    cola.reserve(nodos_.size());
    cola.push_back(0);
    for (size_t i = 0; i < cola.size(); ++i) {
      const int v = cola[i];
      const Nodo padre = nodos_[Ix(v)];
      for (int e = padre.inicio; e < padre.fin; ++e) {
        const int h = destino_[Ix(e)];
        const int f = v == 0 ? 0 : Avanzar(padre.falla, letra_[Ix(e)]);
        const Nodo& fallo = nodos_[Ix(f)];
        nodos_[Ix(h)].falla = f;
        nodos_[Ix(h)].salida = fallo.id >= 0 ? f : fallo.salida;
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
    while (r != 0 && nodos_[Ix(r)].encontrado) r = nodos_[Ix(r)].salida;
    while (v != r) {
      const int sig = nodos_[Ix(v)].salida;
      nodos_[Ix(v)].salida = r;
      v = sig;
    }
    return r;
  }

  size_t cuantos_ = 0;
  std::uint32_t letras_ = 0;
  std::vector<std::uint32_t> alfabeto_;  // code unit -> letter, 0 for none
  std::vector<Nodo> nodos_;              // depth-first: a name's nodes lie one after another
  std::vector<std::uint32_t> letra_;
  std::vector<int> destino_, denso_;
};

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
  const auto halladas = Automata(distintos).Buscar(Vista16(texto));
  const qsizetype vacio = texto.indexOf(QString());

  std::vector<qsizetype> resultado(vistas.size());
  for (size_t k = 0; k < resultado.size(); ++k) {
    resultado[k] = entrada[k] < 0 ? vacio : halladas[static_cast<size_t>(entrada[k])];
  }
  return resultado;
}

}  // namespace tiendal
