#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "matrix/matrix.h"
#include "os/error.h"
#include "os/file.h"

// Writes the averages section: its title, then for each row in use
// "Eilute nr. <i>: <average>." with the average in fixed notation with 2
// decimals (or a note that the row has no positive element), then an empty
// line. Text in Windows-1257; the averages are written the same whatever the
// stream's or the program's locale.
// Requires: 0 <= n <= Cn, 0 <= m <= Cm.
void VidurkiuSkyrius(std::ostream& fr, const std::int32_t Mas[][Cm],
                     std::int32_t n, std::int32_t m);

// Writes the averages section to the open results file fr. Returns false
// when it cannot be written whole, with the error in klaida (see
// IrasytiSkyriu).
bool Vidurkiai(Rankena fr, const std::int32_t Mas[][Cm], std::int32_t n,
               std::int32_t m, SistemosKlaida& klaida);
