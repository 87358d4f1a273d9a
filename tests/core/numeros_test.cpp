// SPDX-FileCopyrightText: 2026 Tiendal developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numeros.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

namespace tiendal {
namespace {

using Lectura = std::pair<const char16_t*, double>;  // text, number read

class LeerNumeroTest : public ::testing::TestWithParam<Lectura> {};

TEST_P(LeerNumeroTest, LeeElNumeroDelPrincipio) {
  const auto& [texto, valor] = GetParam();
  EXPECT_DOUBLE_EQ(LeerNumero(QString::fromUtf16(texto)), valor)
      << QString::fromUtf16(texto).toStdString();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tabla, LeerNumeroTest, ::testing::Values(
    Lectura{u"1.5", 1.5},          Lectura{u"1,5", 1},            Lectura{u" 1.5", 1.5},
    Lectura{u"1 5", 15},           Lectura{u"abc", 0},            Lectura{u"", 0},
    Lectura{u"\t\n 7", 7},         Lectura{u"\r7", 0},            Lectura{u"1\t2.\n5", 12.5},
    Lectura{u"-2.25", -2.25},      Lectura{u"+.5", 0.5},          Lectura{u"- 3", -3},
    Lectura{u".", 0},              Lectura{u"-", 0},              Lectura{u"1.2.3", 1.2},
    Lectura{u"1e2", 100},          Lectura{u"1D2", 100},          Lectura{u"2.5d-1", 0.25},
    Lectura{u"1E + 2", 100},       Lectura{u"2e", 2},             Lectura{u"2e+x", 2},
    Lectura{u"0.80\r\n", 0.8},     Lectura{u"1x2", 1},            Lectura{u"007", 7},
    Lectura{u"1e-400", 0},         Lectura{u"1e400", std::numeric_limits<double>::infinity()}));
// clang-format on

using Redondeo = std::pair<float, float>;
class RedondearTest : public ::testing::TestWithParam<Redondeo> {};
TEST_P(RedondearTest, AlCentesimoConEmpatesAlPar) {
  EXPECT_EQ(RedondearCentesimas(GetParam().first), GetParam().second);
}
// clang-format off
INSTANTIATE_TEST_SUITE_P(Tabla, RedondearTest, ::testing::Values(
    Redondeo{0.125f, 0.12f}, Redondeo{0.375f, 0.38f}, Redondeo{0.625f, 0.62f},
    Redondeo{7.349f, 7.35f}, Redondeo{7.3449f, 7.34f}, Redondeo{9.039999f, 9.04f},
    Redondeo{-0.125f, -0.12f}, Redondeo{1e37f, 1e37f}));
// clang-format on

using Formato = std::pair<float, const char*>;
class FormatoPrecioTest : public ::testing::TestWithParam<Formato> {};
TEST_P(FormatoPrecioTest, SieteCifrasYComa) {
  EXPECT_EQ(FormatoPrecio(GetParam().first).toStdString(), GetParam().second);
}
// clang-format off
INSTANTIATE_TEST_SUITE_P(Tabla, FormatoPrecioTest, ::testing::Values(
    Formato{1.5f, "1,5"},            Formato{2.0f, "2"},             Formato{0.85f, "0,85"},
    Formato{3.4499998f, "3,45"},     Formato{9.039999f, "9,039999"}, Formato{-1.5f, "-1,5"},
    Formato{0.0f, "0"},              Formato{-0.0f, "0"},            Formato{120.0f, "120"},
    Formato{12345678.0f, "12345680"}, Formato{0.0001f, "0,0001"},    Formato{1e-10f, "0,0000000001"},
    Formato{6114.16f, "6114,16"},    Formato{16702.27f, "16702,27"}, Formato{0.1f, "0,1"},
    Formato{std::numeric_limits<float>::infinity(), "0"}));
// clang-format on

}  // namespace
}  // namespace tiendal
