#pragma once

#include <cstdint>
#include <string>

#include "matrix/reader.h"

// Every text the user reads, as UTF-8, each one line without its line end.
// Files are named with their folder, as an absolute path.

// Why the data file Duom could not be read, and where.
std::string SkaitymoPranesimas(std::string Duom, const SkaitymoKlaida& klaida);

// The results file Rez cannot be opened or written: klaida is the failed
// call's error; isvalyta says whether the file could be emptied afterwards.
std::string RasymoPranesimas(std::string Rez, const SistemosKlaida& klaida,
                             bool isvalyta);

// The results file Rez is the data file Duom: neither was changed.
std::string TasPatsFailasPranesimas(std::string Rez, std::string Duom);

// Another run is writing the results file Rez.
std::string UzimtasPranesimas(std::string Rez);

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
