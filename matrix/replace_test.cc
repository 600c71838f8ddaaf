#include "matrix/replace.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/helpers.h"

namespace {

TEST(Replace, MinOfTheWholeRow) {
  struct Atvejis {
    std::vector<std::int32_t> eil;
    std::int32_t min;
  };
  const Atvejis atvejai[] = {
      {{7}, 7},
      {{1, -2, 3, 4}, -2},
      {{10, 20, 30, 6}, 6},
      {{-5, 3, -5}, -5},
      {{2147483647, -2147483647 - 1}, -2147483647 - 1},
  };
  for (const Atvejis& a : atvejai) {
    EXPECT_EQ(a.min, Min(a.eil.data(), static_cast<std::int32_t>(a.eil.size())))
        << ::testing::PrintToString(a.eil);
  }
}

TEST(Replace, LastElementBecomesTheRowMinimum) {
  std::int32_t Mas[Cn][Cm];
  UzpildytiSargu(Mas);
  const std::int32_t pradzia[3][4] = {
      {1, -2, 3, 4}, {-1, -5, 0, -7}, {10, 20, 30, 6}};
  const std::int32_t laukiama[3][4] = {
      {1, -2, 3, -2}, {-1, -5, 0, -7}, {10, 20, 30, 6}};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 4; ++j) Mas[i][j] = pradzia[i][j];
  }
  Pakeisti(Mas, 3, 4);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 4; ++j) EXPECT_EQ(laukiama[i][j], Mas[i][j]) << i << j;
    EXPECT_EQ(kSargas, Mas[i][4]) << "column past m changed in row " << i;
  }
  EXPECT_EQ(kSargas, Mas[3][3]) << "row past n changed";
}

TEST(Replace, OneColumnNoRowsOrNoColumnsChangeNothing) {
  std::int32_t Mas[Cn][Cm];
  UzpildytiSargu(Mas);
  Mas[0][0] = 4;
  Mas[1][0] = -2;
  Pakeisti(Mas, 2, 1);
  EXPECT_EQ(4, Mas[0][0]);
  EXPECT_EQ(-2, Mas[1][0]);
  Pakeisti(Mas, 0, 3);
  Pakeisti(Mas, 2, 0);
  EXPECT_EQ(4, Mas[0][0]);
  EXPECT_EQ(kSargas, Mas[0][1]);
  EXPECT_EQ(kSargas, Mas[0][2]);
}

}  // namespace
