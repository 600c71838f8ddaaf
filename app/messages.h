#pragma once

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

// The line that ends a successful run.
std::string SekmesPranesimas(std::string Rez);
