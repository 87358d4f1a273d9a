// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIENDAL_TESTS_MEMORIA_AGOTADA_H
#define TIENDAL_TESTS_MEMORIA_AGOTADA_H

#include <cstddef>

namespace tiendal {

// The test program's operator new fails once on demand: the next allocation of at least `bytes`
// made by another thread than the caller's throws std::bad_alloc, as when memory runs out on a
// worker.
void AgotarMemoriaEnOtroHilo(std::size_t bytes);
// Whether that allocation has failed since.
bool MemoriaAgotada();

}  // namespace tiendal

#endif
