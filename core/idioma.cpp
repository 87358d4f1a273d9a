// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/idioma.h"

#include <QCoreApplication>

namespace tiendal {
namespace {

// "ca_ES.UTF-8@valencia" → "ca"; empty when the program does not speak it (C and POSIX too).
QString CodigoDe(QStringView locale) {
  const QString codigo = locale.first(std::min(locale.size(), qsizetype{2})).toString();
  const bool soloCodigo = locale.size() == 2 || (locale.size() > 2 && !locale[2].isLetter());
  return soloCodigo && kIdiomas.contains(codigo) ? codigo : QString();
}

}  // namespace

QString IdiomaDeLaSesion(const QProcessEnvironment& entorno) {
  const QString lista = entorno.value(QStringLiteral("LANGUAGE"));
  for (const QStringView idioma : QStringView(lista).split(u':')) {
    if (const QString codigo = CodigoDe(idioma); !codigo.isEmpty()) return codigo;
  }
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QString locale = entorno.value(QLatin1String(variable));
    if (locale.isEmpty()) continue;
    const QString codigo = CodigoDe(locale);
    return codigo.isEmpty() ? kEspanol : codigo;
  }
  return kEspanol;
}

QString IdiomaPedido(const QStringList& argumentos) {
  const QString opcion = QStringLiteral("--idioma");
  QString pedido;
  for (qsizetype i = 1; i < argumentos.size(); ++i) {
    const QString& argumento = argumentos[i];
    if (argumento == QLatin1String("--")) break;
    if (argumento == opcion && i + 1 < argumentos.size()) {
      pedido = argumentos[++i];
    } else if (argumento.startsWith(opcion + u'=')) {
      pedido = argumento.sliced(opcion.size() + 1);
    }
  }
  return pedido;
}

QString IdiomaElegido(const QStringList& argumentos, const QProcessEnvironment& entorno) {
  const QString pedido = IdiomaPedido(argumentos);
  return kIdiomas.contains(pedido) ? pedido : IdiomaDeLaSesion(entorno);
}

Traducciones::Traducciones(const QString& idioma, const QString& carpetaQt)
    : idioma_(idioma),
      deQt_(std::make_unique<QTranslator>()),
      propia_(std::make_unique<QTranslator>()) {
  // Of these languages Qt has catalogues for Spanish and Catalan only: only theirs is missed.
  const QString qtbase = QStringLiteral("%1/qtbase_%2.qm").arg(carpetaQt, idioma);
  if (!deQt_->load(qtbase) && (idioma == kEspanol || idioma == QLatin1String("ca"))) {
    avisos_.append(QCoreApplication::translate("Idioma",
                                               "Tiendal: no se puede leer el catálogo «%1»; los "
                                               "botones de Qt quedan en inglés.")
                       .arg(qtbase));
  }
  if (idioma == kEspanol) return;
  const QString propio = QStringLiteral(":/traducciones/tiendal_%1.qm").arg(idioma);
  if (!propia_->load(propio)) {
    avisos_.append(
        QCoreApplication::translate("Idioma",
                                    "Tiendal: no se puede leer el catálogo «%1»; los textos "
                                    "quedan en español.")
            .arg(propio));
  }
}

Traducciones::~Traducciones() { Quitar(); }

void Traducciones::Instalar() const {
  if (!deQt_->isEmpty()) QCoreApplication::installTranslator(deQt_.get());
  if (!propia_->isEmpty()) QCoreApplication::installTranslator(propia_.get());
}

void Traducciones::Quitar() const {
  if (QCoreApplication::instance() == nullptr) return;
  QCoreApplication::removeTranslator(propia_.get());
  QCoreApplication::removeTranslator(deQt_.get());
}

}  // namespace tiendal
