// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/memoria_agotada.h"

#include <atomic>
#include <cstdlib>
#include <new>
#include <thread>

namespace {

std::atomic<std::size_t> desde{0};  // 0: nothing to fail
std::atomic<bool> agotada{false};
std::thread::id quienPide;  // written before `desde` is set

}  // namespace

namespace tiendal {

void AgotarMemoriaEnOtroHilo(std::size_t bytes) {
  agotada.store(false);
  quienPide = std::this_thread::get_id();
  desde.store(bytes);
}

bool MemoriaAgotada() { return agotada.load(); }

}  // namespace tiendal

void* operator new(std::size_t bytes) {
  std::size_t umbral = desde.load();
  if (umbral != 0 && bytes >= umbral && std::this_thread::get_id() != quienPide &&
      desde.compare_exchange_strong(umbral, 0)) {
    agotada.store(true);
    throw std::bad_alloc();
  }
  if (void* bloque = std::malloc(bytes == 0 ? 1 : bytes)) return bloque;
  throw std::bad_alloc();
}

// Newer GoogleTest also allocates without exceptions: were that left to the sanitizers' own
// version, what it gives would come back to the free() below, and they would object.
void* operator new(std::size_t bytes, const std::nothrow_t&) noexcept {
  return std::malloc(bytes == 0 ? 1 : bytes);
}

void operator delete(void* bloque) noexcept { std::free(bloque); }
void operator delete(void* bloque, std::size_t) noexcept { std::free(bloque); }
