#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Walks every Tab stop of Tiendal as a screen reader sees them, over the AT-SPI bus.

recorrido.py TIENDAL DATOS

Run inside a private D-Bus session (dbus-run-session). Starts a private X server, the
accessibility bus and the program (a copy of TIENDAL beside a copy of the folder DATOS), then
presses Tab through a whole cycle of the mouse window, of the keyboard window (reached through
the options menu) and of the product chooser (the Applications key), and requires on each stop
a non-empty Spanish name and the focused state, and the stops in their designed order (and,
in the chooser, in their designed places). Exit status 0 when every stop passes, 1 otherwise, 77 when a tool
it needs is missing.
"""

import importlib.util
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

LIMITE_TOTAL = 150  # seconds for the whole walk; then everything started here is ended
ESPERA = 15  # seconds for one thing to show on the bus
MAX_PARADAS = 40

# Names Qt gives on its own, in English, to what the program left unnamed.
INGLES = {"filler", "text", "panel", "frame", "vertical", "horizontal", "scroll", "bar",
          "line", "page", "up", "down", "left", "right", "position", "ok", "cancel", "list"}

procesos = []
fallos = []


def Empezar(orden, **opciones):
    proceso = subprocess.Popen(orden, start_new_session=True, **opciones)
    procesos.append(proceso)
    return proceso


def Terminar():
    for proceso in reversed(procesos):
        if proceso.poll() is not None:
            continue
        try:
            os.killpg(proceso.pid, signal.SIGTERM)
            proceso.wait(5)
        except (ProcessLookupError, subprocess.TimeoutExpired):
            try:
                os.killpg(proceso.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            proceso.wait()


def AlAgotarseElTiempo(*_):
    raise TimeoutError(f"el recorrido no acabó en {LIMITE_TOTAL} s")


def Esperar(condicion, que):
    limite = time.monotonic() + ESPERA
    while time.monotonic() < limite:
        resultado = condicion()
        if resultado:
            return resultado
        time.sleep(0.05)
    raise TimeoutError(f"no aparece {que}")


def ServidorX():
    # -noreset: the server would otherwise reset, refusing connections for a moment, each time
    # its last client leaves, as the check below and the accessibility daemons do. A server that
    # does not answer that check is replaced.
    for _ in range(3):
        lectura, escritura = os.pipe()
        servidor = Empezar(["Xvfb", "-displayfd", str(escritura), "-screen", "0", "1280x800x24",
                            "-nolisten", "tcp", "-noreset"],
                           pass_fds=(escritura,), stderr=subprocess.DEVNULL)
        os.close(escritura)
        with os.fdopen(lectura) as numero:
            pantalla = numero.readline().strip()
        if pantalla:
            prueba = subprocess.run(["xdotool", "getdisplaygeometry"], timeout=10,
                                    env=dict(os.environ, DISPLAY=":" + pantalla),
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if prueba.returncode == 0:
                return ":" + pantalla
        os.killpg(servidor.pid, signal.SIGTERM)
        servidor.wait(5)
    raise RuntimeError("Xvfb no ha dado una pantalla que responda")


def Tecla(*teclas):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *teclas], check=True, timeout=10)


def EnfocarVentana():
    ventanas = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Tiendal$"],
                              capture_output=True, text=True, timeout=10).stdout.split()
    if not ventanas:
        raise RuntimeError("no hay ventana Tiendal en la pantalla")
    subprocess.run(["xdotool", "windowfocus", "--sync", ventanas[-1]], check=True, timeout=10)


def Hijos(objeto):
    objeto.clearCache()
    return [h for h in (objeto.getChildAtIndex(i) for i in range(objeto.childCount)) if h]


def Programa(pyatspi):
    escritorio = pyatspi.Registry.getDesktop(0)
    for aplicacion in Hijos(escritorio):
        if aplicacion.name == "tiendal":
            return aplicacion
    return None


def Ventana(aplicacion, pyatspi, papel):
    for ventana in Hijos(aplicacion):
        estado = ventana.getState()
        if ventana.getRole() == papel and estado.contains(pyatspi.STATE_SHOWING):
            return ventana
    return None


def Enfocado(ventana, pyatspi):
    """The deepest showing object with the focused state: what a reader announces."""
    hallado = None
    pendientes = [ventana]
    while pendientes:
        objeto = pendientes.pop()
        estado = objeto.getState()
        if not estado.contains(pyatspi.STATE_SHOWING):
            continue
        if estado.contains(pyatspi.STATE_FOCUSED):
            hallado = objeto
            pendientes = []
        pendientes.extend(Hijos(objeto))
    return hallado


def Clave(objeto):
    """Where the object stands in the tree, as child indices: the same stop gives the same key."""
    clave = []
    while objeto is not None and objeto.getIndexInParent() >= 0:
        clave.append(objeto.getIndexInParent())
        objeto = objeto.parent
    return tuple(reversed(clave))


def EsEspanol(nombre):
    palabras = "".join(c if c.isalpha() else " " for c in nombre.lower()).split()
    return bool(palabras) and not all(p in INGLES for p in palabras)


# The Tab order of each window as the names of its stops, one a line, from the instructions
# (from the list for the chooser): the rows numbered from 1 without a gap, then the result.
ORDEN = {
    "VentanaRaton": r"Instrucciones del ejercicio(\nFila \d+[^\n]*)+\nResultado"
                    + "".join(rf"\nProducto {k} del estante[^\n]*\nNombre y precio del producto {k}"
                              for k in range(1, 7))
                    + r"\nCorregir\nNuevo ejercicio",
    "VentanaTeclado": r"Instrucciones del ejercicio(\nFila \d+[^\n]*)+\nResultado\nCorregir"
                      r"\nNuevo ejercicio",
    "elegidor": r"[^\n]+\nAceptar\nCancelar",
}


def ComprobarOrden(que, nombres):
    """Whether the cycle of stops, wherever it began, is the window's designed order."""
    for inicio in range(len(nombres)):
        ciclo = nombres[inicio:] + nombres[:inicio]
        filas = [int(m[1]) for nombre in ciclo if (m := re.match(r"Fila (\d+)", nombre))]
        if (re.fullmatch(ORDEN[que], "\n".join(ciclo))
                and filas == list(range(1, len(filas) + 1))):
            return
    fallos.append(f"{que}: las paradas no siguen el orden previsto: {nombres}")


def ComprobarElegidor(cajas, dialogo):
    """The chooser's stops where they were designed: the list above the two buttons, "Aceptar"
    left of "Cancelar", all inside its window. Boxes are (x, y, width, height) on the screen."""
    if len(cajas) != 3:
        return
    (lx, ly, lw, lh), (ax, ay, aw, ah), (cx, cy, cw, ch) = cajas
    dx, dy, dw, dh = dialogo
    dentro = all(dx <= x and dy <= y and x + w <= dx + dw and y + h <= dy + dh
                 for x, y, w, h in cajas)
    if not (dentro and ly + lh <= min(ay, cy) and ax + aw <= cx):
        fallos.append(f"elegidor: las paradas no están en su sitio: {cajas} en {dialogo}")


def Caja(objeto, pyatspi):
    e = objeto.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (e.x, e.y, e.width, e.height)


def Recorrer(que, ventana, pyatspi):
    """Tab through one whole cycle of `ventana`, back to where it started; returns how many
    stops it made, and checks their order."""

    def Siguiente(anterior):
        enfocado = Enfocado(ventana, pyatspi)
        return enfocado if enfocado is not None and Clave(enfocado) != anterior else None

    actual = Esperar(lambda: Enfocado(ventana, pyatspi), f"el foco en {que}")
    primera = Clave(actual)
    paradas = 0
    nombres = []
    cajas = []
    while True:
        nombre = actual.name.strip()
        nombres.append(nombre)
        cajas.append(Caja(actual, pyatspi))
        papel = actual.getRoleName()
        print(f"{que}: {papel} «{nombre}»")
        if not EsEspanol(nombre):
            fallos.append(f"{que}: la parada {papel} {Clave(actual)} no tiene nombre en español "
                          f"({nombre!r})")
        paradas += 1
        if paradas > MAX_PARADAS:
            fallos.append(f"{que}: Tab no vuelve a la primera parada en {MAX_PARADAS} pulsaciones")
            break
        anterior = Clave(actual)
        Tecla("Tab")
        actual = Esperar(lambda: Siguiente(anterior), f"la parada que sigue a {anterior} en {que}")
        if Clave(actual) == primera:
            break
    ComprobarOrden(que, nombres)
    if que == "elegidor":
        ComprobarElegidor(cajas, Caja(ventana, pyatspi))
    return paradas


def Recorrido(programa, datos):
    import pyatspi  # only now: it reads the display and the session bus on import

    carpeta = tempfile.mkdtemp(prefix="tiendal-accesibilidad-")
    try:
        for nombre in os.listdir(datos):
            origen = os.path.join(datos, nombre)
            destino = os.path.join(carpeta, nombre)
            if os.path.isdir(origen):
                shutil.copytree(origen, destino)
            else:
                shutil.copy(origen, destino)
        shutil.copy(programa, carpeta)
        entorno = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                       SDL_AUDIODRIVER="dummy")
        Empezar([os.path.join(carpeta, os.path.basename(programa))], env=entorno)

        aplicacion = Esperar(lambda: Programa(pyatspi), "el programa en el bus de accesibilidad")
        raton = Esperar(lambda: Ventana(aplicacion, pyatspi, pyatspi.ROLE_FRAME), "VentanaRaton")
        EnfocarVentana()
        print("VentanaRaton:", Recorrer("VentanaRaton", raton, pyatspi), "paradas")

        # Options menu, then V: "Valores enteros" and the version item share the access key, so
        # the first V moves on to the second; Enter takes it.
        def Elemento():
            enfocado = Enfocado(raton, pyatspi)
            menu = enfocado is not None and enfocado.getRole() == pyatspi.ROLE_MENU_ITEM
            return enfocado.name if menu else None

        Tecla("alt+o")
        Esperar(Elemento, "el menú Opciones abierto")
        Tecla("v")
        Esperar(lambda: Elemento() == "Versión para sólo teclado", "la versión elegida en el menú")
        Tecla("Return")
        nombreVentanaRaton = raton.name

        def VentanaTeclado():
            ventana = Ventana(aplicacion, pyatspi, pyatspi.ROLE_FRAME)
            return ventana if ventana is not None and ventana.name != nombreVentanaRaton else None

        teclado = Esperar(VentanaTeclado, "VentanaTeclado")
        EnfocarVentana()
        print("VentanaTeclado:", Recorrer("VentanaTeclado", teclado, pyatspi), "paradas")

        Tecla("Menu")
        dialogo = Esperar(lambda: Ventana(aplicacion, pyatspi, pyatspi.ROLE_DIALOG),
                          "el elegidor")
        print("elegidor:", Recorrer("elegidor", dialogo, pyatspi), "paradas")
        Tecla("Escape")
        Esperar(lambda: Ventana(aplicacion, pyatspi, pyatspi.ROLE_DIALOG) is None,
                "el elegidor cerrado")

        if os.path.exists(os.path.join(carpeta, "Tiendal.ini")):
            fallos.append("el recorrido ha cambiado una opción: Tiendal.ini escrito")
    finally:
        Terminar()
        shutil.rmtree(carpeta, ignore_errors=True)


def main():
    if len(sys.argv) != 3:
        print("uso: recorrido.py TIENDAL DATOS", file=sys.stderr)
        return 2
    faltan = [h for h in ("Xvfb", "xdotool", "/usr/libexec/at-spi-bus-launcher")
              if shutil.which(h) is None]
    if importlib.util.find_spec("pyatspi") is None:
        faltan.append("python3-pyatspi")
    if "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
        faltan.append("una sesión de D-Bus propia (dbus-run-session)")
    if faltan:
        print("falta:", ", ".join(faltan), file=sys.stderr)
        return 77

    signal.signal(signal.SIGALRM, AlAgotarseElTiempo)
    signal.alarm(LIMITE_TOTAL)
    try:
        os.environ["DISPLAY"] = ServidorX()
        os.environ.pop("WAYLAND_DISPLAY", None)
        Empezar(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        Recorrido(os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]))
    except (TimeoutError, RuntimeError, subprocess.SubprocessError) as error:
        fallos.append(str(error))
    finally:
        signal.alarm(0)
        Terminar()
    for fallo in fallos:
        print("FALLO:", fallo, file=sys.stderr)
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
