#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs ./test on a fresh minimal root of a Debian release, as a newcomer on that release would:
#   tools/probar-en-debian.sh RELEASE [MIRROR]     e.g. bookworm, trixie
# The root is made with mmdebstrap (variant minbase, from MIRROR, by default the one this machine
# uses), a clean clone of this work tree's last commit is put in it, and ./test runs there as
# root, installing what it needs with apt-get. The output goes to the terminal and to
# ${TMPDIR:-/tmp}/tiendal-<RELEASE>.log; the exit status is ./test's. Needs root (mmdebstrap,
# chroot and mounts) and the network to the mirror; takes half an hour or so. The mounts live in
# a mount namespace of their own, so they go with it whatever way the run ends; the root itself
# is removed on exit unless TIENDAL_CONSERVAR_RAIZ=1.
set -euo pipefail

if (($# < 1 || $# > 2)) || [[ "$1" == -* ]]; then
  echo "uso: $0 VERSIÓN [RÉPLICA]   (p. ej. bookworm, trixie)" >&2
  exit 2
fi
version=$1
replica=${2:-http://deb.debian.org/debian}
origen=$(cd "$(dirname "$0")/.." && pwd)
if [[ $(id -u) -ne 0 ]]; then
  echo "$0: hace falta ser root (mmdebstrap, chroot y montajes)" >&2
  exit 2
fi
for programa in mmdebstrap unshare git; do
  if ! command -v "$programa" >/dev/null; then
    echo "$0: falta «$programa» (apt-get install mmdebstrap util-linux git)" >&2
    exit 2
  fi
done

raiz=$(mktemp -d "${TMPDIR:-/tmp}/tiendal-$version.XXXXXX")
registro="${TMPDIR:-/tmp}/tiendal-$version.log"
limpiar() {
  if [[ "${TIENDAL_CONSERVAR_RAIZ:-0}" == 1 ]]; then
    echo "== la raíz queda en $raiz"
  else
    rm -rf --one-file-system "$raiz"
  fi
}
trap limpiar EXIT
trap 'exit 130' INT TERM

echo "== raíz mínima de $version en $raiz (desde $replica)"
mmdebstrap --mode=root --variant=minbase --include=ca-certificates "$version" "$raiz" "$replica"

echo "== clon limpio de $(git -C "$origen" rev-parse --short HEAD)"
git clone --quiet --no-hardlinks "$origen" "$raiz/tiendal"
cp /etc/resolv.conf "$raiz/etc/resolv.conf"

echo "== ./test en $version"
inicio=$SECONDS
estado=0
# A private mount namespace: /proc, /sys, /dev and /dev/shm are mounted inside it only, and
# vanish with its last process, on every exit path.
unshare --mount --propagation private --pid --fork -- bash -euc '
  raiz=$1
  mount -t proc proc "$raiz/proc"
  mount --rbind /sys "$raiz/sys"
  mount --rbind /dev "$raiz/dev"
  mount -t tmpfs tmpfs "$raiz/dev/shm"
  mount -t tmpfs tmpfs "$raiz/tmp"
  exec chroot "$raiz" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c "cd /tiendal && ./test"
' _ "$raiz" 2>&1 | tee "$registro" || estado=$?
echo "== $version: ./test terminó con estado $estado en $(((SECONDS - inicio) / 60)) min; salida en $registro"
exit "$estado"
