// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char** argv) {
  // The player's tests consume sound in real time and never reach a sound card.
  qputenv("SDL_AUDIODRIVER", "dummy");
  QCoreApplication aplicacion(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
