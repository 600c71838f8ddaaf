#pragma once

#include <cstdint>
#include <string>

#include "matrix/reader.h"

// Every text the user reads, as UTF-8, each one line without its line end;
// those on a file that cannot be used are in file_messages.h. Files are
// named with their folder, as an absolute path.

// Why the data file Duom could not be read, and where.
std::string SkaitymoPranesimas(std::string Duom, const SkaitymoKlaida& klaida);

// A message as the line that says the run failed.
std::string KlaidosEilute(const std::string& pranesimas);

// The warning that more than white space follows the last value of the data
// file Duom, at vieta, read as n rows of m columns.
std::string PertekliausIspejimas(std::string Duom, const Vieta& vieta,
                                 std::int32_t n, std::int32_t m);

// The note that the results file Rez is Windows-1257 text, for a system
// whose programs take another code page by default.
std::string KoduotesPastaba(std::string Rez);

// The line that ends a successful run: plain ASCII.
std::string SekmesPranesimas(std::string Rez);
