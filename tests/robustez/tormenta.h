#ifndef TIENDAL_ROBUSTEZ_TORMENTA_H
#define TIENDAL_ROBUSTEZ_TORMENTA_H

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <memory>
#include <random>
#include <vector>

#include "app/programa.h"

class QWidget;

namespace tiendal::robustez {

// An impatient pupil: a seeded random sequence of actions on the program's open window, each
// run from the event loop, so that an action can land inside a reading that waits for a sound,
// inside a message box or inside the chooser (the modal ones are answered, at random, as a
// pupil would). After every action, and before the next, the practice record and what the
// window shows of it must agree.
class Tormenta final : public QObject {
 public:
  // The program on `carpeta`, with the real windows and SDL players; the windows' random
  // numbers come from the seed too.
  Tormenta(QString carpeta, std::uint32_t semilla, int acciones);
  ~Tormenta() override;
  Tormenta(const Tormenta&) = delete;
  Tormenta& operator=(const Tormenta&) = delete;

  // Runs every action, then lets every reading, message box and handler end. False when the
  // program could not even start.
  bool Correr();

  // What went wrong, with the number of the action and the last actions before it.
  const QStringList& Fallos() const { return fallos_; }
  // How often each kind of action was done, for the record of a run.
  const std::map<QString, int>& Cuentas() const { return cuentas_; }
  int ProfundidadMaxima() const { return profundidadMaxima_; }
  // Actions done while a reading of the open window waited for a sound.
  int EnLectura() const { return enLectura_; }

 private:
  void Paso();
  void Accion(VentanaPractica& ventana);
  void Contestar(QWidget& modal);
  bool Arrancar();
  VentanaPractica* Ventana() const;  // the open window of the program, null once it ended

  int Azar(int desde, int hasta);  // inclusive
  bool Moneda(double probabilidad);
  void Anotar(const QString& clase, const QString& detalle = {});
  void Fallo(const QString& que);
  void Comprobar(const char* cuando);
  void ComprobarVentana(VentanaPractica& ventana);
  void ComprobarArchivoDeOpciones(const Practica& p);

  void Tecla(VentanaPractica& ventana, int tecla, Qt::KeyboardModifiers mod = Qt::NoModifier);
  void PulsarEn(QWidget& dentro, QPoint donde);
  void Escribir(VentanaPractica& ventana);

  QString carpeta_;
  std::mt19937 azar_;
  int total_;
  int hechas_ = 0;
  int profundidad_ = 0;
  int profundidadMaxima_ = 0;
  int enLectura_ = 0;
  bool terminada_ = false;
  // The pupil lets the readings end, for at most `paciencia_` ms, before going on.
  bool esperando_ = false;
  QElapsedTimer espera_;
  qint64 paciencia_ = 0;
  bool programaTerminado_ = false;
  std::vector<std::unique_ptr<Programa>> programas_;
  QStringList ultimas_;
  QStringList fallos_;
  std::map<QString, int> cuentas_;
};

// The seed of the storm: TIENDAL_SEMILLA when set, else the given one.
std::uint32_t SemillaDeTormenta(std::uint32_t porDefecto);
// The number of actions: TIENDAL_ACCIONES when set, else the given one.
int AccionesDeTormenta(int porDefecto);

}  // namespace tiendal::robustez

#endif
