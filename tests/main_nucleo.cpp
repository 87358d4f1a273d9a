// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main of the tests that need no window: the core's and the player's. QCoreApplication takes
// the locale from the environment, so that ./test's run under es_ES.UTF-8 (where the C library
// writes and reads a decimal comma) checks every number the core reads and writes there too.
#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char** argv) {
  // The player's tests consume sound in real time and never reach a sound card.
  qputenv("SDL_AUDIODRIVER", "dummy");
  QCoreApplication aplicacion(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
