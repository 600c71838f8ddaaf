#pragma once

#include <cstdint>
#include <string>

#include "matrix/os_error.h"

// The results file, held by one run from emptying it to its last section, so
// that two runs in one folder never write one report together. The sections
// still open and close the file by name; this keeps a handle of its own.
struct RezultatuFailas {
  std::intptr_t rankena = -1;  // a file descriptor, or a Windows HANDLE
};

enum class Uzemimas {
  kGerai,          // held and emptied
  kTasPatsFailas,  // the results file is the data file: nothing was changed
  kUzimtas,        // another run holds it: nothing was changed
  kKlaida,         // it cannot be opened or emptied (see klaida)
};

// Opens the results file Rez without changing it, makes sure that it is not
// the data file Duom under another name or link, takes it for this run
// (waiting about a second while another run holds it) and empties it.
// On any result but kGerai, the file is let go; on kKlaida, klaida holds the
// error of the failed call.
Uzemimas Uzimti(std::string Rez, std::string Duom, RezultatuFailas& failas,
                SistemosKlaida& klaida);

// Empties the held file again, after a write failed part-way. Returns false
// when even that fails.
bool Isvalyti(const RezultatuFailas& failas);

// Lets the file go, for the next run.
void Paleisti(RezultatuFailas& failas);
