#pragma once

#include <cstdint>

// The matrix store: a fixed block of Cn rows by Cm columns of signed 32-bit
// integers, row by row with a stride of Cm. The counts n and m travel beside
// it; only rows 0..n-1 and columns 0..m-1 carry meaning, and no routine reads
// or clears a cell outside them.
constexpr std::int32_t Cn = 100;
constexpr std::int32_t Cm = 50;
