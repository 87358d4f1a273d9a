// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numeros.h"

#include <locale.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
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

// The number at the start of the text, written out plainly ("-12.5e3") for strtod.
std::string Limpiar(QStringView texto) {
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
  if (!hayDigitos) return {};

  saltar();
  if (i < n && QStringView(u"EeDd").contains(texto[i])) {
    const size_t mantisa = limpio.size();
    ++i;
    limpio += 'e';
    saltar();
    if (i < n && (texto[i] == u'+' || texto[i] == u'-')) {
      limpio += static_cast<char>(texto[i++].unicode());
    }
    if (!digitos()) limpio.resize(mantisa);  // "2e" reads as 2
  }
  return limpio;
}

// The common case, "12.5" and the like: at most 15 digits and no exponent are exact as
// whole / 10^decimals, and that one correctly rounded division is what strtod gives.
std::optional<double> LeerSencillo(QStringView texto) {
  static constexpr double kPotencias[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  qsizetype i = 0;
  const qsizetype n = texto.size();
  const bool negativo = i < n && texto[i] == u'-';
  if (i < n && (texto[i] == u'+' || texto[i] == u'-')) ++i;
  std::uint64_t entero = 0;
  int cifras = 0, decimales = 0;
  bool punto = false;
  for (; i < n; ++i) {
    const QChar c = texto[i];
    if (EsDigito(c)) {
      entero = entero * 10 + (c.unicode() - u'0');
      ++cifras;
      if (punto) ++decimales;
    } else if (c == u'.' && !punto) {
      punto = true;
    } else {
      break;
    }
  }
  if (cifras == 0 || cifras > 15) return std::nullopt;
  if (i < n) {
    const QChar c = texto[i];
    if (EsEspacio(c) || c == u'.' || QStringView(u"EeDd").contains(c)) return std::nullopt;
  }
  const double valor = static_cast<double>(entero) / kPotencias[decimales];
  return negativo ? -valor : valor;
}

}  // namespace

double LeerNumero(QStringView texto) {
  if (const auto sencillo = LeerSencillo(texto)) return *sencillo;
  const std::string limpio = Limpiar(texto);
  return limpio.empty() ? 0.0 : ConvertirC(limpio);
}

bool EmpiezaPorNumero(QStringView texto) { return !Limpiar(texto).empty(); }

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
