// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_CORE_TRASPASO_HILOS_H
#define TIENDAL_CORE_TRASPASO_HILOS_H

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#endif

namespace tiendal {

// Something handed to another thread under a lock that ThreadSanitizer cannot see (one inside an
// uninstrumented Qt): the giver calls TraspasoHecho before handing it over and the taker
// TraspasoRecibido once it has it, both with the same address, so that what the giver wrote
// before is seen as made before what the taker reads after. Nothing at all outside that build.
#if defined(__SANITIZE_THREAD__)
inline void TraspasoHecho(void* direccion) { __tsan_release(direccion); }
inline void TraspasoRecibido(void* direccion) { __tsan_acquire(direccion); }
#else
inline void TraspasoHecho(void*) {}
inline void TraspasoRecibido(void*) {}
#endif

}  // namespace tiendal

#endif
