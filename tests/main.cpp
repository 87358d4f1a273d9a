// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>

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
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
