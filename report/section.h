#pragma once

#include <sstream>

#include "os/error.h"
#include "os/file.h"

// Writes the section built in skyrius whole to the open results file fr.
// Returns false when the stream could not hold the whole section (out of
// memory; klaida is then ENOMEM) or a write failed (klaida is its error).
bool IrasytiSkyriu(Rankena fr, const std::ostringstream& skyrius,
                   SistemosKlaida& klaida);
