#ifndef TIENDAL_CORE_SESION_H
#define TIENDAL_CORE_SESION_H

#include <QString>
#include <optional>

#include "core/practica.h"
#include "core/rutas.h"

namespace tiendal {

class Aleatorio;
class Vista;

// Whether the window shows the shelf (Form1) or keeps it out of sight (Form2).
enum class Estante { Visible, Oculto };

// One main window's practice: its record and the exercise rules that act on it. The window
// calls these operations from its event handlers and is reached back only through `Vista`.
class Sesion final {
 public:
  Sesion(Vista& vista, Aleatorio& azar, Rutas rutas, Estante estante = Estante::Visible);
  Sesion(const Sesion&) = delete;
  Sesion& operator=(const Sesion&) = delete;

  // Window load: options, catalogue, prices, first exercise. On failure, a Spanish message that
  // names the missing or broken file or folder; nothing is shown then.
  std::optional<QString> Form_Load();

  void CBNuevo_Click();
  void Picture1_Click(int hueco);
  void Text1_Click(int hueco);
  void AgregarProducto(int hueco);
  void LBNombre_Click(int fila);
  void CBCorregir_Click();
  void MnuOpcVal_Click();
  void MnuOpcMos_Click();

  // Steps of the above, open to the windows' tests and the data checker.
  void LeerOpciones();
  void GuardarOpciones();
  std::optional<QString> ExplorarCatalogo();
  std::optional<QString> CargarPrecios();
  void ElegirProductos();
  void AjustarImagenes();
  void NuevoEjercicio();

  Practica& practica() { return p_; }
  const Practica& practica() const { return p_; }
  const Rutas& rutas() const { return rutas_; }

 private:
  int Sortear(int cuantos, int desde);
  void MostrarFilasDesde(int primera);
  void CorregirTipo5();

  Vista& vista_;
  Aleatorio& azar_;
  Rutas rutas_;
  Estante estante_;
  Practica p_;
};

}  // namespace tiendal

#endif
