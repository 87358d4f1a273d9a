// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "results_window/grafico_semanas.h"
#include "results_window/ventana_resultados.h"
#include "tests/record/clase_generada.h"

using namespace Qt::Literals::StringLiterals;

namespace tiendal {
namespace {

// The window over a generated class folder and one broken file: every count the generator kept,
// in both periods chosen; the chart, the answers newest first, and the broken line named.
TEST(VentanaResultados, MuestraLoQueHicieronLosAlumnos) {
  const ClaseGenerada clase(120);
  clase.carpeta.Escribir(QStringLiteral("roto.csv"), "a,b\n");
  VentanaResultados ventana({clase.carpeta.Ruta()}, kHoy);
  ventana.show();
  auto* alumnos = ventana.findChild<QComboBox*>(QStringLiteral("alumnos"));
  auto* periodo = ventana.findChild<QComboBox*>(QStringLiteral("periodo"));
  auto* resumen = ventana.findChild<QTableWidget*>(QStringLiteral("resumen"));
  auto* respuestas = ventana.findChild<QTableWidget*>(QStringLiteral("respuestas"));
  ASSERT_EQ(alumnos->count(), 3);
  for (const Periodo p : {Periodo::Todo, Periodo::Hoy}) {
    periodo->setCurrentIndex(static_cast<int>(p));
    for (int a = 0; a < 3; ++a) {
      alumnos->setCurrentIndex(a);
      for (int tipo = 0; tipo < 6; ++tipo) {
        const Cuenta& c = clase.esperadas.at(p).at(alumnos->currentText())[tipo];
        const auto celda = [&](int col) { return resumen->item(tipo, col)->text().toInt(); };
        EXPECT_EQ(std::tuple(celda(0), celda(1), celda(2), celda(3)),
                  std::tuple(c.ejercicios, c.bienALaPrimera, c.bienDespues, c.mal));
      }
    }
  }
  periodo->setCurrentIndex(static_cast<int>(Periodo::Todo));
  // Laid out: the pupils' list takes the width left, the buttons side by side, each column as
  // wide as its contents.
  EXPECT_GT(alumnos->width(), periodo->width());
  const auto* exportar = ventana.findChild<QPushButton*>(u"exportar"_s);
  EXPECT_GE(ventana.findChild<QPushButton*>(u"imprimir"_s)->x(), exportar->x() + exportar->width());
  const QAbstractItemView* vista = respuestas;
  EXPECT_EQ(
      respuestas->columnWidth(3),
      std::max(vista->sizeHintForColumn(3), respuestas->horizontalHeader()->sectionSizeHint(3)));
  EXPECT_EQ(respuestas->rowCount(), clase.lineas.at(alumnos->currentText()));
  EXPECT_GT(ventana.findChild<GraficoSemanas*>()->Semanas().size(), 10u);
  auto* avisos = ventana.findChild<QPlainTextEdit*>(QStringLiteral("avisos"));
  EXPECT_TRUE(avisos->isVisible());
  EXPECT_TRUE(avisos->toPlainText().contains(QStringLiteral("roto.csv, línea 1:")));

  // The summary of every pupil, and a pupil's page as PDF.
  const QString csv = clase.carpeta.Ruta(QStringLiteral("resumen.csv"));
  ASSERT_EQ(ventana.ExportarResumen(csv), std::nullopt);
  const QList<QByteArray> lineas = clase.carpeta.Leer(QStringLiteral("resumen.csv")).split('\n');
  ASSERT_EQ(lineas.size(), 1 + 3 * 6 + 1);
  const Cuenta& total = clase.esperadas.at(Periodo::Todo).at(QStringLiteral("ana"))[0];
  EXPECT_EQ(lineas[1], QStringLiteral("\"ana\",\"todos\",\"%1\",\"%2\",\"%3\",\"%4\"")
                           .arg(total.ejercicios)
                           .arg(total.bienALaPrimera)
                           .arg(total.bienDespues)
                           .arg(total.mal)
                           .toUtf8());
  // The button asks where through the file box; a file that cannot be written gets a message.
  QString destino;
  QStringList mensajes;
  QTimer contestar;
  QObject::connect(&contestar, &QTimer::timeout, [&] {
    QWidget* caja = QApplication::activeModalWidget();
    if (auto* archivo = qobject_cast<QFileDialog*>(caja)) {
      archivo->findChild<QLineEdit*>(u"fileNameEdit"_s)->setText(destino);
      QMetaObject::invokeMethod(archivo, "accept", Qt::QueuedConnection);
    } else if (auto* mensaje = qobject_cast<QMessageBox*>(caja)) {
      mensajes << mensaje->text();
      mensaje->accept();
    }
  });
  contestar.start(20);
  for (const QString& archivo : {u"otro.csv"_s, u"no/hay/carpeta.csv"_s}) {
    destino = clase.carpeta.Ruta(archivo);
    ventana.findChild<QPushButton*>(QStringLiteral("exportar"))->click();
  }
  EXPECT_EQ(clase.carpeta.Leer(u"otro.csv"_s), clase.carpeta.Leer(u"resumen.csv"_s));
  ASSERT_EQ(mensajes.size(), 1) << mensajes.join(u"|"_s).toStdString();
  EXPECT_TRUE(mensajes[0].startsWith(u"No se puede guardar «"_s)) << mensajes[0].toStdString();
  QPrinter impresora;
  impresora.setOutputFormat(QPrinter::PdfFormat);
  impresora.setOutputFileName(clase.carpeta.Ruta(QStringLiteral("ana.pdf")));
  ventana.Imprimir(impresora);
  EXPECT_TRUE(clase.carpeta.Leer(QStringLiteral("ana.pdf")).startsWith("%PDF"));
}

// Each type's line runs from week to week, and from nowhere else: two weeks of type 1, none
// right and then all right, draw a blue line from the bottom left to the top right.
TEST(GraficoSemanas, CadaLineaVaDeSemanaEnSemana) {
  Semana antes{QDate(2026, 11, 30)}, despues{QDate(2026, 12, 7)};
  antes.respuestas[1] = despues.respuestas[1] = despues.correctas[1] = 2;
  GraficoSemanas grafico;
  grafico.PonerSemanas({antes, despues});
  QImage imagen(400, 200, QImage::Format_RGB32);
  imagen.fill(Qt::white);
  QPainter pintor(&imagen);
  grafico.Dibujar(pintor, imagen.rect());
  pintor.end();
  const auto azul = [&imagen](int x, int y) {
    const QColor c = imagen.pixelColor(x, y);
    return c.blue() > 150 && c.red() < 120;
  };
  int margen = 0, medio = 0;  // the left margin holds the percentages only
  for (int y = 0; y < imagen.height(); ++y) {
    for (int x = 0; x < 12; ++x) margen += azul(x, y);
    for (int x = 180; x < 200; ++x) medio += azul(x, y);
  }
  EXPECT_EQ(margen, 0);
  EXPECT_GT(medio, 0);
}

// An empty folder: a window that says so, and a chart that draws without weeks.
TEST(VentanaResultados, SinRegistrosLoDice) {
  Carpeta vacia;
  VentanaResultados ventana({vacia.Ruta()}, kHoy);
  ventana.show();
  EXPECT_TRUE(ventana.findChild<QLabel*>(QStringLiteral("vacio"))->isVisible());
  const auto* avisos = ventana.findChild<QPlainTextEdit*>(u"avisos"_s);
  EXPECT_FALSE(avisos->isVisible());
  EXPECT_FALSE(avisos->accessibleName().isEmpty());
  auto* grafico = ventana.findChild<GraficoSemanas*>();
  EXPECT_FALSE(grafico->grab().isNull());
  EXPECT_FALSE(grafico->accessibleName().isEmpty());  // a screen reader names the chart
}

}  // namespace
}  // namespace tiendal
