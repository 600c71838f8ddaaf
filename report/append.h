#pragma once

#include <string>

#include "matrix/os_error.h"

// Appends tekstas to the file Rez, opened in text mode (so each line end is
// the platform's), and closes it. Returns false when the file cannot be
// opened or written, with the error of the failed call in klaida.
bool PridetiIFaila(std::string Rez, const std::string& tekstas,
                   SistemosKlaida& klaida);
