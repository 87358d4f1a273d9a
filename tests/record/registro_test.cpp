// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>
#include <QThread>
#include <QTimeZone>
#include <tuple>

#include "record/registro_csv.h"
#include "tests/record/clase_generada.h"

using namespace Qt::Literals::StringLiterals;

namespace tiendal {
namespace {

const QDateTime kInicio(QDate(2026, 12, 7), QTime(10, 0), QTimeZone(3600));

Respuesta Ejemplo(int comprobacion) {
  Respuesta r;
  std::tie(r.tipo, r.productos, r.dinero, r.esperado, r.tecleado, r.correcta, r.comprobacion) =
      std::tuple(TipoDeEjercicio::Cambio, u"yogur \"griego\", natural 0,95"_s, u"5,00"_s, u"4,05"_s,
                 u" 4.05"_s, comprobacion > 1, comprobacion);
  return r;
}

// Writes two checks of one exercise, 30 s and 95 s after it began, after what `antes` left.
Registros EscribirDos(const Carpeta& carpeta, const QByteArray& antes) {
  const QString archivo = QStringLiteral("registro/íñigo-2026-12.csv");
  if (!antes.isEmpty()) carpeta.Escribir(archivo, antes);
  QDateTime ahora = kInicio;
  {
    RegistroCsv registro({carpeta.Ruta(u"registro"_s), u"íñigo"_s, kTeclado, u"datos"_s},
                         [&ahora] { return ahora; });
    ahora = ahora.addSecs(30);
    registro.Anotar(Ejemplo(1));
    ahora = ahora.addSecs(65);
    registro.Anotar(Ejemplo(2));
  }
  return LeerRegistros({carpeta.Ruta(archivo)});
}

QStringList avisados;
void GuardarAviso(QtMsgType, const QMessageLogContext&, const QString& texto) { avisados << texto; }

TEST(Registro, CadaVeredictoEsUnaLineaEnteraQueSeLeeIgual) {
  Carpeta carpeta;
  const auto anterior = qInstallMessageHandler(GuardarAviso);
  const Registros leidos = EscribirDos(carpeta, {});
  qInstallMessageHandler(anterior);
  EXPECT_EQ(avisados, QStringList());  // a write that went well is not reported
  EXPECT_EQ(leidos.avisos, QStringList());
  ASSERT_EQ(leidos.anotaciones.size(), 2u);
  const Anotacion& a = leidos.anotaciones[1];
  EXPECT_EQ(a.fecha.toString(Qt::ISODate), QStringLiteral("2026-12-07T10:01:35+01:00"));
  const QStringList campos = {a.alumno,   a.ventana,   QString::number(a.ejercicio),
                              a.carpeta,  a.productos, a.dinero,
                              a.unidades, a.esperado,  a.tecleado};
  EXPECT_EQ(campos, QStringList({"íñigo", "teclado", "2", "datos", "yogur \"griego\", natural 0,95",
                                 "5,00", "", "4,05", " 4.05"}));
  EXPECT_EQ(std::tuple(a.correcta, a.comprobacion, a.segundos), std::tuple(true, 2, 95));
  const QByteArray bytes = carpeta.Leer(QStringLiteral("registro/íñigo-2026-12.csv"));
  EXPECT_TRUE(bytes.startsWith("\"fecha\",\"alumno\",\"ventana\",\"ejercicio\""));
  EXPECT_EQ(bytes.count('\n'), 3);
}

// A line that a killed run left half-written stays on its own line, the only one not read.
TEST(Registro, UnaLineaCortadaNoSePegaALaSiguiente) {
  Carpeta carpeta;
  const Registros leidos = EscribirDos(carpeta, "\"fecha\"\n\"2026-12-07T09:00:00+01:00\",\"íñ");
  EXPECT_EQ(leidos.anotaciones.size(), 2u);
  ASSERT_EQ(leidos.avisos.size(), 1);
  EXPECT_TRUE(leidos.avisos[0].endsWith(u"línea 2: no tiene 13 campos sino 2"_s))
      << leidos.avisos[0].toStdString();
}

TEST(Registro, UnArchivoQueNoSePuedeEscribirSeAvisaUnaVez) {
  Carpeta carpeta;
  carpeta.CrearCarpeta(QStringLiteral("registro/íñigo-2026-12.csv"));  // a folder in its place
  avisados.clear();
  const auto anterior = qInstallMessageHandler(GuardarAviso);
  EscribirDos(carpeta, {});
  qInstallMessageHandler(anterior);
  ASSERT_EQ(avisados.size(), 1);
  EXPECT_TRUE(avisados[0].contains(u"no se puede escribir en el registro"_s))
      << avisados[0].toStdString();
}

// The child that the next test kills: it records as fast as it can until it is killed.
TEST(Registro, HijoQueAnotaSinParar) {
  const QString carpeta = qEnvironmentVariable("TIENDAL_REGISTRO_HIJO");
  if (carpeta.isEmpty()) return;
  RegistroCsv registro({carpeta, u"ana"_s, kRaton, u"datos"_s}, [] { return kInicio; });
  for (int n = 1;; ++n) {
    registro.Anotar(Ejemplo(n));
    if (n % 50 == 0) registro.Esperar();
  }
}

TEST(Registro, MatarElProgramaNoEstropeaLasLineasAnteriores) {
  Carpeta carpeta;
  const QString archivo = carpeta.Ruta(QStringLiteral("ana-2026-12.csv"));
  for (int vez = 0; vez < 3; ++vez) {
    QProcess hijo;
    qputenv("TIENDAL_REGISTRO_HIJO", carpeta.Ruta().toLocal8Bit());
    hijo.start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--gtest_filter=Registro.HijoQueAnotaSinParar")});
    ASSERT_TRUE(hijo.waitForStarted());
    const qint64 antes = QFileInfo(archivo).size();
    while (QFileInfo(archivo).size() < antes + 20000) QThread::msleep(5);
    ::kill(static_cast<pid_t>(hijo.processId()), SIGKILL);
    hijo.waitForFinished();
  }
  qunsetenv("TIENDAL_REGISTRO_HIJO");
  RegistroCsv({carpeta.Ruta(), u"ana"_s, kRaton, u"datos"_s}, [] {
    return kInicio;
  }).Anotar(Ejemplo(7));
  const Registros leidos = LeerRegistros({archivo});
  // At most the line each kill cut short is lost; the last one, written afterwards, is whole.
  EXPECT_LE(leidos.avisos.size(), 3) << leidos.avisos.join(u'\n').toStdString();
  ASSERT_GT(leidos.anotaciones.size(), 100u);
  EXPECT_EQ(leidos.anotaciones.back().comprobacion, 7);
  EXPECT_TRUE(carpeta.Leer(QStringLiteral("ana-2026-12.csv")).endsWith("\"0\"\n"));
}

// Broken input: the lines that can be read are, and each one that cannot is named.
using Roto = std::tuple<QByteArray, size_t, QString>;
class LeerRotoTest : public ::testing::TestWithParam<Roto> {};

TEST_P(LeerRotoTest, NombraArchivoYLinea) {
  const auto& [bytes, leidas, aviso] = GetParam();
  Registros r;
  LeerTextoRegistro(bytes, QStringLiteral("ana.csv"), r);
  EXPECT_EQ(r.anotaciones.size(), leidas);
  EXPECT_EQ(r.avisos.join(u'\n'), aviso);
}

const QByteArray kBuena =
    "2026-12-07T10:00:00+01:00,ana,ratón,1,datos,\"pan 1,20\",,,\"1,2\",\"1,2\",correcta,1,4\n";
QByteArray Con(int campo, const QByteArray& valor) {
  QList<QByteArray> campos =
      QByteArray("2026-12-07T10:00:00+01:00,ana,ratón,1,datos,pan,,,1,1,correcta,1,4").split(',');
  campos[campo] = valor;
  return campos.join(',') + '\n';
}

// A file in another format: ten lines named, and how many more.
QString MuchasMal() {
  QStringList avisos;
  for (int n = 1; n <= 10; ++n) avisos << u"ana.csv, línea %1: no tiene 13 campos sino 1"_s.arg(n);
  return (avisos << u"ana.csv: y 2 líneas más que no se pueden leer"_s).join(u'\n');
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Casos, LeerRotoTest, ::testing::Values(
    Roto{"\xEF\xBB\xBF\"fecha\",\"alumno\"\r\n" + kBuena + "\n", 1, ""},
    Roto{kBuena + "a,b,c\n" + kBuena, 2, "ana.csv, línea 2: no tiene 13 campos sino 3"},
    Roto{kBuena + kBuena.chopped(1) + ",x\n", 1, "ana.csv, línea 2: no tiene 13 campos sino 14"},
    Roto{Con(0, "7/12/2026"), 0, "ana.csv, línea 1: la fecha «7/12/2026» no es válida"},
    Roto{Con(3, "6"), 0, "ana.csv, línea 1: el ejercicio «6» no es ninguno de los cinco"},
    Roto{Con(10, "bien"), 0, "ana.csv, línea 1: el veredicto «bien» no es «correcta» ni «incorrecta»"},
    Roto{Con(12, "x"), 0, "ana.csv, línea 1: la comprobación «1» o los segundos «x» no son un número válido"},
    Roto{Con(1, "Jos\xE9"), 0, "ana.csv, línea 1: no está en UTF-8"},
    Roto{" \n\n", 0, "ana.csv: está vacío"},
    Roto{QByteArray("PK\3\4\0\0", 6) + kBuena, 0, "ana.csv: no es un registro de Tiendal"},
    Roto{QByteArray("x\n").repeated(12), 0, MuchasMal()}));
// clang-format on

TEST(Resumen, CuentaComoLosEjerciciosGenerados) {
  const ClaseGenerada clase(300);
  const Registros leidos = LeerRegistros({clase.carpeta.Ruta()});
  EXPECT_EQ(leidos.avisos, QStringList());
  for (const auto& [periodo, alumnos] : clase.esperadas) {
    EXPECT_EQ(Contar(leidos.anotaciones, periodo, kHoy), alumnos) << static_cast<int>(periodo);
  }
  for (const QString& alumno : clase.alumnos) {
    int respuestas = 0;
    for (const Semana& s : PorSemanas(leidos.anotaciones, alumno, Periodo::Todo, kHoy)) {
      EXPECT_EQ(s.lunes.dayOfWeek(), 1);
      respuestas += s.respuestas[0];
    }
    EXPECT_EQ(respuestas, clase.lineas.at(alumno));
    const auto lista = RespuestasDe(leidos.anotaciones, alumno, Periodo::Todo, kHoy);
    EXPECT_TRUE(std::is_sorted(lista.begin(), lista.end(),
                               [](auto* a, auto* b) { return a->fecha > b->fecha; }));
  }
}

}  // namespace
}  // namespace tiendal
