#pragma once

#include <cstdint>
#include <optional>

// The average of the positive elements of one row (eil points at its first
// element), or nothing when the row has no positive element. Zeros and
// negatives are skipped; the sum is kept in 64 bits, so it cannot overflow.
// Requires: 0 <= m <= Cm.
std::optional<double> Vidurkis(const std::int32_t* eil, std::int32_t m);
