#include "matrix/square.h"

#include <gtest/gtest.h>

#include "tests/helpers.h"

namespace {

// Fills rows 0..n-1, columns 0..m-1 with 100 * (i + 1) + j + 1 and every
// other cell with kSargas.
void Uzpildyti(std::int32_t Mas[][Cm], std::int32_t n, std::int32_t m) {
  UzpildytiSargu(Mas);
  for (std::int32_t i = 0; i < n; ++i) {
    for (std::int32_t j = 0; j < m; ++j) Mas[i][j] = 100 * (i + 1) + j + 1;
  }
}

TEST(Square, EndsWithAsManyRowsAsColumns) {
  struct Atvejis {
    std::int32_t n, m;
    std::int32_t nuliu;  // zero rows expected on top
    std::int32_t pirma;  // former row (1-based) that follows them
  };
  const Atvejis atvejai[] = {
      {0, 0, 0, 1},   {0, 3, 3, 1},     {3, 4, 1, 1},     {5, 2, 0, 4},
      {2, 2, 0, 1},   {4, 0, 0, 1},     {100, 50, 0, 51}, {0, 50, 50, 1},
      {1, 50, 49, 1}, {100, 1, 0, 100},
  };
  for (const Atvejis& a : atvejai) {
    std::int32_t Mas[Cn][Cm];
    Uzpildyti(Mas, a.n, a.m);
    std::int32_t n = a.n;
    Formuoti(Mas, n, a.m);
    ASSERT_EQ(a.m, n) << a.n << "x" << a.m;
    for (std::int32_t i = 0; i < n; ++i) {
      for (std::int32_t j = 0; j < a.m; ++j) {
        const std::int32_t laukiama =
            i < a.nuliu ? 0 : 100 * (a.pirma + i - a.nuliu) + j + 1;
        ASSERT_EQ(laukiama, Mas[i][j])
            << a.n << "x" << a.m << " at " << i << "," << j;
      }
      if (a.m < Cm) {
        ASSERT_EQ(kSargas, Mas[i][a.m])
            << a.n << "x" << a.m << ": column m touched";
      }
    }
  }
}

TEST(Square, RemovingAndInsertingShiftByOneRow) {
  std::int32_t Mas[Cn][Cm];
  Uzpildyti(Mas, 3, 2);
  std::int32_t n = 3;
  Iterpti(Mas, n, 2);
  ASSERT_EQ(4, n);
  EXPECT_EQ(kSargas, Mas[4][0]) << "a cell below the new last row";
  EXPECT_EQ(0, Mas[0][1]);
  EXPECT_EQ(101, Mas[1][0]);
  EXPECT_EQ(302, Mas[3][1]);
  Salinti(Mas, n, 2);
  Salinti(Mas, n, 2);
  ASSERT_EQ(2, n);
  EXPECT_EQ(201, Mas[0][0]);
  EXPECT_EQ(302, Mas[1][1]);
  EXPECT_EQ(kSargas, Mas[0][2]);
}

}  // namespace
