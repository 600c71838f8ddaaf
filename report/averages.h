#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "matrix/matrix.h"

// Writes the averages section: its title, then for each row in use
// "Eilute nr. <i>: <average>." with the average in fixed notation with 2
// decimals (or a note that the row has no positive element), then an empty
// line. Text in Windows-1257; the stream's number format is restored.
// Requires: 0 <= n <= Cn, 0 <= m <= Cm.
void VidurkiuSkyrius(std::ostream& fr, const std::int32_t Mas[][Cm],
                     std::int32_t n, std::int32_t m);

// Appends the averages section to the file Rez. Returns false when the file
// cannot be opened or written.
bool Vidurkiai(std::string Rez, const std::int32_t Mas[][Cm], std::int32_t n,
               std::int32_t m);
