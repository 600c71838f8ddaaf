#pragma once

// Helpers shared by the unit tests and the fuzz target.

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "matrix/matrix.h"

// A value no test writes on purpose: cells that must stay untouched hold it.
constexpr std::int32_t kSargas = 0x5a5a5a5a;

// Fills every cell of the store with kSargas.
inline void UzpildytiSargu(std::int32_t Mas[][Cm]) {
  for (std::int32_t i = 0; i < Cn; ++i) {
    for (std::int32_t j = 0; j < Cm; ++j) Mas[i][j] = kSargas;
  }
}

// The text's lines, without their line ends.
inline std::vector<std::string> Eilutes(const std::string& tekstas) {
  std::vector<std::string> eilutes;
  std::istringstream is(tekstas);
  for (std::string e; std::getline(is, e);) eilutes.push_back(e);
  return eilutes;
}
