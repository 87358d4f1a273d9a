// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/idioma.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace tiendal {
namespace {

// The session's language from its variables, "NAME=value" each, as gettext would choose it.
TEST(Idioma, ElDeLaSesion) {
  // clang-format off
  const std::pair<QStringList, const char*> casos[] = {
      {{}, "es"},
      {{"LANG=C.UTF-8"}, "es"},
      {{"LC_ALL=C", "LANGUAGE=gl"}, "gl"},
      {{"LANG=ca_ES.UTF-8@valencia"}, "ca"},
      {{"LANG=eu_ES.UTF-8"}, "eu"},
      {{"LANG=gl_ES.UTF-8", "LC_MESSAGES=ca_AD.UTF-8"}, "ca"},
      {{"LANG=gl_ES.UTF-8", "LC_MESSAGES=ca_AD.UTF-8", "LC_ALL=eu_ES.UTF-8"}, "eu"},
      {{"LANG=fr_FR.UTF-8"}, "es"},
      {{"LANG=fr_FR.UTF-8", "LANGUAGE=fr:en:eu:ca"}, "eu"},
      {{"LANG=gl_ES.UTF-8", "LANGUAGE=fr:en"}, "gl"},
      {{"LANG=cat_ES"}, "es"},
      {{"LANG=es_ES.UTF-8", "LANGUAGE=ca_ES@valencia:es"}, "ca"},
  };
  // clang-format on
  for (const auto& [variables, idioma] : casos) {
    QProcessEnvironment entorno;
    for (const QString& v : variables) entorno.insert(v.section(u'=', 0, 0), v.section(u'=', 1));
    EXPECT_EQ(IdiomaDeLaSesion(entorno), idioma) << variables.join(u' ').toStdString();
  }
  EXPECT_EQ(IdiomaPedido({"tiendal", "--teclado", "--idioma", "eu"}), "eu");
  EXPECT_EQ(IdiomaPedido({"tiendal", "--idioma=gl", "--", "--idioma", "ca"}), "gl");
  EXPECT_EQ(IdiomaPedido({"tiendal", "--idioma"}), "");
  EXPECT_EQ(IdiomaElegido({"tiendal", "--idioma", "fr"}, QProcessEnvironment()), "es");
}

// Each language's catalogues load and name the message box's button in that language; Spanish
// takes Qt's own, which must be there; a missing one leaves Qt's texts and says so.
TEST(Idioma, LosCatalogosDicenElBotonEnSuIdioma) {
  const QString sesion = QStringLiteral("Nombre:");
  for (const QString& idioma : kIdiomas) {
    const Traducciones traducciones(idioma);
    EXPECT_TRUE(traducciones.Avisos().isEmpty()) << traducciones.Avisos().join(u' ').toStdString();
    traducciones.Instalar();
    const QString boton = QCoreApplication::translate("QPlatformTheme", "OK");
    const QString esperado = idioma == u"es"   ? u"Aceptar"_s
                             : idioma == u"ca" ? u"D'acord"_s
                                               : boton;
    EXPECT_EQ(boton, esperado);
    EXPECT_NE(boton, "OK") << idioma.toStdString();
    EXPECT_EQ(QCoreApplication::translate("Sesion", "Nombre:") == sesion, idioma == u"es");
    traducciones.Quitar();
  }
  for (const QString& idioma : {u"es"_s, u"ca"_s}) {
    const Traducciones sinQt(idioma, QStringLiteral("/no/existe"));
    ASSERT_EQ(sinQt.Avisos().size(), 1);
    EXPECT_TRUE(sinQt.Avisos()[0].contains("/no/existe/qtbase_" + idioma + ".qm"));
    sinQt.Instalar();
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), "&Undo");
    EXPECT_EQ(QCoreApplication::translate("Sesion", "Nombre:") == sesion, idioma == u"es");
    sinQt.Quitar();
  }
}

}  // namespace
}  // namespace tiendal
