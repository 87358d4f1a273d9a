#include "core/catalogo.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "core/numeros.h"

namespace tiendal {

QStringList ListarImagenes(const QString& carpetaImagenes) {
  // Name filters are case-insensitive by default, so cameras' ".JPG" counts too.
  return QDir(carpetaImagenes)
      .entryList({QStringLiteral("*.jpg")}, QDir::Files | QDir::Readable, QDir::Unsorted);
}

QString NombreProducto(const QString& imagen) { return imagen.chopped(4); }

namespace {

QString Decodificar(const QByteArray& bytes) {
  const bool conBom = bytes.startsWith("\xEF\xBB\xBF");
  const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (!ascii || conBom) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString texto = utf8(bytes);
    if (conBom || !utf8.hasError()) return texto;
  }
  QStringDecoder windows1252("windows-1252");
  if (!windows1252.isValid()) return QString::fromLatin1(bytes);
  return windows1252(bytes);
}

}  // namespace

QString UnirLineasPrecios(const QByteArray& bytes) {
  const QString texto = Decodificar(bytes);
  QString unido;
  unido.reserve(texto.size() + texto.size() / 8 + 2);
  qsizetype inicio = 0;
  const qsizetype n = texto.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = texto[i];
    if (c != u'\r' && c != u'\n') continue;
    unido += QStringView(texto).sliced(inicio, i - inicio);
    unido += QStringLiteral("\r\n");
    if (c == u'\r' && i + 1 < n && texto[i + 1] == u'\n') ++i;
    inicio = i + 1;
  }
  if (inicio < n) {
    unido += QStringView(texto).sliced(inicio);
    unido += QStringLiteral("\r\n");
  }
  return unido;
}

std::optional<QString> LeerTextoPrecios(const QString& ruta) {
  QFile archivo(ruta);
  if (!archivo.open(QIODevice::ReadOnly)) return std::nullopt;
  return UnirLineasPrecios(archivo.readAll());
}

namespace {

// Aho-Corasick automaton over UTF-16 code units that finds the first occurrence of every name
// in one pass over the text. The trie is built from the sorted names and kept in flat arrays:
// the root's children in a table indexed by code unit, every other node's children as a short
// sorted run of edges.
class Buscador final {
 public:
  explicit Buscador(QStringList nombres) : raiz_(0x10000, 0) {
    std::vector<int> ids(static_cast<size_t>(nombres.size()));
    for (size_t i = 0; i < ids.size(); ++i) ids[i] = static_cast<int>(i);
    std::sort(ids.begin(), ids.end(), [&](int x, int y) { return nombres[x] < nombres[y]; });
    ConstruirTrie(nombres, ids);
    Enlazar();
  }

  // First start index of every name (by its position in the list given), -1 where absent.
  std::vector<qsizetype> Buscar(const QString& texto) {
    std::vector<qsizetype> primera(static_cast<size_t>(cuantos_), -1);
    int pendientes = cuantos_;
    int estado = 0;
    const char16_t* datos = reinterpret_cast<const char16_t*>(texto.constData());
    for (qsizetype i = 0; i < texto.size() && pendientes > 0; ++i) {
      estado = Avanzar(estado, datos[i]);
      int v = estado;
      if (id_[v] < 0 || encontrado_[v]) v = Vivo(salida_[v]);
      for (; v != 0; v = Vivo(salida_[v])) {
        primera[static_cast<size_t>(id_[v])] = i - profundidad_[v] + 1;
        encontrado_[v] = true;
        --pendientes;
      }
    }
    return primera;
  }

 private:
  int NuevoNodo(int profundidad) {
    profundidad_.push_back(profundidad);
    id_.push_back(-1);
    return static_cast<int>(profundidad_.size()) - 1;
  }

  void ConstruirTrie(const QStringList& nombres, const std::vector<int>& orden) {
    cuantos_ = static_cast<int>(nombres.size());
    NuevoNodo(0);
    struct Arista {
      int padre;
      char16_t c;
      int hijo;
    };
    std::vector<Arista> aristas;
    std::vector<int> camino{0};  // nodes along the previous name
    const QString* anterior = nullptr;
    for (int id : orden) {
      const QString& nombre = nombres[id];
      qsizetype comun = 0;
      if (anterior) {
        const qsizetype tope = std::min(anterior->size(), nombre.size());
        while (comun < tope && (*anterior)[comun] == nombre[comun]) ++comun;
      }
      camino.resize(static_cast<size_t>(comun) + 1);
      for (qsizetype j = comun; j < nombre.size(); ++j) {
        const int hijo = NuevoNodo(static_cast<int>(j) + 1);
        aristas.push_back({camino.back(), nombre[j].unicode(), hijo});
        camino.push_back(hijo);
      }
      id_[static_cast<size_t>(camino.back())] = id;
      anterior = &nombre;
    }
    // Edges grouped by parent; sorted names create each parent's edges in code-unit order.
    const size_t n = profundidad_.size();
    inicio_.assign(n + 1, 0);
    for (const Arista& a : aristas) ++inicio_[static_cast<size_t>(a.padre) + 1];
    for (size_t v = 0; v < n; ++v) inicio_[v + 1] += inicio_[v];
    letra_.resize(aristas.size());
    destino_.resize(aristas.size());
    std::vector<int> siguiente(inicio_.begin(), inicio_.end() - 1);
    for (const Arista& a : aristas) {
      const int pos = siguiente[static_cast<size_t>(a.padre)]++;
      letra_[static_cast<size_t>(pos)] = a.c;
      destino_[static_cast<size_t>(pos)] = a.hijo;
      if (a.padre == 0) raiz_[a.c] = a.hijo;
    }
  }

  int Hijo(int v, char16_t c) const {
    if (v == 0) return raiz_[c] ? raiz_[c] : -1;
    for (int e = inicio_[static_cast<size_t>(v)]; e < inicio_[static_cast<size_t>(v) + 1]; ++e) {
      if (letra_[static_cast<size_t>(e)] == c) return destino_[static_cast<size_t>(e)];
    }
    return -1;
  }

  void Enlazar() {
    const size_t n = profundidad_.size();
    falla_.assign(n, 0);
    salida_.assign(n, 0);
    encontrado_.assign(n, false);
    std::vector<int> cola;
    cola.reserve(n);
    for (int e = inicio_[0]; e < inicio_[1]; ++e) cola.push_back(destino_[static_cast<size_t>(e)]);
    for (size_t i = 0; i < cola.size(); ++i) {
      const int v = cola[i];
      for (int e = inicio_[static_cast<size_t>(v)]; e < inicio_[static_cast<size_t>(v) + 1]; ++e) {
        const char16_t c = letra_[static_cast<size_t>(e)];
        const int h = destino_[static_cast<size_t>(e)];
        int f = falla_[static_cast<size_t>(v)];
        while (f != 0 && Hijo(f, c) < 0) f = falla_[static_cast<size_t>(f)];
        const int d = Hijo(f, c);
        const int fh = d >= 0 ? d : 0;
        falla_[static_cast<size_t>(h)] = fh;
        salida_[static_cast<size_t>(h)] =
            id_[static_cast<size_t>(fh)] >= 0 ? fh : salida_[static_cast<size_t>(fh)];
        cola.push_back(h);
      }
    }
  }

  int Avanzar(int estado, char16_t c) const {
    for (;;) {
      const int h = Hijo(estado, c);
      if (h >= 0) return h;
      if (estado == 0) return 0;
      estado = falla_[static_cast<size_t>(estado)];
    }
  }

  // The first node from v along the output links whose name is still to be found, compressing
  // the links it passes so that found names are skipped in constant time afterwards.
  int Vivo(int v) {
    int r = v;
    while (r != 0 && encontrado_[static_cast<size_t>(r)]) r = salida_[static_cast<size_t>(r)];
    while (v != r) {
      const int sig = salida_[static_cast<size_t>(v)];
      salida_[static_cast<size_t>(v)] = r;
      v = sig;
    }
    return r;
  }

  int cuantos_ = 0;
  std::vector<int> raiz_;
  std::vector<int> inicio_, destino_, falla_, salida_, id_, profundidad_;
  std::vector<char16_t> letra_;
  std::vector<bool> encontrado_;
};

}  // namespace

std::vector<qsizetype> PrimerasApariciones(const QStringList& nombres, const QString& texto) {
  QHash<QString, int> ids;
  QStringList distintos;
  std::vector<int> idDe(static_cast<size_t>(nombres.size()));
  for (qsizetype k = 0; k < nombres.size(); ++k) {
    auto it = ids.find(nombres[k]);
    if (it == ids.end()) {
      it = ids.insert(nombres[k], static_cast<int>(distintos.size()));
      distintos.append(nombres[k]);
    }
    idDe[static_cast<size_t>(k)] = it.value();
  }

  // The trie holds the non-empty names; an empty name occurs where indexOf says it does.
  QStringList noVacios;
  std::vector<int> mapa;
  for (int id = 0; id < distintos.size(); ++id) {
    if (!distintos[id].isEmpty()) {
      noVacios.append(distintos[id]);
      mapa.push_back(id);
    }
  }
  Buscador buscador(noVacios);
  const auto halladas = buscador.Buscar(texto);
  std::vector<qsizetype> porId(static_cast<size_t>(distintos.size()), -1);
  for (size_t j = 0; j < mapa.size(); ++j) porId[static_cast<size_t>(mapa[j])] = halladas[j];
  if (const auto vacio = ids.find(QString()); vacio != ids.end()) {
    porId[static_cast<size_t>(vacio.value())] = texto.indexOf(QString());
  }

  std::vector<qsizetype> resultado(static_cast<size_t>(nombres.size()));
  for (size_t k = 0; k < resultado.size(); ++k) resultado[k] = porId[static_cast<size_t>(idDe[k])];
  return resultado;
}

std::vector<float> PreciosDe(const QStringList& productos, const QString& texto,
                             bool valoresEnteros) {
  std::vector<qsizetype> barras;
  for (qsizetype i = texto.indexOf(u'|'); i >= 0; i = texto.indexOf(u'|', i + 1)) {
    barras.push_back(i);
  }
  const auto apariciones = PrimerasApariciones(productos, texto);
  std::unordered_map<qsizetype, float> leidos;  // by the start of the price text

  std::vector<float> precios;
  precios.reserve(apariciones.size());
  for (const qsizetype aparicion : apariciones) {
    // The "|" is looked for from the character after the name's first one.
    const qsizetype desde = aparicion < 0 ? 0 : aparicion + 1;
    const auto barra = std::lower_bound(barras.begin(), barras.end(), desde);
    const qsizetype inicio = barra == barras.end() ? 0 : *barra + 1;
    auto it = leidos.find(inicio);
    if (it == leidos.end()) {
      it = leidos.emplace(inicio, ASimple(LeerNumero(QStringView(texto).sliced(inicio)))).first;
    }
    float precio = it->second;
    if (valoresEnteros) {
      precio = std::floor(precio);
      if (precio == 0.0f) precio = 1.0f;
    }
    precios.push_back(precio);
  }
  return precios;
}

}  // namespace tiendal
