#pragma once

#include <cstdint>

#include "matrix/matrix.h"

// The smallest element of one row (eil points at its first element).
// Requires: 1 <= m <= Cm.
std::int32_t Min(const std::int32_t* eil, std::int32_t m);

// Replaces the last element of every row in use by that row's minimum, taken
// over the whole row before the change. Rows without columns (m == 0) are
// left alone. Requires: 0 <= n <= Cn, 0 <= m <= Cm.
void Pakeisti(std::int32_t Mas[][Cm], std::int32_t n, std::int32_t m);
