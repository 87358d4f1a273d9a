#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# tools/paquete.sh [CARPETA]
# Builds the Debian package from a release build in CARPETA (build/paquete by default), with
# Debian's hardening flags, and checks it with lintian. Needs dpkg-dev, fakeroot, file and
# lintian (tools/dependencias.sh --tests).
set -euo pipefail
cd "$(dirname "$0")/.."
carpeta="${1:-build/paquete}"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$carpeta" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTIENDAL_TESTS=OFF \
  -DTIENDAL_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$carpeta" -j "$(nproc)"
(cd "$carpeta" && cpack -G DEB)
lintian --info "$carpeta"/tiendal_*.deb
