#ifndef TIENDAL_CORE_VISTA_H
#define TIENDAL_CORE_VISTA_H

#include <QString>

namespace tiendal {

// Controls whose place in the keyboard focus order the core rearranges.
enum class Control { Instrucciones, Nombre, Precio, EtiquetaResultado, Resultado };

// The two options of the "Opciones" menu that carry a check mark.
enum class Opcion { ValoresEnteros, MostrarResultado };

// Everything the exercise core may ask of a main window. Positions and sizes are in twips
// (15 to a logical pixel); shelf slots are 0..5 and list rows count from 0.
class Vista {
 public:
  virtual ~Vista() = default;

  // Text2.
  virtual void PonerInstrucciones(const QString& texto) = 0;

  // Shelf slot i: Text1(i), Image1(i) and the frame Picture1(i).
  virtual void PonerTextoHueco(int hueco, const QString& texto) = 0;
  // Hides Image1(i), turns stretching off and loads the picture at its own size. A file that
  // cannot be decoded leaves an empty picture of size 0 x 0.
  virtual void CargarImagen(int hueco, const QString& ruta) = 0;
  virtual int AnchoImagen(int hueco) const = 0;  // as the window has set it
  virtual int AltoImagen(int hueco) const = 0;
  // Turns stretching on and sets the size; the window rounds it to whole pixels.
  virtual void EstirarImagen(int hueco, float ancho, float alto) = 0;
  // Moves the picture inside its frame and shows it.
  virtual void ColocarImagen(int hueco, double izquierda, double arriba) = 0;
  // Yellow highlight, or the window's own background colour.
  virtual void ResaltarHueco(int hueco, bool resaltado) = 0;

  // Shopping list rows: LBNombre(r) with TBPrecio(r).
  virtual int ContarFilas() const = 0;
  virtual void CrearFila() = 0;  // the row with the next number, looking like row 0
  virtual void DestruirFila(int fila) = 0;
  // Shows and enables the row at the given top, its label and box at the given lefts.
  virtual void MostrarFila(int fila, int arriba, int izquierdaNombre, int izquierdaPrecio) = 0;
  virtual void PonerNombre(int fila, const QString& texto) = 0;
  virtual QString Nombre(int fila) const = 0;
  virtual void PonerPrecio(int fila, const QString& texto) = 0;
  virtual QString Precio(int fila) const = 0;
  virtual void EnfocarPrecio(int fila) = 0;

  // Result row: LBResultado and TBResultado.
  virtual void PonerArribaResultado(int arriba) = 0;
  virtual void PonerResultado(const QString& texto) = 0;
  virtual QString Resultado() const = 0;

  // Puts a control last in the keyboard focus order; `fila` names the row for Nombre/Precio.
  virtual void PonerUltimoEnOrden(Control control, int fila = 0) = 0;

  virtual void MarcarOpcion(Opcion opcion, bool marcada) = 0;

  // Message box titled "Tiendal" with one OK button and no icon; returns once it is closed.
  virtual void Mensaje(const QString& texto) = 0;
  virtual void Pitido() = 0;
  // Starts a file of the sounds folder and returns at once, cutting off any sound playing.
  virtual void ReproducirSonido(const QString& nombre) = 0;
};

}  // namespace tiendal

#endif
