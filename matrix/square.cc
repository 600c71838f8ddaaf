#include "matrix/square.h"

void Salinti(std::int32_t Mas[][Cm], std::int32_t& n, std::int32_t m) {
  for (std::int32_t i = 0; i + 1 < n; ++i) {
    for (std::int32_t j = 0; j < m; ++j) Mas[i][j] = Mas[i + 1][j];
  }
  --n;
}

void Iterpti(std::int32_t Mas[][Cm], std::int32_t& n, std::int32_t m) {
  // From the bottom up, so that no row is overwritten before it is copied.
  for (std::int32_t i = n - 1; i >= 0; --i) {
    for (std::int32_t j = 0; j < m; ++j) Mas[i + 1][j] = Mas[i][j];
  }
  for (std::int32_t j = 0; j < m; ++j) Mas[0][j] = 0;
  ++n;
}

void Formuoti(std::int32_t Mas[][Cm], std::int32_t& n, std::int32_t m) {
  // Rows are inserted only while n < m, so n never passes m <= Cm <= Cn.
  static_assert(Cm <= Cn, "a square matrix of Cm rows must fit the store");
  while (n > m) Salinti(Mas, n, m);
  while (n < m) Iterpti(Mas, n, m);
}
