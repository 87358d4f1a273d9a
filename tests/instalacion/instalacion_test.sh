#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# instalacion_test.sh BUILD VERSION
# Installs the build into a temporary DESTDIR and runs the installed tiendal with an empty home
# folder and nothing beside the executable: it finds the installed data and opens its window; a
# switch of an option writes Tiendal.ini, byte for byte, in the user's configuration folder and
# nothing under the install tree; a teacher's --datos folder wins over the installed data and
# keeps its own Tiendal.ini; --help and --version end with 0 and a bad command line with 2 and
# its name, with no window system; the menu entry names the window's class, and its results
# action, run as the menu runs it, opens the teacher's window on the user's record without
# changing it. The windows run on a private Xvfb and are driven with xdotool.
set -euo pipefail
build=$1
version=$2

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fallos=0
falla() { echo "FALLO: $*" >&2; fallos=$((fallos + 1)); }

raiz=$tmp/raiz
DESTDIR=$raiz cmake --install "$build" --prefix /usr >/dev/null
tiendal=$raiz/usr/bin/tiendal
datos=$raiz/usr/bin/tiendal-datos
listado() { (cd "$raiz" && find . -printf '%p %s %T@ %m\n' | LC_ALL=C sort); }
antes=$(listado)

[[ "$(ls "$raiz/usr/bin")" == $'tiendal\ntiendal-datos' ]] || falla "bin/ tiene: $(ls "$raiz/usr/bin")"
for f in share/tiendal/precios.txt share/tiendal/imágenes share/tiendal/Sonidos/tipo1.wav \
  share/applications/es.tiendal.Tiendal.desktop share/metainfo/es.tiendal.Tiendal.metainfo.xml \
  share/icons/hicolor/scalable/apps/es.tiendal.Tiendal.svg \
  share/icons/hicolor/48x48/apps/es.tiendal.Tiendal.png \
  share/man/man1/tiendal.1.gz share/man/man1/tiendal-datos.1.gz share/doc/tiendal/copyright \
  share/tiendal/{ca,eu,gl}/precios.txt share/tiendal/{ca,eu,gl}/Sonidos/tipo1.wav \
  share/man/{es,ca,eu,gl}/man1/tiendal.1.gz share/man/{es,ca,eu,gl}/man1/tiendal-datos.1.gz; do
  [[ -e "$raiz/usr/$f" ]] || falla "no se instaló usr/$f"
done
if find "$raiz" -name 'pruebas_*' -o -name '*_bench' | grep -q .; then falla "se instalaron pruebas"; fi

export HOME=$tmp/casa
mkdir "$HOME"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CONFIG_DIRS
export SDL_AUDIODRIVER=dummy
export QT_QPA_PLATFORM=offscreen

# The command line, with no window system at all: every answer comes before one is asked for,
# and Qt's own options are left to Qt.
# A program that opens a window after all is stopped after 10 s and fails its check.
sin_pantalla() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$@"; }
[[ "$(sin_pantalla "$tiendal" --help)" == *'--datos CARPETA'* ]] || falla "--help"
[[ "$(sin_pantalla "$tiendal" --version)" == "tiendal $version" ]] || falla "--version"
[[ "$(sin_pantalla "$tiendal" -platform offscreen --style fusion --version)" == "tiendal $version" ]] ||
  falla "--version tras las opciones de Qt"
"$datos" --help | grep -q 'tiendal-datos \[--idioma IDIOMA\] CARPETA' || falla "tiendal-datos --help"
[[ "$("$datos" --version)" == "tiendal-datos $version" ]] || falla "tiendal-datos --version"
"$datos" "$raiz/usr/share/tiendal" >/dev/null || falla "tiendal-datos avisa sobre los datos instalados"
[[ "$("$datos" --textos-voces | head -n 1)" == $'tipo1.wav\tElige tres productos'* ]] ||
  falla "tiendal-datos --textos-voces"
[[ "$("$datos" --textos-voces | cut -f 1 | paste -sd ' ')" == "tipo1.wav tipo2.wav tipo3.wav \
tipo4.wav tipo5.wav lista.wav 0.wav 1.wav 2.wav 3.wav 4.wav 5.wav 6.wav 7.wav 8.wav 9.wav coma.wav \
igual.wav error.wav Aplauso.wav" ]] || falla "tiendal-datos --textos-voces: los sonidos fijos"
# A bad command line ends with status 2 and names what is wrong in one line: mal WHAT ARGUMENTS...
mal() {
  local nombra=$1 estado=0 mensaje
  shift
  mensaje=$(sin_pantalla "$tiendal" "$@" 2>&1) || estado=$?
  [[ $estado == 2 && "$mensaje" == *"$nombra"* && "$mensaje" != *$'\n'* ]] ||
    falla "$*: $estado «$mensaje»"
}
mal "«$tmp/No existe»" --datos "$tmp/No existe"
mal "«--ninguna»" --ninguna
mal "«-x»" -platform offscreen -x
mal "«--teclado» no lleva valor" --teclado=1
mal "falta la carpeta tras «--datos»" --datos
mal "de más «sobra»" sobra
mal "de más «--teclado»" --teclado -- --teclado
mal "«--version» no lleva valor" --version=1
mal "datos «»" --datos=
touch "$tmp/archivo"
mal "«$tmp/archivo»" --datos "$tmp/archivo"
mal "carpeta del registro «$tmp/No existe»" --registro "$tmp/No existe"
mal "carpeta del registro «$tmp/archivo»" --registro "$tmp/archivo"
mal "«--registro» y «--sin-registro»" --registro "$tmp" --sin-registro
mal "la escala «5» no es un número de 1 a 4" --escala 5
mal "la escala «0,5» no es un número de 1 a 4" --escala 0,5
mal "la escala «dos» no es un número de 1 a 4" --escala=dos
mal "falta el factor tras «--escala»" --escala
mal "«fr»" --idioma fr
mal "falta el idioma tras «--idioma»" --idioma
# tiendal-datos takes one folder, or --textos-voces alone.
for forma in "" "uno dos" "--textos-voces uno" "--ninguna"; do
  estado=0
  # shellcheck disable=SC2086 # each form is split into its words on purpose
  mensaje=$("$datos" $forma 2>&1) || estado=$?
  [[ $estado == 2 && "$mensaje" == *"uso: tiendal-datos CARPETA | --textos-voces" ]] ||
    falla "tiendal-datos $forma: $estado «$mensaje»"
done
# Copied alone, with no data beside it nor installed above it: its message box names both
# places, and so does its line on standard error (the box waits for OK; the line comes first).
mkdir -p "$tmp/solo/bin"
cp "$tiendal" "$tmp/solo/bin/"
mensaje=$(QT_QPA_PLATFORM=offscreen timeout 10 "$tmp/solo/bin/tiendal" 2>&1 >/dev/null |
  grep '^Tiendal: ') || true
[[ "$mensaje" == "Tiendal: No se encuentran los datos"*"«$tmp/solo/bin/imágenes»"*"«$tmp/solo/share/tiendal»"* ]] ||
  falla "sin datos: «$mensaje»"
# A --datos folder that the pupil's account may not open (root opens everything, so the two
# programs run as nobody then): the start stops naming the pictures' folder as unreadable, not
# missing, and tiendal-datos says the same (status 2).
mkdir -p "$tmp/cerrada/imágenes"
chmod 000 "$tmp/cerrada"
alumno=()
if [[ $(id -u) -eq 0 ]]; then
  chmod 755 "$tmp"
  alumno=(setpriv --reuid=nobody --regid=nogroup --clear-groups -- env HOME=/nonexistent)
fi
ilegible="No se puede leer la carpeta de imágenes «$tmp/cerrada/imágenes»."
mensaje=$("${alumno[@]}" timeout 5 "$tiendal" --datos "$tmp/cerrada" 2>&1 >/dev/null |
  grep '^Tiendal: ') || true
[[ "$mensaje" == "Tiendal: $ilegible" ]] || falla "--datos que no se puede leer: «$mensaje»"
estado=0
mensaje=$("${alumno[@]}" "$datos" "$tmp/cerrada" 2>&1) || estado=$?
[[ $estado == 2 && "$mensaje" == *"$ilegible"* ]] ||
  falla "tiendal-datos en una carpeta que no se puede leer: $estado «$mensaje»"
chmod 755 "$tmp/cerrada"
# A file where the pictures' folder should be is no folder: missing.
mkdir -p "$tmp/sin-carpeta"
touch "$tmp/sin-carpeta/imágenes"
estado=0
mensaje=$("$datos" "$tmp/sin-carpeta" 2>&1) || estado=$?
[[ $estado == 2 && "$mensaje" == *"No se encuentra la carpeta de imágenes «$tmp/sin-carpeta/imágenes»."* ]] ||
  falla "tiendal-datos con un archivo por carpeta de imágenes: $estado «$mensaje»"

# Starts the installed program with these arguments on a private X server, waits for its
# window, switches "Mostrar resultado correcto" (Alt+O, M), waits for `ini` to change and
# leaves through "Salir" (Alt+O, S). The program must end by itself with status 0.
cat >"$tmp/cambiar.sh" <<'FIN'
set -u
ini=$1; shift
contenido() { od -An -c "$ini" 2>/dev/null; }
antes=$(contenido)
"$@" &
programa=$!
ventana=$(timeout 60 xdotool search --sync --onlyvisible --name '^Tiendal$' | head -n 1)
[[ -n "$ventana" ]] || { echo "no se abrió la ventana" >&2; kill "$programa"; exit 1; }
xprop -id "$ventana" WM_CLASS >"$CLASE"
xdotool windowfocus --sync "$ventana"
xdotool key --delay 300 alt+o m
for _ in $(seq 300); do [[ "$(contenido)" != "$antes" ]] && break; sleep 0.1; done
xdotool key --delay 300 alt+o s
for _ in $(seq 300); do kill -0 "$programa" 2>/dev/null || break; sleep 0.1; done
kill -0 "$programa" 2>/dev/null && { echo "el programa no terminó" >&2; kill "$programa"; }
wait "$programa"
FIN
# Starts the installed program with these arguments on a private X server and waits for a
# window titled TITLE, which must come up while the program runs (as large as TAMANO, when that
# is set); the window is then closed from the keyboard, which must end the program with 0:
# abrir TITLE COMMAND...
cat >"$tmp/abrir.sh" <<'FIN'
set -u
titulo=$1; shift
"$@" &
programa=$!
ventana=$(timeout 60 xdotool search --sync --onlyvisible --name "^$titulo\$" | head -n 1)
[[ -n "$ventana" ]] || { echo "no se abrió la ventana «$titulo»" >&2; kill "$programa"; exit 1; }
if [[ -n ${TAMANO:-} ]]; then
  for _ in $(seq 100); do
    xdotool getwindowgeometry "$ventana" | grep -q "Geometry: $TAMANO\$" && break
    sleep 0.1
  done
  xdotool getwindowgeometry "$ventana" | grep -q "Geometry: $TAMANO\$" ||
    { echo "la ventana «$titulo» no mide $TAMANO" >&2; kill "$programa"; exit 1; }
fi
kill -0 "$programa" 2>/dev/null || { echo "el programa terminó con la ventana abierta" >&2; exit 1; }
# Ctrl+Q closes the results window, "Salir" in its menu a pupil's; the program ends with it.
xdotool windowfocus --sync "$ventana"
# SALIR: those keys in another language.
# shellcheck disable=SC2086 # the keys are one word each
if [[ $titulo == Tiendal ]]; then xdotool key --delay 300 ${SALIR:-alt+o s}; else xdotool key ctrl+q; fi
for _ in $(seq 100); do kill -0 "$programa" 2>/dev/null || break; sleep 0.1; done
kill -0 "$programa" 2>/dev/null && { echo "«$titulo» no se cerró" >&2; kill "$programa"; exit 1; }
wait "$programa"
FIN
export CLASE=$tmp/clase
en_x() { QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1280x1024x24 -noreset' bash "$@"; }
cambiar() { en_x "$tmp/cambiar.sh" "$@"; }
abrir() { en_x "$tmp/abrir.sh" "$@"; }

# The installed data: the options go to ~/.config/tiendal.
ini_usuario=$HOME/.config/tiendal/Tiendal.ini
# A class folder for the record changes nothing of the options.
cambiar "$ini_usuario" "$tiendal" --registro "$tmp" || falla "el programa instalado no terminó con 0"
# The docks tie the window to its menu entry by the window's class.
clase=$(sed -nE 's/.*, "([^"]*)"$/\1/p' "$CLASE")
grep -qx "StartupWMClass=$clase" "$raiz/usr/share/applications/es.tiendal.Tiendal.desktop" ||
  falla "la entrada del menú no nombra la clase de la ventana, «$clase»"
if ! cmp -s "$ini_usuario" <(printf ' 0 \r\n 0 \r\n'); then
  falla "Tiendal.ini del usuario: $(od -c "$ini_usuario" 2>&1 | head -n 2)"
fi

# A teacher's folder, with options of its own: it wins, and its Tiendal.ini is the one written.
tienda="$tmp/Mi Tienda"
cp -r "$raiz/usr/share/tiendal" "$tienda"
printf ' 1 \r\n 1 \r\n' >"$tienda/Tiendal.ini"
cambiar "$tienda/Tiendal.ini" "$tiendal" --datos "$tienda" --sin-registro ||
  falla "con --datos no terminó con 0"
cmp -s "$tienda/Tiendal.ini" <(printf ' 1 \r\n 0 \r\n') || falla "Tiendal.ini de la carpeta del profesor"
cmp -s "$ini_usuario" <(printf ' 0 \r\n 0 \r\n') || falla "--datos cambió el Tiendal.ini del usuario"

# The menu entry's results action, run as the menu runs it (its Exec line, the program found on
# the PATH), with one pupil's file of the month in the user's record folder.
entrada=$raiz/usr/share/applications/es.tiendal.Tiendal.desktop
grep -qE '^Actions=(.*;)?resultados;' "$entrada" ||
  falla "la entrada del menú no ofrece la acción «resultados»"
resultados=$(sed -n '/^\[Desktop Action resultados\]$/,/^\[/s/^Exec=//p' "$entrada")
registro=$HOME/.local/share/tiendal/registro
mkdir -p "$registro"
cat >"$registro/ana-2026-12.csv" <<'FIN'
"fecha","alumno","ventana","ejercicio","carpeta","productos","dinero","unidades","esperado","tecleado","veredicto","comprobación","segundos"
"2026-12-07T10:00:00+01:00","ana","ratón","1","datos","Pan 1,20; Leche 0,95; Queso 4,50","","","6,65","6,65","correcta","1","12"
FIN
cp "$registro/ana-2026-12.csv" "$tmp/ana-antes.csv"
if [[ -z "$resultados" ]]; then
  falla "la acción «resultados» de la entrada del menú no tiene Exec"
else
  # shellcheck disable=SC2086 # the Exec line is split into its words, as the menu splits it
  abrir "Resultados de los alumnos" env PATH="$raiz/usr/bin:$PATH" $resultados ||
    falla "«$resultados» no abrió la ventana «Resultados de los alumnos»"
  cmp -s "$registro/ana-2026-12.csv" "$tmp/ana-antes.csv" ||
    falla "la ventana de resultados cambió el registro"
fi

# The whiteboard action: the window fills the private X server's whole screen.
grep -qE '^Actions=(.*;)?pizarra;' "$entrada" || falla "la entrada del menú no ofrece la acción «pizarra»"
pizarra=$(sed -n '/^\[Desktop Action pizarra\]$/,/^\[/s/^Exec=//p' "$entrada")
# shellcheck disable=SC2086 # the Exec line is split into its words, as the menu splits it
TAMANO=1280x1024 abrir "Tiendal" env PATH="$raiz/usr/bin:$PATH" $pizarra ||
  falla "«$pizarra» no llenó la pantalla"

# In Catalan (the session's LANGUAGE, or --idioma over a Spanish session): the command line
# answers in it, --idioma es brings Spanish back, and the window opens on the Catalan data set,
# whose every product has its voice, with no line about a missing set. The keys that leave are
# the Catalan menu's, read from its catalogue.
castellano=$(sin_pantalla "$tiendal" --help)
[[ "$(LANGUAGE=ca sin_pantalla "$tiendal" --help)" != "$castellano" ]] || falla "--help en catalán"
[[ "$(sin_pantalla "$tiendal" --idioma ca --help)" == "$(LANGUAGE=ca sin_pantalla "$tiendal" --help)" ]] ||
  falla "--idioma ca"
[[ "$(LANGUAGE=ca sin_pantalla "$tiendal" --idioma es --help)" == "$castellano" ]] || falla "--idioma es"
LANGUAGE=ca "$datos" "$raiz/usr/share/tiendal/ca" >/dev/null ||
  falla "tiendal-datos avisa sobre los datos catalanes instalados"
[[ -L $(find "$raiz/usr/share/tiendal/ca/imágenes" -name '*.jpg' | head -n 1) ]] ||
  falla "las imágenes catalanas no son enlaces a las instaladas"
tecla() { # tecla CONTEXT SOURCE: the access key of SOURCE's Catalan caption
  python3 - "$(dirname "$0")/../../traducciones/tiendal_ca.ts" "$1" "$2" <<'PY'
import re, sys, xml.etree.ElementTree as ET
for c in ET.parse(sys.argv[1]).getroot().iter("context"):
    for m in c.iter("message"):
        if c.findtext("name") == sys.argv[2] and m.findtext("source") == sys.argv[3]:
            print(re.search(r"&(\w)", m.findtext("translation")).group(1).lower())
PY
}
salir="alt+$(tecla Ventana '&Opciones') $(tecla Menu '&Salir Alt-F4')"
SALIR=$salir abrir "Tiendal" "$tiendal" --idioma ca --sin-registro 2>"$tmp/catalan.err" ||
  falla "en catalán no se abrió y cerró la ventana: $(cat "$tmp/catalan.err")"
if grep -q '^Tiendal' "$tmp/catalan.err"; then falla "en catalán: $(cat "$tmp/catalan.err")"; fi

[[ "$(listado)" == "$antes" ]] || falla "se escribió bajo la instalación: $(diff <(echo "$antes") <(listado))"
if find "$HOME" -name 'Tiendal.ini*' | grep -v "^$ini_usuario\$" | grep -q .; then
  falla "otro Tiendal.ini en la carpeta personal: $(find "$HOME" -name 'Tiendal.ini*')"
fi
exit $((fallos > 0))
