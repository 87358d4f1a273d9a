# SPDX-FileCopyrightText: 2026 Tiendal developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The scratch copy of the work tree, its build and its test suite, for the runners that change
the code on purpose and see whether the suite notices: tools/fallos_sembrados.py (the planted
faults) and tools/mutantes.py (the mutants).

The copy is configured with the ci preset, ccache and warnings that are not errors (a change is
caught by a test, not by the compiler), and kept between runs so that only what changed is
built again."""
import filecmp
import os
import pathlib
import re
import shutil
import signal
import subprocess
import time

RAIZ = pathlib.Path(__file__).resolve().parent.parent


def copiar_arbol(copia):
    """The work tree's files as they are now, committed or not; a file is only rewritten when it
    differs, so that the build in the copy stays incremental."""
    archivos = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                              cwd=RAIZ, check=True, capture_output=True).stdout.split(b"\0")
    for nombre in archivos:
        if not nombre:
            continue
        origen = RAIZ / os.fsdecode(nombre)
        destino = copia / os.fsdecode(nombre)
        # A link stays a link (the data sets' pictures are links to the Spanish ones).
        if origen.is_symlink():
            enlace = os.readlink(origen)
            if not destino.is_symlink() or os.readlink(destino) != enlace:
                destino.parent.mkdir(parents=True, exist_ok=True)
                if destino.exists() or destino.is_symlink():
                    destino.unlink()
                os.symlink(enlace, destino)
            continue
        if not origen.is_file():
            continue
        if not destino.exists() or not filecmp.cmp(origen, destino, shallow=False):
            destino.parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(origen, destino)


def ejecutar(orden, registro, limite=None, entorno=None):
    """Runs a command into a log; (status, timed out). On timeout its whole group is ended."""
    with open(registro, "w") as salida:
        proceso = subprocess.Popen(orden, stdout=salida, stderr=subprocess.STDOUT,
                                   env=entorno, start_new_session=True)
        try:
            return proceso.wait(timeout=limite), False
        except subprocess.TimeoutExpired:
            os.killpg(proceso.pid, signal.SIGKILL)
            proceso.wait()
            return -1, True
        except BaseException:  # Ctrl-C: the command's own session would go on without it
            os.killpg(proceso.pid, signal.SIGKILL)
            proceso.wait()
            raise


class Banco:
    """The copy at `copia`, its logs in `registros`; the suite runs under each locale of
    `idiomas` in turn, with `opciones` added to ctest's (a label left out, a default time-out)."""

    def __init__(self, copia, registros, idiomas, opciones=()):
        self.copia = copia
        self.build = copia / "build" / "ci"
        self.registros = registros
        self.registros.mkdir(parents=True, exist_ok=True)
        self.idiomas = idiomas
        self.opciones = list(opciones)
        self.trabajos = str(os.cpu_count() or 1)
        if not (self.build / "CMakeCache.txt").exists():
            subprocess.run(["cmake", "--preset", "ci", "-B", str(self.build),
                            "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DTIENDAL_WERROR=OFF"],
                           cwd=copia, check=True, stdout=subprocess.DEVNULL)

    def compilar(self, nombre):
        estado, _ = ejecutar(["nice", "cmake", "--build", str(self.build), "-j", self.trabajos],
                             self.registros / f"{nombre}-compilacion.log")
        return estado == 0

    def probar(self, nombre, limite=None, primero=None):
        """Each locale, stopping at the first failure: (the first failing test or None, whether
        it was a time-out); when the whole run passed `limite`, the test that was running. The
        tests labelled `primero`, the ones closest to the change, run before the rest. A test
        that fails is run once more: a test upset by a busy machine must not pass for a caught
        change."""
        fin = None if limite is None else time.monotonic() + limite
        partes = [("", [])] if primero is None else [("-1", ["-L", primero]),
                                                     ("-2", ["-LE", primero])]
        for idioma in self.idiomas:
            entorno = dict(os.environ, LC_ALL=idioma, QT_QPA_PLATFORM="offscreen",
                           SDL_AUDIODRIVER="dummy")
            for sufijo, etiquetas in partes:
                # Without the times of earlier runs ctest keeps the order in which the tests are
                # declared: the quick tables of the core first, so that a caught change stops
                # early.
                (self.build / "Testing" / "Temporary" / "CTestCostData.txt").unlink(
                    missing_ok=True)
                registro = self.registros / f"{nombre}-pruebas-{idioma}{sufijo}.log"
                resto = None if fin is None else max(1.0, fin - time.monotonic())
                estado, agotado = ejecutar(
                    ["nice", "ctest", "--test-dir", str(self.build), "--stop-on-failure",
                     "--repeat", "until-pass:2", "-j", self.trabajos] + self.opciones + etiquetas,
                    registro, resto, entorno)
                if agotado:
                    return sin_terminar(registro), True
                if estado != 0:
                    return primer_fallo(registro)
        return None, False


def sin_terminar(registro):
    """The first test that started and did not end before the run was cut short, if any."""
    texto = registro.read_text(errors="replace")
    terminados = set(re.findall(r"Test\s+#\d+: (\S+)", texto))
    empezados = re.findall(r"Start\s+\d+: (\S+)", texto)
    return next((t for t in empezados if t not in terminados), None)


def primer_fallo(registro):
    """The first test that failed, as ctest names it, and whether it timed out."""
    texto = registro.read_text(errors="replace")
    parte = texto.split("tests FAILED:", 1)
    if len(parte) == 2:
        for linea in parte[1].split("\n"):
            m = re.match(r"^\s*\d+ - (\S+).*\((.*)\)\s*$", linea)
            if m and m[2] not in ("Not Run", "Disabled"):
                return m[1], "Timeout" in m[2]
    return "(ctest: " + (texto.strip().split("\n") or ["?"])[-1][:60] + ")", False
