// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_CORE_IDIOMA_H
#define TIENDAL_CORE_IDIOMA_H

#include <QLibraryInfo>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>

namespace tiendal {

// The languages the program speaks, by their ISO 639-1 codes. Spanish is the language of the
// texts in the code; each of the others has a catalogue built into the program.
inline const QStringList kIdiomas = {QStringLiteral("ca"), QStringLiteral("es"),
                                     QStringLiteral("eu"), QStringLiteral("gl")};
inline const QString kEspanol = QStringLiteral("es");

// The language of the desktop session, as gettext reads it: the first language of LANGUAGE (a
// list such as "eu:es") that the program speaks, else the locale of LC_ALL, LC_MESSAGES or LANG
// (the first one set), else Spanish. A region and a variant are passed over: a Valencian
// session (ca_ES.UTF-8@valencia) speaks Catalan.
QString IdiomaDeLaSesion(const QProcessEnvironment& entorno);

// The value of --idioma among the arguments (also as --idioma=xx), or empty. The option is read
// before the rest of the command line, whose messages are already in that language.
QString IdiomaPedido(const QStringList& argumentos);

// The language a run speaks: the one --idioma asks for when the program speaks it, else the
// session's. An --idioma it lacks is left for the command line to refuse.
QString IdiomaElegido(const QStringList& argumentos, const QProcessEnvironment& entorno);

// The catalogues of one language: Qt's own (qtbase_<code>.qm, whose texts include the message
// box's button), read from `carpetaQt`, and the program's own. Spanish has only Qt's. A
// catalogue that cannot be read leaves those texts in Spanish (or in Qt's English) and is named
// in Avisos(); Qt has none for Basque and Galician, whose buttons the program's own supplies.
class Traducciones final {
 public:
  explicit Traducciones(const QString& idioma, const QString& carpetaQt = QLibraryInfo::path(
                                                   QLibraryInfo::TranslationsPath));
  Traducciones(const Traducciones&) = delete;
  Traducciones& operator=(const Traducciones&) = delete;
  ~Traducciones();

  // Installs the catalogues read into the running application, which must exist; again after a
  // new application object is made.
  void Instalar() const;
  void Quitar() const;
  const QString& Idioma() const { return idioma_; }
  const QStringList& Avisos() const { return avisos_; }

 private:
  QString idioma_;
  std::unique_ptr<QTranslator> deQt_;
  std::unique_ptr<QTranslator> propia_;
  QStringList avisos_;
};

}  // namespace tiendal

#endif
