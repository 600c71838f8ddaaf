#pragma once

#include <string>

#include "matrix/os_error.h"

// The words for a data or results file that cannot be used, each one line
// of UTF-8 without its line end.

// " aplanke " and the folder that holds the file vardas, as an absolute
// path; nothing when the working folder is gone.
std::string Aplanke(const std::string& vardas);

// The file name of the path vardas, without its folder.
std::string Pavadinimas(const std::string& vardas);

// The data file Duom cannot be opened: why, and, when it is not found, where
// it may be instead.
std::string NeatidaromoFailoPranesimas(std::string Duom,
                                       const SistemosKlaida& klaida);

// The results file Rez cannot be opened or written: klaida is the failed
// call's error; isvalyta says whether the file could be emptied afterwards.
std::string RasymoPranesimas(std::string Rez, const SistemosKlaida& klaida,
                             bool isvalyta);

// The results file Rez is the data file Duom: neither was changed.
std::string TasPatsFailasPranesimas(std::string Rez, std::string Duom);

// Another run is writing the results file Rez.
std::string UzimtasPranesimas(std::string Rez);
