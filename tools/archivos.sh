#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# tools/archivos.sh [PATRÓN...]
# The repository's own files, one a line, from its top folder: those that git tracks, or in a
# copy without git's metadata (an unpacked release), every file outside .git and the build
# folders (build/, build-*/ and any folder that holds a CMakeCache.txt). With PATTERNS, only the
# files whose path matches one of them, as git matches them: '*.cpp' at any depth, 'tests/*' the
# whole tree, 'test' the top file alone.
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -- "$@"
  exit 0
fi
find . -mindepth 1 -type d \( -name .git -o -name build -o -name 'build-*' \
  -o -exec test -e '{}/CMakeCache.txt' \; \) -prune -o -type f -print | sed 's|^\./||' | sort |
  while IFS= read -r archivo; do
    (($# == 0)) && { echo "$archivo"; continue; }
    for patron in "$@"; do
      # shellcheck disable=SC2053 # the pattern is a glob on purpose
      if [[ $archivo == $patron ]]; then
        echo "$archivo"
        break
      fi
    done
  done
