#pragma once

#include <cstdint>

#include "matrix/matrix.h"

// Removes row 0: rows 1..n-1 move up by one (columns 0..m-1 only) and n
// decreases by 1. Requires: 1 <= n <= Cn, 0 <= m <= Cm.
void Salinti(std::int32_t Mas[][Cm], std::int32_t& n, std::int32_t m);

// Inserts a row of zeros as row 0: rows 0..n-1 move down by one (columns
// 0..m-1 only) and n increases by 1. Requires: 0 <= n < Cn, 0 <= m <= Cm.
void Iterpti(std::int32_t Mas[][Cm], std::int32_t& n, std::int32_t m);

// Makes the matrix square, n == m, by removing rows from the top or adding
// rows of zeros on top; m never changes. Requires: 0 <= n <= Cn, 0 <= m <= Cm.
void Formuoti(std::int32_t Mas[][Cm], std::int32_t& n, std::int32_t m);
