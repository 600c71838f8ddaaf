#include "matrix/replace.h"

std::int32_t Min(const std::int32_t* eil, std::int32_t m) {
  std::int32_t maz = eil[0];
  for (std::int32_t j = 1; j < m; ++j) {
    if (eil[j] < maz) maz = eil[j];
  }
  return maz;
}

void Pakeisti(std::int32_t Mas[][Cm], std::int32_t n, std::int32_t m) {
  if (m == 0) return;
  for (std::int32_t i = 0; i < n; ++i) Mas[i][m - 1] = Min(Mas[i], m);
}
