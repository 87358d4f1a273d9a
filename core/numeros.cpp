#include "core/numeros.h"

#include <locale.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace tiendal {
namespace {

bool EsEspacio(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }
bool EsDigito(QChar c) { return c >= u'0' && c <= u'9'; }

// The C library's parser, pinned to the "C" locale whatever the process runs under.
double ConvertirC(const std::string& limpio) {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
  return strtod_l(limpio.c_str(), nullptr, c);
}

}  // namespace

double LeerNumero(QStringView texto) {
  std::string limpio;
  qsizetype i = 0;
  const qsizetype n = texto.size();
  auto saltar = [&] {
    while (i < n && EsEspacio(texto[i])) ++i;
  };
  auto digitos = [&] {
    bool alguno = false;
    for (saltar(); i < n && EsDigito(texto[i]); saltar()) {
      limpio += static_cast<char>(texto[i++].unicode());
      alguno = true;
    }
    return alguno;
  };

  saltar();
  if (i < n && (texto[i] == u'+' || texto[i] == u'-')) {
    limpio += static_cast<char>(texto[i++].unicode());
  }
  bool hayDigitos = digitos();
  saltar();
  if (i < n && texto[i] == u'.') {
    ++i;
    limpio += '.';
    hayDigitos = digitos() || hayDigitos;
  }
  if (!hayDigitos) return 0.0;

  saltar();
  if (i < n && QStringView(u"EeDd").contains(texto[i])) {
    const std::string mantisa = limpio;
    ++i;
    limpio += 'e';
    saltar();
    if (i < n && (texto[i] == u'+' || texto[i] == u'-')) {
      limpio += static_cast<char>(texto[i++].unicode());
    }
    if (!digitos()) limpio = mantisa;  // "2e" reads as 2
  }
  return ConvertirC(limpio);
}

float ASimple(double valor) {
  const auto simple = static_cast<float>(valor);
  return std::isfinite(simple) ? simple : 0.0f;
}

float LeerCifra(QStringView texto) {
  QString cifra = texto.trimmed().toString();
  cifra.replace(u',', u'.');
  return static_cast<float>(LeerNumero(cifra));
}

float RedondearCentesimas(float valor) {
  const float cientos = valor * 100.0f;
  // Far beyond the hundredths, or not a number at all: nothing to round.
  if (!std::isfinite(cientos)) return valor;
  return std::nearbyint(cientos) / 100.0f;
}

QString FormatoPrecio(float valor) {
  if (!std::isfinite(valor)) return QStringLiteral("0");
  // Seven significant digits, as "d.dddddde±x", then laid out without an exponent.
  char buffer[32];
  const auto [fin, error] = std::to_chars(
      buffer, buffer + sizeof buffer, static_cast<double>(valor), std::chars_format::scientific, 6);
  if (error != std::errc()) return QStringLiteral("0");
  const std::string cientifico(buffer, fin);
  const auto e = cientifico.find('e');
  const bool negativo = cientifico[0] == '-';
  std::string digitos;
  for (char c : cientifico.substr(0, e)) {
    if (c >= '0' && c <= '9') digitos += c;
  }
  const int exponente = std::stoi(cientifico.substr(e + 1));

  std::string entera, fraccion;
  if (exponente >= 0) {
    const auto corte = static_cast<size_t>(exponente) + 1;
    if (digitos.size() <= corte) {
      entera = digitos + std::string(corte - digitos.size(), '0');
    } else {
      entera = digitos.substr(0, corte);
      fraccion = digitos.substr(corte);
    }
  } else {
    entera = "0";
    fraccion = std::string(static_cast<size_t>(-exponente - 1), '0') + digitos;
  }
  while (!fraccion.empty() && fraccion.back() == '0') fraccion.pop_back();

  std::string texto = entera;
  if (!fraccion.empty()) texto += ',' + fraccion;
  if (negativo && texto != "0") texto.insert(texto.begin(), '-');
  return QString::fromLatin1(texto.c_str());
}

}  // namespace tiendal
