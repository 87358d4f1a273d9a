#include <gtest/gtest.h>

#include "banco_lectura.h"

namespace tiendal {
namespace {

struct CasoColumna {
  const char* nombre;
  int tipo;
  QStringList precios;
  QString resultado;
  int cursor;
  QStringList sonidos;
};

void PrintTo(const CasoColumna& caso, std::ostream* os) { *os << caso.nombre; }

class Columna : public testing::TestWithParam<CasoColumna> {};

TEST_P(Columna, LeeLaColumnaDelCursor) {
  const CasoColumna& caso = GetParam();
  BancoLectura banco;
  banco.practica.TipoEjercicio = caso.tipo;
  banco.Suma(caso.precios, caso.resultado, caso.cursor);

  EXPECT_TRUE(banco.Tecla(kTeclaF2));

  EXPECT_EQ(banco.reproductor.abiertos, caso.sonidos);
  EXPECT_FALSE(banco.reproductor.Ocupado());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Casos, Columna, testing::Values(
  CasoColumna{"CursorAlFinal", 1, {"1,25", "3", "0"}, "12,5", 4,
              {"5.wav", "3.wav", "0.wav", "igual.wav", "5.wav"}},
  CasoColumna{"CursorAntesDeLaUltimaCifra", 1, {"1,25", "3", "0"}, "12,5", 3,
              {"2.wav", "0.wav", "0.wav", "igual.wav", "coma.wav"}},
  CasoColumna{"ColumnaDeLaComa", 1, {"1,25", "3", "0"}, "12,5", 2,
              {"coma.wav", "0.wav", "0.wav", "igual.wav", "2.wav"}},
  CasoColumna{"CursorAlPrincipio", 1, {"1,25", "3", "10,5"}, "12,5", 0,
              {"0.wav", "0.wav", "0.wav", "igual.wav", "0.wav"}},
  CasoColumna{"FilaMasLargaQueElResultado", 1, {"123,45", "3", "0"}, "9", 0,
              {"4.wav", "0.wav", "0.wav", "igual.wav", "0.wav"}},
  CasoColumna{"ResultadoVacio", 1, {"1,5", "2", "0"}, "", 0,
              {"5.wav", "2.wav", "0.wav", "igual.wav", "0.wav"}},
  CasoColumna{"CursorFueraDelTexto", 1, {"1,5", "2", "0"}, "3,5", 9,
              {"5.wav", "2.wav", "0.wav", "igual.wav", "5.wav"}},
  CasoColumna{"SignoLetraYEspacio", 1, {"-3", "a1", " 2"}, "x 9", 2,
              {"coma.wav", "coma.wav", "coma.wav", "igual.wav", "coma.wav"}},
  CasoColumna{"CifrasNoLatinas", 1, {"\u0663", "1"}, "1", 1,
              {"coma.wav", "1.wav", "igual.wav", "1.wav"}},
  CasoColumna{"Tipo2LeeElBillete", 2, {"20,00", "1,5"}, "18,5", 4,
              {"0.wav", "5.wav", "igual.wav", "5.wav"}},
  CasoColumna{"Tipo5CallaElDinero", 5, {"12,3", "2", "1,5", "0", "0", "0"}, "3,5", 3,
              {"2.wav", "5.wav", "0.wav", "0.wav", "0.wav", "igual.wav", "5.wav"}},
  CasoColumna{"Tipo4DiceLasUnidadesEnteras", 4, {"1,5", "3"}, "4,5", 4,
              {"5.wav", "3.wav", "igual.wav", "5.wav"}},
  CasoColumna{"Tipo4UnidadesEnCualquierColumna", 4, {"1,5", "3"}, "4,5", 0,
              {"0.wav", "3.wav", "igual.wav", "0.wav"}},
  CasoColumna{"Tipo4SinProductoTodavia", 4, {"0", "0"}, "", 0,
              {"0.wav", "0.wav", "igual.wav", "0.wav"}},
  CasoColumna{"UnaSolaFila", 3, {"7"}, "7", 1,
              {"7.wav", "igual.wav", "7.wav"}}
), [](const testing::TestParamInfo<CasoColumna>& dato) { return dato.param.nombre; });
// clang-format on

TEST(Columna, EsperaCadaSonidoAntesDelSiguiente) {
  BancoLectura banco;
  banco.reproductor.pasos = 4;
  banco.Suma({"1", "2"}, "3", 1);
  banco.Tecla(kTeclaF2);
  // Four sounds of four passes each: no sound was cut off by the next.
  EXPECT_EQ(banco.reproductor.abiertos.size(), 4);
  EXPECT_EQ(banco.pasadas, 16);
}

TEST(Columna, SinSonidoPropioEsperaAlQueYaSonaba) {
  BancoLectura banco;
  banco.practica.TipoEjercicio = 5;
  banco.Suma({"8", "2"}, "2", 1);
  banco.reproductor.pasos = 5;
  banco.sonido.ReproducirSonido(QStringLiteral("tipo5.wav"));
  int pasadasAlEmpezarFila1 = -1;
  banco.Durante(QStringLiteral("2.wav"), [&] { pasadasAlEmpezarFila1 = banco.pasadas; });

  banco.Tecla(kTeclaF2);

  EXPECT_EQ(banco.reproductor.abiertos, (QStringList{"tipo5.wav", "2.wav", "igual.wav", "2.wav"}));
  EXPECT_EQ(pasadasAlEmpezarFila1, 6);  // the announcement's five passes went first
}

TEST(Columna, CtrlCortaSoloElSonidoYLaLecturaSigue) {
  BancoLectura banco;
  banco.Suma({"1", "2", "3"}, "6", 1);
  banco.Durante(QStringLiteral("2.wav"), [&] { banco.Tecla(kTeclaCtrl); });

  banco.Tecla(kTeclaF2);

  EXPECT_EQ(banco.reproductor.abiertos,
            (QStringList{"1.wav", "2.wav", "3.wav", "igual.wav", "6.wav"}));
  EXPECT_EQ(banco.reproductor.detenciones, 1);
  EXPECT_TRUE(banco.practica.DetenerLectura);
}

TEST(Columna, ArchivosQueFaltanNoLaDetienen) {
  BancoLectura banco;
  banco.reproductor.fallidos = {QStringLiteral("1.wav"), QStringLiteral("igual.wav")};
  banco.Suma({"1", "2"}, "3", 1);
  banco.Tecla(kTeclaF2);
  EXPECT_EQ(banco.reproductor.abiertos, (QStringList{"1.wav", "2.wav", "igual.wav", "3.wav"}));
}

TEST(Columna, TomaElTextoDeCadaFilaAlLlegarAElla) {
  BancoLectura banco;
  banco.Suma({"1", "2"}, "3", 1);
  banco.Durante(QStringLiteral("1.wav"), [&] {
    banco.vista.precios[1] = QStringLiteral("7");
    banco.vista.resultado = QStringLiteral("8");
  });
  banco.Tecla(kTeclaF2);
  EXPECT_EQ(banco.reproductor.abiertos, (QStringList{"1.wav", "7.wav", "igual.wav", "8.wav"}));
}

}  // namespace
}  // namespace tiendal
