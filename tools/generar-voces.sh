#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Gives a data folder its sounds: rewrites the fixed ones (task announcements, digits, "coma",
# "igual", "lista", the error tone and the applause) and speaks the name of every product that
# has a picture but no sound yet. The same input always gives the same files.
#   tools/generar-voces.sh [--todas] [LANG] [CARPETA]
# LANG is the language spoken: es (the default), ca, eu or gl. CARPETA is the folder that holds
# imágenes/: data/ of this repository for es, data/LANG for the others. --todas also rewrites
# the product sounds that already exist. The fixed sounds' names and texts come from the
# program (tiendal-datos --idioma LANG --textos-voces), built first in build/dev, or in dev/ of
# the folder named by TIENDAL_BUILD.
# Voices: espeak-ng's es, ca and eu. Debian has no Galician voice: gl is spoken with the Spain
# Spanish one, the nearest to Galician of espeak-ng's voices as tools/medir-voz-gallega.py
# measures them, with the contractions á and ás written a and as.
# Needs espeak-ng and sox (Debian packages espeak-ng and sox); the program itself does not.
set -euo pipefail

todas=0
idioma=
carpeta=
for arg in "$@"; do
  case "$arg" in
    --todas) todas=1 ;;
    -h | --help)
      # The comment at the top, without its licence lines.
      awk 'NR == 1 || /SPDX-/ { next } !/^#/ { exit } { sub(/^# ?/, ""); print }' "$0"
      exit 0
      ;;
    -*)
      echo "generar-voces: opción desconocida: $arg" >&2
      exit 2
      ;;
    ca | es | eu | gl)
      if [[ -z "$idioma" && -z "$carpeta" ]]; then idioma=$arg; else carpeta=$arg; fi
      ;;
    *)
      if [[ -n "$carpeta" ]]; then
        echo "generar-voces: sobra el argumento $arg" >&2
        exit 2
      fi
      carpeta=$arg
      ;;
  esac
done
idioma=${idioma:-es}
raiz=$(cd "$(dirname "$0")/.." && pwd)
if [[ "$idioma" == es ]]; then
  carpeta=${carpeta:-"$raiz/data"}
else
  carpeta=${carpeta:-"$raiz/data/$idioma"}
fi
# The espeak-ng voice of each language.
case "$idioma" in
  es | ca | eu) voz=$idioma ;;
  gl) voz=es ;;
esac

faltan=()
for programa in espeak-ng sox; do
  command -v "$programa" >/dev/null || faltan+=("$programa")
done
if ((${#faltan[@]})); then
  echo "generar-voces: faltan ${faltan[*]}; instálelos con: sudo apt-get install ${faltan[*]}" >&2
  exit 2
fi
if [[ ! -d "$carpeta/imágenes" ]]; then
  echo "generar-voces: no existe la carpeta $carpeta/imágenes" >&2
  exit 2
fi
if [[ "$idioma" == gl ]]; then
  cat >&2 <<EOF
generar-voces: Debian no trae ninguna voz gallega; el gallego se dice con la voz castellana (es)
de espeak-ng, la más fiel al gallego de las que trae (tools/medir-voz-gallega.py).
Para oír una voz gallega de verdad, grabe cada sonido en un WAV PCM de 16 bits, mono, con el
nombre del que sustituye ($carpeta/Sonidos/queixo.wav, tipo1.wav, 0.wav…) y compruebe la
carpeta con: tiendal-datos $carpeta
Los sonidos de productos que ya existen se quedan como están (salvo con --todas); los fijos se
reescriben cada vez que se ejecuta generar-voces.sh.
EOF
fi

# The fixed sounds, one "file<TAB>text" line each, escapes as printf %b reads them.
construccion="${TIENDAL_BUILD:-$raiz/build}/dev"
if [[ ! -f "$construccion/CMakeCache.txt" ]]; then
  cmake -S "$raiz" -B "$construccion" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$construccion" --target tiendal-datos >/dev/null
textos=$("$construccion/bin/tiendal-datos" --idioma "$idioma" --textos-voces)

sonidos="$carpeta/Sonidos"
mkdir -p "$sonidos"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# All output: 22050 Hz, mono, 16-bit PCM; -D (no dither) and -R (fixed random seed) keep every
# run identical.
formato=(-r 22050 -c 1 -b 16 -e signed-integer)

# Speaks a text with the language's voice, trims the silence around it, leaves a short pause
# before and after, and brings the peak to -1 dB.
hablar() {
  local texto=$1 salida=$2
  if [[ "$idioma" == gl ]]; then texto=$(contracciones "$texto"); fi
  printf '%s' "$texto" | espeak-ng -v "$voz" -s 150 -b 1 -w "$tmp/voz.wav"
  sox -D -R "$tmp/voz.wav" "${formato[@]}" "$salida" \
    silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse \
    pad 0.05 0.15 gain -n -1
  echo "$salida"
}

# Galician for a Spanish voice: the words á and ás (a + a, a + as) written a and as, which that
# voice would otherwise spell out as an accented letter. Twice, for two such words in a row.
contracciones() {
  local t=" $1 "
  for _ in 1 2; do
    t=${t// á / a }
    t=${t// Á / A }
    t=${t// ás / as }
    t=${t// Ás / As }
  done
  printf '%s' "${t:1:${#t}-2}"
}

# Two falling buzzer notes.
tono_error() {
  sox -D -R -n "${formato[@]}" "$tmp/e1.wav" synth 0.14 square 466 fade q 0.005 0.14 0.02
  sox -D -R -n "${formato[@]}" "$tmp/e2.wav" synth 0.30 square 311 fade q 0.005 0.30 0.12
  sox -D -R "$tmp/e1.wav" "$tmp/e2.wav" "${formato[@]}" "$1" lowpass 2200 gain -n -3
  echo "$1"
}

# Reproducible pseudo-random numbers (a linear congruential generator) in $azar, 0..2^31-1.
azar=20240917
siguiente() { azar=$(((azar * 1103515245 + 12345) % 2147483648)); }
entre() { # entre MIN MAX: $azar reduced to MIN..MAX
  siguiente
  valor=$(($1 + azar % ($2 - $1 + 1)))
}
segundos() { printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000)); }

# A crowd of clappers: each claps at its own pace with a little jitter, every clap a short burst
# of band-passed noise; the mix fades in, swells and dies away in a small room.
aplauso() {
  local salida=$1 variantes=12 palmeros=20 duracion_ms=3600
  local v c t intervalo inicio pista
  local duraciones=()
  for ((v = 0; v < variantes; v++)); do
    entre 700 2600
    local centro=$valor
    entre 18 45
    local dur=$valor
    duraciones[v]=$dur
    sox -D -R -n "${formato[@]}" "$tmp/palma$v.wav" synth "$(segundos "$dur")" whitenoise \
      fade p 0.001 "$(segundos "$dur")" "$(segundos $((dur - 2)))" \
      bandpass "$centro" 1.2q gain -n -1
  done
  sox -D -R -n "${formato[@]}" "$tmp/silencio.wav" trim 0 1
  for ((c = 0; c < palmeros; c++)); do
    entre 170 320
    intervalo=$valor
    entre 0 500
    inicio=$valor
    local trozos=()
    sox -D -R -n "${formato[@]}" "$tmp/p${c}_0.wav" trim 0 "$(segundos $((inicio + 1)))"
    trozos+=("$tmp/p${c}_0.wav")
    t=$inicio
    local n=1
    while ((t < duracion_ms - 300)); do
      entre 0 $((variantes - 1))
      v=$valor
      entre -40 40
      local paso=$((intervalo + valor))
      entre 0 8
      local atenuacion=$valor
      local dur_ms=${duraciones[v]}
      sox -D -R "$tmp/palma$v.wav" "${formato[@]}" "$tmp/p${c}_$n.wav" \
        gain "-$atenuacion" pad 0 "$(segundos $((paso > dur_ms ? paso - dur_ms : 1)))"
      trozos+=("$tmp/p${c}_$n.wav")
      t=$((t + paso))
      n=$((n + 1))
    done
    pista="$tmp/pista$c.wav"
    sox -D -R "${trozos[@]}" "$tmp/silencio.wav" "${formato[@]}" "$pista" \
      trim 0 "$(segundos $duracion_ms)"
  done
  sox -D -R -m "$tmp"/pista*.wav "${formato[@]}" "$tmp/mezcla.wav"
  sox -D -R "$tmp/mezcla.wav" "${formato[@]}" "$salida" \
    highpass 250 reverb 25 50 40 fade q 0.25 "$(segundos $duracion_ms)" 1.2 \
    trim 0 "$(segundos $duracion_ms)" gain -n -2
  echo "$salida"
}

# The two that are no speech are made here; every other says its text.
while IFS=$'\t' read -r -u 3 archivo texto; do
  case "$archivo" in
    error.wav) tono_error "$sonidos/$archivo" ;;
    Aplauso.wav) aplauso "$sonidos/$archivo" ;;
    *)
      printf -v texto '%b' "$texto"
      hablar "$texto" "$sonidos/$archivo"
      ;;
  esac
done 3<<<"$textos"

# A product's sound is its picture's name with "wav" for the last three characters.
shopt -s nullglob
for imagen in "$carpeta/imágenes"/*.[jJ][pP][gG]; do
  archivo=$(basename "$imagen")
  sonido="$sonidos/${archivo%???}wav"
  if ((todas)) || [[ ! -e "$sonido" ]]; then
    hablar "${archivo%????}" "$sonido"
  fi
done
