// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Under AddressSanitizer every block above 128 KiB is a fresh mmap, unmapped again when freed.
// The name search builds a 256 KiB table for each input, so each input cost dozens of page
// faults and a TLB shootdown: about 4 ms, a hundred inputs a second. Here the last large block
// freed is kept, poisoned so that any use of it while kept is still reported, and handed out
// again to the next request of the same size.
#include <sanitizer/allocator_interface.h>
#include <sanitizer/asan_interface.h>

#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t kGrande = 128 * 1024;

thread_local void* guardado = nullptr;
thread_local std::size_t tamanoGuardado = 0;

}  // namespace

void* operator new(std::size_t tamano) {
  if (tamano > kGrande && guardado != nullptr && tamanoGuardado == tamano) {
    void* bloque = guardado;
    guardado = nullptr;
    ASAN_UNPOISON_MEMORY_REGION(bloque, tamano);
    return bloque;
  }
  void* bloque = std::malloc(tamano == 0 ? 1 : tamano);
  if (bloque == nullptr) throw std::bad_alloc();
  return bloque;
}

void operator delete(void* bloque) noexcept {
  if (bloque == nullptr) return;
  const std::size_t tamano = __sanitizer_get_allocated_size(bloque);
  if (tamano > kGrande && guardado == nullptr) {
    ASAN_POISON_MEMORY_REGION(bloque, tamano);
    guardado = bloque;
    tamanoGuardado = tamano;
    return;
  }
  std::free(bloque);
}

void* operator new(std::size_t tamano, const std::nothrow_t&) noexcept {
  try {
    return operator new(tamano);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t tamano, const std::nothrow_t& sin) noexcept {
  return operator new(tamano, sin);
}
void operator delete(void* bloque, const std::nothrow_t&) noexcept { operator delete(bloque); }
void operator delete[](void* bloque, const std::nothrow_t&) noexcept { operator delete(bloque); }
void operator delete(void* bloque, std::size_t) noexcept { operator delete(bloque); }
void* operator new[](std::size_t tamano) { return operator new(tamano); }
void operator delete[](void* bloque) noexcept { operator delete(bloque); }
void operator delete[](void* bloque, std::size_t) noexcept { operator delete(bloque); }
