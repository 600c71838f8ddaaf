#pragma once

#include <cstdint>
#include <string>

#include "matrix/reader.h"

// The lines that a successful run adds on standard error, each one line of
// UTF-8 without its line end: a warning ("Įspėjimas: ...") or a note
// ("Pastaba: ...").

// The warning that more than white space follows the last value of the data
// file Duom, at vieta, read as n rows of m columns.
std::string PertekliausIspejimas(std::string Duom, const Vieta& vieta,
                                 std::int32_t n, std::int32_t m);

// The note that the results file Rez is Windows-1257 text, for a system
// whose programs take another code page by default.
std::string KoduotesPastaba(std::string Rez);
