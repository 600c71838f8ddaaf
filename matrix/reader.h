#pragma once

#include <cstdint>
#include <istream>
#include <string>

#include "matrix/matrix.h"

// Reads the data file Duom into Mas, n and m: the row count, the column count,
// then n * m elements row by row, laid out over lines in any way. Values are
// read as formatted stream extraction reads decimal integers: white space is
// skipped, then an optional sign and digits, and a value ends where its digits
// end ("5-3" is 5 and -3). A UTF-8 byte order mark at the start is skipped;
// nothing after the last element is looked at. Returns true on success. On
// failure returns false, sets n = m = 0 and puts into klaida what is wrong
// and where, as "Masyvas.txt:3:5: ..." (1-based line and column), or why the
// file cannot be opened (see app/file_error.h), in one line of plain ASCII.
bool Skaityti(std::string Duom, std::int32_t Mas[][Cm], std::int32_t& n,
              std::int32_t& m, std::string& klaida);

// The same from an open stream; vardas names it in the messages.
bool SkaitytiSrauta(std::istream& fd, const std::string& vardas,
                    std::int32_t Mas[][Cm], std::int32_t& n, std::int32_t& m,
                    std::string& klaida);
