#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running or testing Tiendal needs and that this
# machine lacks. Quiet and quick when everything is already there.
#   tools/dependencias.sh            packages to build and run the program
#   tools/dependencias.sh --tests    also the test, benchmark, fuzzing, validation and packaging
#                                    tools, and the es_ES locale
set -euo pipefail

paquetes=(cmake ninja-build g++ pkg-config qt6-base-dev libsdl2-dev libexif-dev libcsv-dev libgl-dev fonts-liberation)
# The program's catalogues are compiled by Qt's lrelease (qt6-l10n-tools, found by CMake through
# qt6-tools-dev); Qt's own catalogues (qt6-translations-l10n) name its buttons in each language.
paquetes+=(qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
# gettext and po4a build the translated menu entry, AppStream data and manual pages; appstream
# holds the rules by which msgfmt finds the AppStream data's texts.
paquetes+=(gettext po4a appstream)
if [[ "${1:-}" == "--tests" ]]; then
  # ccache: the planted-fault runs rebuild one changed file at a time. gcovr: the coverage of
  # each module, from gcc's counts. libclang-rt-dev: the fuzzers' runtime, for whichever clang
  # the release has. git: reuse lint asks it which files are the project's (without it, the
  # builds under build/ are linted too).
  paquetes+=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-dev clang-format
    locales ccache gcovr git)
  # The menu entry, AppStream data and licences are validated; the Debian package is built and
  # checked (cpack runs dpkg-shlibdeps); the installed program runs on a private X server (its
  # window's class read with xprop), and a screen reader's view of it is walked over the
  # accessibility bus; the icon's PNG sizes are rendered from its SVG.
  paquetes+=(desktop-file-utils reuse lintian dpkg-dev fakeroot file xvfb xauth xdotool
    x11-utils at-spi2-core python3-pyatspi dbus librsvg2-bin)
fi

faltan=()
for p in "${paquetes[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    faltan+=("$p")
  fi
done

como_root=()
if [[ $(id -u) -ne 0 ]]; then como_root=(sudo); fi

if ((${#faltan[@]})); then
  echo "Instalando: ${faltan[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${como_root[@]}" apt-get update -qq
  "${como_root[@]}" apt-get install -y -qq --no-install-recommends "${faltan[@]}" >/dev/null
fi

# The suite runs once more under a Spanish locale, where the C library writes a decimal comma.
if [[ "${1:-}" == "--tests" ]] && ! locale -a 2>/dev/null | grep -qi '^es_ES\.utf-\?8$'; then
  echo "Generando la configuración regional es_ES.UTF-8"
  "${como_root[@]}" localedef -i es_ES -c -f UTF-8 es_ES.UTF-8 || true
fi
