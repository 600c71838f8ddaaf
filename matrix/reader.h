#pragma once

#include <cstdint>
#include <istream>
#include <string>

#include "matrix/matrix.h"

// Reads the data file Duom into Mas, n and m: the row count, the column count,
// then n * m elements row by row, all white-space separated decimal integers
// (optional sign, digits), laid out over lines in any way. Nothing after the
// last element is looked at. Returns true on success. On failure returns false,
// sets n = m = 0 and puts into klaida what is wrong and where, as
// "Masyvas.txt:3:5: ..." (1-based line and column), in plain ASCII.
bool Skaityti(std::string Duom, std::int32_t Mas[][Cm], std::int32_t& n,
              std::int32_t& m, std::string& klaida);

// The same from an open stream; vardas names it in the messages.
bool SkaitytiSrauta(std::istream& fd, const std::string& vardas,
                    std::int32_t Mas[][Cm], std::int32_t& n, std::int32_t& m,
                    std::string& klaida);
