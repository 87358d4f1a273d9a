// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/lectura_registro.h"

#include <csv.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <optional>
#include <variant>

#include "record/columnas.h"

namespace tiendal {
namespace {

// A file in another format would otherwise give a message for each of its lines.
constexpr int kAvisosPorArchivo = 10;

// libcsv's callbacks gather the fields of one line here, decoded from UTF-8; `utf8` remembers
// whether any of them was not UTF-8.
struct Campos {
  QStringDecoder utf8{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless};
  std::vector<QString> campos;
  static void Campo(void* texto, size_t largo, void* datos) {
    auto* estos = static_cast<Campos*>(datos);
    estos->campos.push_back(estos->utf8(
        QByteArrayView(static_cast<const char*>(texto), static_cast<qsizetype>(largo))));
  }
  static void FinDeLinea(int, void*) {}
};

std::optional<int> Entero(const QString& texto, int minimo, int maximo) {
  bool bien = false;
  const int n = texto.toInt(&bien);
  if (!bien || n < minimo || n > maximo) return std::nullopt;
  return n;
}

// The line's record, or why it is not one.
std::variant<Anotacion, QString> Interpretar(std::vector<QString>& campos, bool utf8) {
  if (campos.size() != kColumnas) {
    return QCoreApplication::translate("Registro", "no tiene %1 campos sino %2")
        .arg(QString::number(kColumnas), QString::number(campos.size()));
  }
  if (!utf8) return QCoreApplication::translate("Registro", "no está en UTF-8");
  Anotacion a;
  a.fecha = QDateTime::fromString(campos[kFecha], Qt::ISODate);
  if (!a.fecha.isValid())
    return QCoreApplication::translate("Registro", "la fecha «%1» no es válida")
        .arg(campos[kFecha]);
  const auto ejercicio = Entero(campos[kEjercicio], 1, 5);
  if (!ejercicio) {
    return QCoreApplication::translate("Registro", "el ejercicio «%1» no es ninguno de los cinco")
        .arg(campos[kEjercicio]);
  }
  if (campos[kVeredicto] != kCorrecta && campos[kVeredicto] != kIncorrecta) {
    return QCoreApplication::translate("Registro", "el veredicto «%1» no es «%2» ni «%3»")
        .arg(campos[kVeredicto], kCorrecta, kIncorrecta);
  }
  const auto comprobacion = Entero(campos[kComprobacion], 1, 1000000);
  const auto segundos = Entero(campos[kSegundos], 0, 1000000000);
  if (!comprobacion || !segundos) {
    return QCoreApplication::translate(
               "Registro", "la comprobación «%1» o los segundos «%2» no son un número válido")
        .arg(campos[kComprobacion], campos[kSegundos]);
  }
  a.alumno = std::move(campos[kAlumno]);
  a.ventana = std::move(campos[kVentana]);
  a.ejercicio = *ejercicio;
  a.carpeta = std::move(campos[kCarpeta]);
  a.productos = std::move(campos[kProductos]);
  a.dinero = std::move(campos[kDinero]);
  a.unidades = std::move(campos[kUnidades]);
  a.esperado = std::move(campos[kEsperado]);
  a.tecleado = std::move(campos[kTecleado]);
  a.correcta = campos[kVeredicto] == kCorrecta;
  a.comprobacion = *comprobacion;
  a.segundos = *segundos;
  return a;
}

void LeerArchivo(const QString& archivo, Registros& registros) {
  QFile f(archivo);
  if (!f.open(QIODevice::ReadOnly)) {
    registros.avisos.append(QCoreApplication::translate("Registro", "%1: no se puede leer (%2)")
                                .arg(archivo, f.errorString()));
    return;
  }
  LeerTextoRegistro(f.readAll(), archivo, registros);
}

}  // namespace

void LeerTextoRegistro(const QByteArray& datos, const QString& nombre, Registros& registros) {
  if (datos.trimmed().isEmpty()) {
    registros.avisos.append(QCoreApplication::translate("Registro", "%1: está vacío").arg(nombre));
    return;
  }
  if (datos.contains('\0')) {
    registros.avisos.append(
        QCoreApplication::translate("Registro", "%1: no es un registro de Tiendal").arg(nombre));
    return;
  }
  csv_parser analizador{};
  csv_init(&analizador, 0);
  Campos campos;
  int fallidas = 0;
  // Each line is parsed on its own: the program writes no line breaks inside a field, and a
  // damaged line then spoils no other.
  qsizetype inicio = datos.startsWith("\xEF\xBB\xBF") ? 3 : 0;  // a spreadsheet's BOM
  for (int numero = 1; inicio < datos.size(); ++numero) {
    qsizetype fin = datos.indexOf('\n', inicio);
    if (fin < 0) fin = datos.size();
    QByteArrayView linea(datos.constData() + inicio, fin - inicio);
    inicio = fin + 1;
    if (linea.endsWith('\r')) linea.chop(1);
    if (linea.trimmed().isEmpty()) continue;
    campos.campos.clear();
    campos.utf8.resetState();
    csv_parse(&analizador, linea.data(), static_cast<size_t>(linea.size()), &Campos::Campo,
              &Campos::FinDeLinea, &campos);
    csv_fini(&analizador, &Campos::Campo, &Campos::FinDeLinea, &campos);
    if (numero == 1 && campos.campos.front() == kNombresColumnas[kFecha]) continue;
    auto leida = Interpretar(campos.campos, !campos.utf8.hasError());
    if (auto* anotacion = std::get_if<Anotacion>(&leida)) {
      registros.anotaciones.push_back(std::move(*anotacion));
    } else if (++fallidas <= kAvisosPorArchivo) {
      registros.avisos.append(QCoreApplication::translate("Registro", "%1, línea %2: %3")
                                  .arg(nombre, QString::number(numero), std::get<QString>(leida)));
    }
  }
  csv_free(&analizador);
  if (fallidas > kAvisosPorArchivo) {
    registros.avisos.append(
        QCoreApplication::translate("Registro", "%1: y %2 líneas más que no se pueden leer")
            .arg(nombre, QString::number(fallidas - kAvisosPorArchivo)));
  }
}

Registros LeerRegistros(const QStringList& rutas) {
  Registros registros;
  for (const QString& ruta : rutas) {
    const QFileInfo info(ruta);
    if (!info.isDir()) {
      LeerArchivo(ruta, registros);
      continue;
    }
    const QStringList archivos =
        QDir(ruta).entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    for (const QString& archivo : archivos) LeerArchivo(QDir(ruta).filePath(archivo), registros);
  }
  return registros;
}

}  // namespace tiendal
