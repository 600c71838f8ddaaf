#pragma once

#include <string>

#include "matrix/reader.h"

// Every text the user reads, each one line without its line end. Files are
// named with their folder, as an absolute path.

// Why the data file Duom could not be read, and where.
std::string SkaitymoPranesimas(std::string Duom, const SkaitymoKlaida& klaida);

// The results file Rez cannot be written; klaidos_nr is the errno of the
// failed open or write.
std::string RasymoPranesimas(std::string Rez, int klaidos_nr);

// The line that ends a successful run.
std::string SekmesPranesimas(std::string Rez);
