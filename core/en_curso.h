// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_CORE_EN_CURSO_H
#define TIENDAL_CORE_EN_CURSO_H

namespace tiendal {

// Counts a scope in progress (a wait, a handler) for as long as it lasts.
class EnCurso final {
 public:
  explicit EnCurso(int& contador) : contador_(contador) { ++contador_; }
  ~EnCurso() { --contador_; }
  EnCurso(const EnCurso&) = delete;
  EnCurso& operator=(const EnCurso&) = delete;

 private:
  int& contador_;
};

}  // namespace tiendal

#endif
