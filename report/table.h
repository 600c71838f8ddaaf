#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "matrix/matrix.h"

// The report is Windows-1257 text; every number stands right-aligned in a
// field of 5 characters (a wider one is written whole and pushes the rest of
// its line right). While every number of a line fits its field, each bar "|"
// stands at a position 1 + 8k of the line, under a hyphen of the frame.

// Writes one frame line: " -" and kiek segments of seven dashes (byte 0x96)
// and a hyphen, then a line end.
void Linija(std::ostream& fr, std::int32_t kiek);

// Writes a whole table section into fr: an empty line, the title, the column
// numbers 1..m between two frame lines, one line per row with its number and
// elements, a closing frame line and an empty line.
// Requires: 0 <= n <= Cn, 0 <= m <= Cm.
void Spausdinti(std::ostream& fr, std::string pavadinimas,
                const std::int32_t Mas[][Cm], std::int32_t n, std::int32_t m);
