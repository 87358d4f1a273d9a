#include "audio/memoria_sonidos.h"

#include <gtest/gtest.h>

namespace tiendal {
namespace {

MemoriaSonidos::Muestras Bytes(std::size_t n) {
  return std::make_shared<const std::vector<std::uint8_t>>(n, std::uint8_t{1});
}

constexpr MemoriaSonidos::Huella kVersion1{100, 1};
constexpr MemoriaSonidos::Huella kVersion2{100, 2};

TEST(MemoriaSonidos, DevuelveLoGuardadoParaLaMismaVersionDelArchivo) {
  MemoriaSonidos memoria(1000);
  const auto muestras = Bytes(10);
  memoria.Guardar(QStringLiteral("a"), kVersion1, muestras);
  EXPECT_EQ(memoria.Buscar(QStringLiteral("a"), kVersion1), muestras);
  EXPECT_EQ(memoria.Buscar(QStringLiteral("b"), kVersion1), nullptr);
}

TEST(MemoriaSonidos, UnArchivoCambiadoSeVuelveALeer) {
  MemoriaSonidos memoria(1000);
  memoria.Guardar(QStringLiteral("a"), kVersion1, Bytes(10));
  EXPECT_EQ(memoria.Buscar(QStringLiteral("a"), kVersion2), nullptr);
  EXPECT_EQ(memoria.Buscar(QStringLiteral("a"), MemoriaSonidos::Huella{99, 1}), nullptr);
  EXPECT_EQ(memoria.Cuantos(), 0u);
  EXPECT_EQ(memoria.Bytes(), 0u);
}

TEST(MemoriaSonidos, SeQuitaElUsadoHaceMasTiempo) {
  MemoriaSonidos memoria(30);
  memoria.Guardar(QStringLiteral("a"), kVersion1, Bytes(10));
  memoria.Guardar(QStringLiteral("b"), kVersion1, Bytes(10));
  memoria.Guardar(QStringLiteral("c"), kVersion1, Bytes(10));
  ASSERT_NE(memoria.Buscar(QStringLiteral("a"), kVersion1), nullptr);  // "b" is now the oldest

  memoria.Guardar(QStringLiteral("d"), kVersion1, Bytes(10));

  EXPECT_EQ(memoria.Buscar(QStringLiteral("b"), kVersion1), nullptr);
  EXPECT_NE(memoria.Buscar(QStringLiteral("a"), kVersion1), nullptr);
  EXPECT_NE(memoria.Buscar(QStringLiteral("c"), kVersion1), nullptr);
  EXPECT_NE(memoria.Buscar(QStringLiteral("d"), kVersion1), nullptr);
  EXPECT_EQ(memoria.Bytes(), 30u);
}

TEST(MemoriaSonidos, GuardarOtraVezReemplaza) {
  MemoriaSonidos memoria(100);
  memoria.Guardar(QStringLiteral("a"), kVersion1, Bytes(10));
  const auto nuevas = Bytes(20);
  memoria.Guardar(QStringLiteral("a"), kVersion2, nuevas);
  EXPECT_EQ(memoria.Buscar(QStringLiteral("a"), kVersion2), nuevas);
  EXPECT_EQ(memoria.Cuantos(), 1u);
  EXPECT_EQ(memoria.Bytes(), 20u);
}

TEST(MemoriaSonidos, UnSonidoMayorQueTodaLaMemoriaNoSeGuarda) {
  MemoriaSonidos memoria(100);
  memoria.Guardar(QStringLiteral("a"), kVersion1, Bytes(50));
  memoria.Guardar(QStringLiteral("b"), kVersion1, Bytes(101));
  EXPECT_EQ(memoria.Buscar(QStringLiteral("b"), kVersion1), nullptr);
  EXPECT_NE(memoria.Buscar(QStringLiteral("a"), kVersion1), nullptr);
}

}  // namespace
}  // namespace tiendal
