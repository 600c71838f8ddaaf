#include "matrix/replace.h"

#include <algorithm>

std::int32_t Min(const std::int32_t* eil, std::int32_t m) {
  return *std::min_element(eil, eil + m);
}

void Pakeisti(std::int32_t Mas[][Cm], std::int32_t n, std::int32_t m) {
  if (m == 0) return;
  for (std::int32_t i = 0; i < n; ++i) Mas[i][m - 1] = Min(Mas[i], m);
}
