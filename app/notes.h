#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

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

// The note that the data file Duom was read, not the files beside it whose
// names are nearly its own (PanasusVardai); nothing when there are none.
std::string PanasiuVarduPastaba(std::string Duom);

// The note that the data file Duom was read and the results file Rez written
// in the folder that the program was started in, not in the program's own
// folder programos: where the two differ and the program's folder holds a
// file of either name, which may be taken for the one used; nothing
// otherwise.
std::string AplankoPastaba(std::string Duom, std::string Rez,
                           const std::filesystem::path& programos);

// The note that the program uses none of the arguments it was given (as a
// file dropped on it), and which data file Duom it read; nothing without
// arguments.
std::string ArgumentuPastaba(std::string Duom,
                             const std::vector<std::string>& argumentai);

// The notes above that apply to a successful run given argumentai, in that
// order; the folder's only on Windows, where a double-click starts a
// program in its own folder.
std::vector<std::string> Pastabos(std::string Duom, std::string Rez,
                                  const std::vector<std::string>& argumentai);
