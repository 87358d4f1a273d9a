#include "core/catalogo.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>
#include <unordered_map>

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
// in one pass over the text.
class Buscador final {
 public:
  explicit Buscador(const QStringList& nombres) {
    nodos_.push_back({});
    for (int id = 0; id < nombres.size(); ++id) Insertar(nombres[id], id);
    Enlazar();
  }

  // First start index of every name (its id), -1 where absent.
  std::vector<qsizetype> Buscar(const QString& texto, int cuantos) {
    std::vector<qsizetype> primera(static_cast<size_t>(cuantos), -1);
    int pendientes = cuantos;
    int estado = 0;
    for (qsizetype i = 0; i < texto.size() && pendientes > 0; ++i) {
      estado = Avanzar(estado, texto[i].unicode());
      int v = estado;
      if (nodos_[v].id < 0 || nodos_[v].encontrado) v = Vivo(nodos_[v].salida);
      for (; v != 0; v = Vivo(nodos_[v].salida)) {
        primera[static_cast<size_t>(nodos_[v].id)] = i - nodos_[v].profundidad + 1;
        nodos_[v].encontrado = true;
        --pendientes;
      }
    }
    return primera;
  }

 private:
  struct Nodo {
    int falla = 0;
    int salida = 0;  // nearest proper suffix that ends a name and is not yet found
    int id = -1;
    int profundidad = 0;
    bool encontrado = false;
  };

  static std::uint64_t Clave(int nodo, char16_t c) {
    return (static_cast<std::uint64_t>(nodo) << 16) | c;
  }

  int Hijo(int nodo, char16_t c) const {
    const auto it = hijos_.find(Clave(nodo, c));
    return it == hijos_.end() ? -1 : it->second;
  }

  void Insertar(const QString& nombre, int id) {
    int v = 0;
    for (const QChar c : nombre) {
      int h = Hijo(v, c.unicode());
      if (h < 0) {
        h = static_cast<int>(nodos_.size());
        nodos_.push_back({});
        nodos_.back().profundidad = nodos_[v].profundidad + 1;
        hijos_.emplace(Clave(v, c.unicode()), h);
        porNodo_.resize(nodos_.size());
        porNodo_[v].push_back(c.unicode());
      }
      v = h;
    }
    nodos_[v].id = id;
  }

  void Enlazar() {
    porNodo_.resize(nodos_.size());
    std::vector<int> cola;
    for (char16_t c : porNodo_[0]) cola.push_back(Hijo(0, c));
    for (size_t i = 0; i < cola.size(); ++i) {
      const int v = cola[i];
      for (char16_t c : porNodo_[v]) {
        const int h = Hijo(v, c);
        int f = nodos_[v].falla;
        while (f != 0 && Hijo(f, c) < 0) f = nodos_[f].falla;
        const int destino = Hijo(f, c);
        nodos_[h].falla = destino >= 0 && destino != h ? destino : 0;
        const int fh = nodos_[h].falla;
        nodos_[h].salida = nodos_[fh].id >= 0 ? fh : nodos_[fh].salida;
        cola.push_back(h);
      }
    }
  }

  int Avanzar(int estado, char16_t c) const {
    for (;;) {
      const int h = Hijo(estado, c);
      if (h >= 0) return h;
      if (estado == 0) return 0;
      estado = nodos_[estado].falla;
    }
  }

  // The first node from v along the output links whose name is still to be found, compressing
  // the links it passes so that found names are skipped in constant time afterwards.
  int Vivo(int v) {
    int r = v;
    while (r != 0 && nodos_[r].encontrado) r = nodos_[r].salida;
    while (v != r) {
      const int siguiente = nodos_[v].salida;
      nodos_[v].salida = r;
      v = siguiente;
    }
    return r;
  }

  std::vector<Nodo> nodos_;
  std::vector<std::vector<char16_t>> porNodo_;
  std::unordered_map<std::uint64_t, int> hijos_;
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
  const auto halladas = buscador.Buscar(texto, static_cast<int>(noVacios.size()));
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
