#pragma once

#include <string>

#include "os/error.h"
#include "os/file.h"
#include "os/file_reason.h"

// The results file, held by one run from emptying it to writing the report:
// it is written through this one open file, fr, and while it is locked no
// other run takes it. Closing fr (Uzdaryti) lets it go, for the next run.
struct RezultatuFailas {
  Rankena fr;
  bool buvo_ataskaita = false;  // it held something when it was emptied
};

// Opens the results file Rez, creating it when the name is free; makes sure it
// is a regular file of one name, not the data file Duom nor where standard
// output or error goes; locks it for this run (waiting about a second while
// another holds the lock; without a lock where the system gives none) and
// empties it, noting in failas.buvo_ataskaita whether it held anything. Returns
// false where it cannot be taken, the file let go unchanged, why in priezastis
// and the failed call's error in klaida.
bool Uzimti(std::string Rez, std::string Duom, RezultatuFailas& failas,
            FailoPriezastis& priezastis, SistemosKlaida& klaida);
