#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "matrix/reader.h"

// The lines that a successful run adds on standard error, each one line of
// UTF-8 without its line end: a warning ("Įspėjimas: ...") or a note
// ("Pastaba: ..."). A note that does not apply is empty.

// The warning that more than white space follows the last value of the data
// file Duom, at vieta, read as n rows of m columns.
std::string PertekliausIspejimas(std::string Duom, const Vieta& vieta,
                                 std::int32_t n, std::int32_t m);

// The note that the results file Rez is Windows-1257 text.
std::string KoduotesPastaba(std::string Rez);

// The note that Duom was read, not the files nearly of its name beside it.
std::string PanasiuVarduPastaba(std::string Duom);

// The note that Duom was read and Rez written in the working folder, not in
// the program's own folder programos, which holds a file of either name.
std::string AplankoPastaba(std::string Duom, std::string Rez,
                           const std::filesystem::path& programos);

// The note that the program uses none of its argumentai (as a file dropped
// on it), and which data file Duom it read.
std::string ArgumentuPastaba(std::string Duom,
                             const std::vector<std::string>& argumentai);

// The three notes above that apply, in that order; the folder's only on
// Windows, where a double-click starts a program in its own folder.
std::vector<std::string> Pastabos(std::string Duom, std::string Rez,
                                  const std::vector<std::string>& argumentai);
