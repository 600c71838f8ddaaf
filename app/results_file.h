#pragma once

#include <string>

#include "os/error.h"
#include "os/file.h"

// The results file, held by one run from emptying it to its last section:
// every section is written through this one open file, and two runs in one
// folder never write one report together.
struct RezultatuFailas {
  Rankena fr;
  bool paprastas = false;       // a regular file, emptied; a device is not
  bool buvo_ataskaita = false;  // it held something when it was emptied
};

// How Uzimti ended.
enum class Uzemimas {
  kGerai,           // held and emptied
  kTasPatsFailas,   // it is the data file: nothing was changed
  kSvetimaNuoroda,  // a symbolic link of another user: nothing was changed
  kKitiVardai,      // a file with other names (hard links): not changed
  kNeFailas,        // a pipe or a device but a character one: not written
  kIsvestis,        // also the program's standard output or error
  kUzimtas,         // another program holds the lock: nothing was changed
  kKlaida,          // it cannot be opened or emptied (see klaida)
};

// Opens the results file Rez, creating it when the name is free, makes sure
// that it is not the data file Duom under another name or link, locks it for
// this run (waiting about a second while another holds the lock; where the
// system gives no locks, going on without one) and empties it, noting in
// failas.buvo_ataskaita whether it held anything then. Until it is
// let go, a signal that ends the program empties it first (see
// SaugotiNuoNutraukimo). On any result but kGerai the file is let go; on
// kKlaida, klaida holds the error of the failed call.
Uzemimas Uzimti(const std::string& Rez, const std::string& Duom,
                RezultatuFailas& failas, SistemosKlaida& klaida);

// True when the name Rez still names the held file, and the data file's
// name Duom does not.
bool TebeVadinamas(const std::string& Rez, const std::string& Duom,
                   const RezultatuFailas& failas);

// Empties the held file again, after a write failed part-way. Returns false
// when even that fails; true when no regular file is held.
bool Isvalyti(const RezultatuFailas& failas);

// Lets the file go, for the next run.
void Paleisti(RezultatuFailas& failas);
