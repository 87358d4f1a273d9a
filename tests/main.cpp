// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "core/idioma.h"
#include "window_base/twips.h"

int main(int argc, char* argv[]) {
  // Headless whatever the caller's environment, test discovery at build time included.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!qEnvironmentVariableIsSet("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
  QApplication aplicacion(argc, argv);
  // The window tables run again with the whole content drawn at another scale (--escala).
  if (qEnvironmentVariableIsSet("TIENDAL_ESCALA")) {
    tiendal::FijarEscala(qEnvironmentVariable("TIENDAL_ESCALA").toDouble());
  }
  // And in each language: the texts the tests look for come from the same catalogues.
  std::unique_ptr<tiendal::Traducciones> traducciones;
  if (qEnvironmentVariableIsSet("TIENDAL_IDIOMA")) {
    traducciones = std::make_unique<tiendal::Traducciones>(qEnvironmentVariable("TIENDAL_IDIOMA"));
    if (!traducciones->Avisos().isEmpty())
      qFatal("%s", qPrintable(traducciones->Avisos().join(u'\n')));
    traducciones->Instalar();
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
