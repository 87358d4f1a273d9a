#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Plants each fault of tools/fallos-sembrados.txt, one at a time, in a scratch copy of the work
# tree, builds it, runs the test suite and says whether the suite caught the fault.
#   tools/fallos-sembrados.sh [--lista | --aplican] [ID...]
# With IDs, only those faults. --lista prints the faults and ends; --aplican only says whether
# each fault still finds its lines in the work tree (after code has moved), without building.
# The copy lies in $TIENDAL_FALLOS_COPIA (${TMPDIR:-/tmp}/tiendal-fallos by default) and is kept
# between runs, so that the next run builds only what changed. The suite is the one ./test runs,
# under LC_ALL=C and then es_ES.UTF-8, the storm included. The faults stay beside the mutants of
# tools/mutantes.py for what a one-line mutation cannot make: slips over several lines, a rule
# half changed, a wrong but plausible constant.
# Warnings are not errors in the copy: a fault is caught by a test, not by the compiler. A fault
# that does not build at all counts as caught, shown as "no compila", and is better replaced.
# Ends with status 1 when a fault is missed or no longer applies to the code.
set -euo pipefail
if [[ "${1:-}" == -* && "$1" != --lista && "$1" != --aplican ]]; then
  # The comment at the top, without its licence lines.
  awk 'NR == 1 || /SPDX-/ { next } !/^#/ { exit } { sub(/^# ?/, ""); print }' "$0" | sed '1{/^$/d}'
  exit 0
fi
# The faults' reader and planter, and the runner they share with tools/mutantes.py.
exec python3 "$(dirname "$0")/fallos_sembrados.py" "$@"
