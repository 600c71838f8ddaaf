#pragma once

#include <cstdint>
#include <ostream>

#include "matrix/matrix.h"

// Writes the averages section into fr: its title, then for each row in use
// "Eilute nr. <i>: <average>." with the average in fixed notation with 2
// decimals (or a note that the row has no positive element), then an empty
// line. Text in Windows-1257; the averages are written the same whatever the
// stream's or the program's locale.
// Requires: 0 <= n <= Cn, 0 <= m <= Cm.
void Vidurkiai(std::ostream& fr, const std::int32_t Mas[][Cm], std::int32_t n,
               std::int32_t m);
