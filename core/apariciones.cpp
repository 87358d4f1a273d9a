// First occurrence of every product name in the prices text, in one pass over the text: an
// Aho-Corasick automaton over the names. Catalogues reach 32767 names, so the automaton is
// kept in flat arrays: names are sorted and deduplicated, the trie is laid out in depth-first
// order, code units are mapped to a small alphabet, and the nodes that branch widely (those
// near the root, where failure links lead) get a dense row of children.
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
      int v = estado;
      if (id_[Ix(v)] < 0 || encontrado_[Ix(v)]) v = Vivo(salida_[Ix(v)]);
      for (; v != 0; v = Vivo(salida_[Ix(v)])) {
        primera[static_cast<size_t>(id_[Ix(v)])] =
            static_cast<qsizetype>(i) - profundidad_[Ix(v)] + 1;
        encontrado_[Ix(v)] = true;
        --pendientes;
      }
    }
    return primera;
  }

 private:
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
    struct Arista {
      int padre;
      std::uint32_t a;
      int hijo;
    };
    size_t total = 1;
    for (const auto nombre : nombres) total += nombre.size();
    std::vector<Arista> aristas;
    aristas.reserve(total);
    profundidad_.reserve(total);
    id_.reserve(total);
    auto nuevo = [&](int profundidad) {
      profundidad_.push_back(profundidad);
      id_.push_back(-1);
      return static_cast<int>(profundidad_.size()) - 1;
    };
    nuevo(0);
    std::vector<int> camino{0};  // the nodes of the previous name
    std::u16string_view anterior;
    for (size_t id = 0; id < nombres.size(); ++id) {
      const auto nombre = nombres[id];
      const size_t tope = std::min(anterior.size(), nombre.size());
      size_t comun = 0;
      while (comun < tope && anterior[comun] == nombre[comun]) ++comun;
      camino.resize(comun + 1);
      for (size_t j = comun; j < nombre.size(); ++j) {
        const int hijo = nuevo(static_cast<int>(j) + 1);
        aristas.push_back({camino.back(), alfabeto_[nombre[j]], hijo});
        camino.push_back(hijo);
      }
      id_[Ix(camino.back())] = static_cast<int>(id);
      anterior = nombre;
    }
    // Edges grouped by parent; the sorted names create each parent's edges in order.
    const size_t n = profundidad_.size();
    inicio_.assign(n + 1, 0);
    for (const Arista& e : aristas) ++inicio_[Ix(e.padre) + 1];
    for (size_t v = 0; v < n; ++v) inicio_[v + 1] += inicio_[v];
    letra_.resize(aristas.size());
    destino_.resize(aristas.size());
    std::vector<int> siguiente(inicio_.begin(), inicio_.end() - 1);
    for (const Arista& e : aristas) {
      const auto pos = Ix(siguiente[Ix(e.padre)]++);
      letra_[pos] = e.a;
      destino_[pos] = e.hijo;
    }
  }

  void CrearFilasDensas() {
    constexpr int kMinimoHijos = 4;
    constexpr size_t kMaximoCeldas = size_t{1} << 22;
    const size_t ancho = size_t{letras_} + 1;
    fila_.assign(profundidad_.size(), -1);
    size_t filas = 0;
    for (size_t v = 0; v < profundidad_.size(); ++v) {
      filas += v == 0 || inicio_[v + 1] - inicio_[v] >= kMinimoHijos;
    }
    denso_.reserve(std::min(filas * ancho, kMaximoCeldas + ancho));
    for (size_t v = 0; v < profundidad_.size(); ++v) {
      const bool ancha = inicio_[v + 1] - inicio_[v] >= kMinimoHijos;
      if (v != 0 && (!ancha || denso_.size() + ancho > kMaximoCeldas)) continue;
      fila_[v] = static_cast<int>(denso_.size() / ancho);
      denso_.resize(denso_.size() + ancho, 0);
      for (int e = inicio_[v]; e < inicio_[v + 1]; ++e) {
        denso_[Ix(fila_[v]) * ancho + letra_[Ix(e)]] = destino_[Ix(e)];
      }
    }
  }

  // The child of v along letter a, or -1.
  int Hijo(int v, std::uint32_t a) const {
    if (const int fila = fila_[Ix(v)]; fila >= 0) {
      const int h = denso_[Ix(fila) * (size_t{letras_} + 1) + a];
      return h ? h : -1;
    }
    const auto desde = letra_.begin() + inicio_[Ix(v)];
    const auto hasta = letra_.begin() + inicio_[Ix(v) + 1];
    const auto it =
        hasta - desde > 8 ? std::lower_bound(desde, hasta, a) : std::find(desde, hasta, a);
    return it != hasta && *it == a ? destino_[Ix(it - letra_.begin())] : -1;
  }

  void Enlazar() {
    const size_t n = profundidad_.size();
    falla_.assign(n, 0);
    salida_.assign(n, 0);
    encontrado_.assign(n, false);
    std::vector<int> cola;
    cola.reserve(n);
    for (int e = inicio_[0]; e < inicio_[1]; ++e) cola.push_back(destino_[Ix(e)]);
    for (size_t i = 0; i < cola.size(); ++i) {
      const int v = cola[i];
      for (int e = inicio_[Ix(v)]; e < inicio_[Ix(v) + 1]; ++e) {
        const int h = destino_[Ix(e)];
        const int f = Avanzar(falla_[Ix(v)], letra_[Ix(e)]);
        falla_[Ix(h)] = f;
        salida_[Ix(h)] = id_[Ix(f)] >= 0 ? f : salida_[Ix(f)];
        cola.push_back(h);
      }
    }
  }

  int Avanzar(int estado, std::uint32_t a) const {
    for (;;) {
      const int h = Hijo(estado, a);
      if (h >= 0) return h;
      if (estado == 0) return 0;
      estado = falla_[Ix(estado)];
    }
  }

  // The first node from v along the output links whose name is still to be found; the links
  // passed are shortened so that found names are skipped at once from then on.
  int Vivo(int v) {
    int r = v;
    while (r != 0 && encontrado_[Ix(r)]) r = salida_[Ix(r)];
    while (v != r) {
      const int sig = salida_[Ix(v)];
      salida_[Ix(v)] = r;
      v = sig;
    }
    return r;
  }

  size_t cuantos_ = 0;
  std::uint32_t letras_ = 0;
  std::vector<std::uint32_t> alfabeto_;  // code unit -> letter, 0 for none
  std::vector<int> profundidad_, id_, inicio_, destino_, fila_, denso_, falla_, salida_;
  std::vector<std::uint32_t> letra_;
  std::vector<bool> encontrado_;
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
