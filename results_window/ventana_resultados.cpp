// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "results_window/ventana_resultados.h"

#include <QBuffer>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>
#include <set>

#include "record/columnas.h"
#include "results_window/grafico_semanas.h"

namespace tiendal {
namespace {

// The captions are translated when the window is made, in the language of the moment.
constexpr const char* kTipos[] = {
    QT_TRANSLATE_NOOP("Resultados", "Todos los tipos"),
    QT_TRANSLATE_NOOP("Resultados", "1. Total de tres productos"),
    QT_TRANSLATE_NOOP("Resultados", "2. Cambio de un billete"),
    QT_TRANSLATE_NOOP("Resultados", "3. El más caro menos el más barato"),
    QT_TRANSLATE_NOOP("Resultados", "4. Precio de varias unidades"),
    QT_TRANSLATE_NOOP("Resultados", "5. Más productos con el dinero"),
};
constexpr const char* kCuentas[] = {QT_TRANSLATE_NOOP("Resultados", "Ejercicios"),
                                    QT_TRANSLATE_NOOP("Resultados", "Bien a la primera"),
                                    QT_TRANSLATE_NOOP("Resultados", "Bien después"),
                                    QT_TRANSLATE_NOOP("Resultados", "Mal")};
constexpr const char* kColumnasRespuestas[] = {
    QT_TRANSLATE_NOOP("Resultados", "Fecha"),        QT_TRANSLATE_NOOP("Resultados", "Ejercicio"),
    QT_TRANSLATE_NOOP("Resultados", "Productos"),    QT_TRANSLATE_NOOP("Resultados", "Dinero"),
    QT_TRANSLATE_NOOP("Resultados", "Unidades"),     QT_TRANSLATE_NOOP("Resultados", "Tecleado"),
    QT_TRANSLATE_NOOP("Resultados", "Esperado"),     QT_TRANSLATE_NOOP("Resultados", "Veredicto"),
    QT_TRANSLATE_NOOP("Resultados", "Comprobación"), QT_TRANSLATE_NOOP("Resultados", "Segundos")};

QString Traducir(const char* texto) { return QCoreApplication::translate("Resultados", texto); }

template <std::size_t N>
QStringList Traducir(const char* const (&textos)[N]) {
  QStringList traducidos;
  for (const char* texto : textos) traducidos.append(Traducir(texto));
  return traducidos;
}

std::array<int, 4> Cifras(const Cuenta& c) {
  return {c.ejercicios, c.bienALaPrimera, c.bienDespues, c.mal};
}

QStringList Fila(const Anotacion& a) {
  return {a.fecha.toString(QStringLiteral("dd/MM/yyyy HH:mm")),
          QString::number(a.ejercicio),
          a.productos,
          a.dinero,
          a.unidades,
          a.tecleado,
          a.esperado,
          a.correcta ? kCorrecta : kIncorrecta,
          QString::number(a.comprobacion),
          QString::number(a.segundos)};
}

QTableWidget* Tabla(const QString& nombre, const QStringList& columnas, QWidget* padre) {
  auto* tabla = new QTableWidget(0, static_cast<int>(columnas.size()), padre);
  tabla->setObjectName(nombre);
  tabla->setHorizontalHeaderLabels(columnas);
  tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabla->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabla->verticalHeader()->hide();
  return tabla;
}

void PonerCelda(QTableWidget* tabla, int fila, int columna, const QString& texto) {
  tabla->setItem(fila, columna, new QTableWidgetItem(texto));
}

QString Escapar(const QString& texto) { return texto.toHtmlEscaped(); }

}  // namespace

VentanaResultados::VentanaResultados(const QStringList& rutas, QDate hoy, QWidget* padre)
    : QWidget(padre), registros_(LeerRegistros(rutas)), hoy_(hoy) {
  setWindowTitle(QCoreApplication::translate("Resultados", "Resultados de los alumnos"));
  resize(900, 700);

  alumnos_ = new QComboBox(this);
  alumnos_->setObjectName(QStringLiteral("alumnos"));
  std::set<QString> nombres;
  for (const Anotacion& a : registros_.anotaciones) nombres.insert(a.alumno);
  for (const QString& nombre : nombres) alumnos_->addItem(nombre);
  periodo_ = new QComboBox(this);
  periodo_->setObjectName(QStringLiteral("periodo"));
  periodo_->addItems({QCoreApplication::translate("Resultados", "Hoy"),
                      QCoreApplication::translate("Resultados", "Esta semana"),
                      QCoreApplication::translate("Resultados", "Este mes"),
                      QCoreApplication::translate("Resultados", "Todo")});
  periodo_->setCurrentIndex(static_cast<int>(Periodo::Todo));
  auto* exportar =
      new QPushButton(QCoreApplication::translate("Resultados", "&Exportar resumen…"), this);
  exportar->setObjectName(QStringLiteral("exportar"));
  auto* imprimir = new QPushButton(QCoreApplication::translate("Resultados", "&Imprimir…"), this);
  imprimir->setObjectName(QStringLiteral("imprimir"));

  auto* etiquetaAlumno = new QLabel(QCoreApplication::translate("Resultados", "&Alumno:"), this);
  etiquetaAlumno->setBuddy(alumnos_);
  auto* etiquetaPeriodo = new QLabel(QCoreApplication::translate("Resultados", "&Periodo:"), this);
  etiquetaPeriodo->setBuddy(periodo_);
  auto* arriba = new QHBoxLayout;
  arriba->addWidget(etiquetaAlumno);
  arriba->addWidget(alumnos_, 1);
  arriba->addWidget(etiquetaPeriodo);
  arriba->addWidget(periodo_);
  arriba->addStretch();
  arriba->addWidget(exportar);
  arriba->addWidget(imprimir);

  vacio_ = new QLabel(this);
  vacio_->setObjectName(QStringLiteral("vacio"));
  vacio_->setWordWrap(true);
  vacio_->setText(QCoreApplication::translate("Resultados", "No hay respuestas registradas en %1.")
                      .arg(rutas.isEmpty() ? QString() : rutas.join(QStringLiteral(", "))));
  vacio_->setVisible(registros_.anotaciones.empty());

  resumen_ = Tabla(QStringLiteral("resumen"), Traducir(kCuentas), this);
  resumen_->setRowCount(static_cast<int>(std::size(kTipos)));
  resumen_->setVerticalHeaderLabels(Traducir(kTipos));
  resumen_->verticalHeader()->show();
  resumen_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  grafico_ = new GraficoSemanas(this);
  grafico_->setObjectName(QStringLiteral("grafico"));
  respuestas_ = Tabla(QStringLiteral("respuestas"), Traducir(kColumnasRespuestas), this);
  respuestas_->horizontalHeader()->setStretchLastSection(true);
  avisos_ = new QPlainTextEdit(this);
  avisos_->setObjectName(QStringLiteral("avisos"));
  avisos_->setReadOnly(true);
  avisos_->setAccessibleName(
      QCoreApplication::translate("Resultados", "Líneas que no se pueden leer"));
  avisos_->setPlainText(QCoreApplication::translate("Resultados", "Líneas que no se pueden leer:") +
                        u'\n' + registros_.avisos.join(u'\n'));
  avisos_->setVisible(!registros_.avisos.isEmpty());

  auto* partes = new QSplitter(Qt::Vertical, this);
  partes->addWidget(resumen_);
  partes->addWidget(grafico_);
  partes->addWidget(respuestas_);
  partes->addWidget(avisos_);
  auto* todo = new QVBoxLayout(this);
  todo->addLayout(arriba);
  todo->addWidget(vacio_);
  todo->addWidget(partes, 1);

  // The teacher's window closes as other programs' do.
  auto* cerrar = new QShortcut(QKeySequence::Quit, this);
  connect(cerrar, &QShortcut::activated, this, &QWidget::close);

  connect(alumnos_, &QComboBox::currentIndexChanged, this, &VentanaResultados::Mostrar);
  connect(periodo_, &QComboBox::currentIndexChanged, this, &VentanaResultados::Mostrar);
  connect(exportar, &QPushButton::clicked, this, &VentanaResultados::PreguntarExportar);
  connect(imprimir, &QPushButton::clicked, this, &VentanaResultados::PreguntarImprimir);
  Mostrar();
}

QString VentanaResultados::Alumno() const { return alumnos_->currentText(); }

Periodo VentanaResultados::PeriodoElegido() const {
  return static_cast<Periodo>(periodo_->currentIndex());
}

void VentanaResultados::Mostrar() {
  const auto cuentas = Contar(registros_.anotaciones, PeriodoElegido(), hoy_);
  const auto delAlumno = cuentas.find(Alumno());
  const CuentasPorTipo porTipo = delAlumno == cuentas.end() ? CuentasPorTipo{} : delAlumno->second;
  for (int tipo = 0; tipo < static_cast<int>(porTipo.size()); ++tipo) {
    const auto cifras = Cifras(porTipo[tipo]);
    for (int c = 0; c < static_cast<int>(cifras.size()); ++c) {
      PonerCelda(resumen_, tipo, c, QString::number(cifras[c]));
      resumen_->item(tipo, c)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
  }
  grafico_->PonerSemanas(PorSemanas(registros_.anotaciones, Alumno(), PeriodoElegido(), hoy_));
  const auto lista = RespuestasDe(registros_.anotaciones, Alumno(), PeriodoElegido(), hoy_);
  respuestas_->setRowCount(static_cast<int>(lista.size()));
  for (int fila = 0; fila < static_cast<int>(lista.size()); ++fila) {
    const QStringList textos = Fila(*lista[fila]);
    for (int c = 0; c < static_cast<int>(textos.size()); ++c) {
      PonerCelda(respuestas_, fila, c, textos[c]);
    }
  }
  respuestas_->resizeColumnsToContents();
}

std::optional<QString> VentanaResultados::ExportarResumen(const QString& archivo) const {
  QByteArray csv = LineaCsv({QCoreApplication::translate("Resultados", "alumno"),
                             QCoreApplication::translate("Resultados", "ejercicio"),
                             QCoreApplication::translate("Resultados", "ejercicios"),
                             QCoreApplication::translate("Resultados", "bien a la primera"),
                             QCoreApplication::translate("Resultados", "bien después"),
                             QCoreApplication::translate("Resultados", "mal")});
  for (const auto& [alumno, porTipo] : Contar(registros_.anotaciones, PeriodoElegido(), hoy_)) {
    for (int tipo = 0; tipo < static_cast<int>(porTipo.size()); ++tipo) {
      QStringList campos = {alumno, tipo == 0 ? QCoreApplication::translate("Resultados", "todos")
                                              : QString::number(tipo)};
      for (const int cifra : Cifras(porTipo[tipo])) campos.append(QString::number(cifra));
      csv += LineaCsv(campos);
    }
  }
  QSaveFile salida(archivo);
  if (!salida.open(QIODevice::WriteOnly) || salida.write(csv) != csv.size() || !salida.commit()) {
    return salida.errorString();
  }
  return std::nullopt;
}

QString VentanaResultados::PaginaHtml() const {
  QString html = QStringLiteral("<h2>%1</h2><p>%2</p><table border=1 cellpadding=3><tr><th></th>")
                     .arg(Escapar(Alumno()), Escapar(periodo_->currentText()));
  for (const char* columna : kCuentas) {
    html += QStringLiteral("<th>%1</th>").arg(Escapar(Traducir(columna)));
  }
  html += QStringLiteral("</tr>");
  for (int tipo = 0; tipo < resumen_->rowCount(); ++tipo) {
    html += QStringLiteral("<tr><td>%1</td>").arg(Escapar(Traducir(kTipos[tipo])));
    for (int c = 0; c < resumen_->columnCount(); ++c) {
      html += QStringLiteral("<td align=right>%1</td>").arg(resumen_->item(tipo, c)->text());
    }
    html += QStringLiteral("</tr>");
  }
  html += QStringLiteral("</table><p><img src=\"grafico\"></p><table border=1 cellpadding=2><tr>");
  for (const char* columna : kColumnasRespuestas) {
    html += QStringLiteral("<th>%1</th>").arg(Escapar(Traducir(columna)));
  }
  html += QStringLiteral("</tr>");
  for (int fila = 0; fila < respuestas_->rowCount(); ++fila) {
    html += QStringLiteral("<tr>");
    for (int c = 0; c < respuestas_->columnCount(); ++c) {
      html += QStringLiteral("<td>%1</td>").arg(Escapar(respuestas_->item(fila, c)->text()));
    }
    html += QStringLiteral("</tr>");
  }
  return html + QStringLiteral("</table>");
}

void VentanaResultados::Imprimir(QPrinter& impresora) const {
  QTextDocument documento;
  QImage grafico(900, 300, QImage::Format_RGB32);
  grafico.fill(Qt::white);
  QPainter pintor(&grafico);
  grafico_->Dibujar(pintor, grafico.rect());
  pintor.end();
  documento.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("grafico")), grafico);
  documento.setHtml(PaginaHtml());
  documento.print(&impresora);
}

void VentanaResultados::PreguntarExportar() {
  const QString archivo = QFileDialog::getSaveFileName(
      this, QCoreApplication::translate("Resultados", "Exportar resumen"),
      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + u'/' +
          QCoreApplication::translate("Resultados", "resumen") + QStringLiteral(".csv"),
      QStringLiteral("CSV (*.csv)"));
  if (archivo.isEmpty()) return;
  if (const auto fallo = ExportarResumen(archivo)) {
    QMessageBox::warning(this, windowTitle(),
                         QCoreApplication::translate("Resultados", "No se puede guardar «%1»: %2")
                             .arg(archivo, *fallo));
  }
}

void VentanaResultados::PreguntarImprimir() {
  QPrinter impresora;
  QPrintDialog eleccion(&impresora, this);
  if (eleccion.exec() == QDialog::Accepted) Imprimir(impresora);
}

}  // namespace tiendal
