#include "matrix/average.h"

std::optional<double> Vidurkis(const std::int32_t* eil, std::int32_t m) {
  std::int64_t suma = 0;
  std::int32_t kiek = 0;
  for (std::int32_t j = 0; j < m; ++j) {
    if (eil[j] > 0) {
      suma += eil[j];
      ++kiek;
    }
  }
  if (kiek == 0) return std::nullopt;
  return static_cast<double>(suma) / static_cast<double>(kiek);
}
