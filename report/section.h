#pragma once

#include <sstream>

#include "os/error.h"
#include "os/file.h"

// Writes the section built in skyrius whole to the open results file fr.
// Returns false when a write failed, with its error in klaida. Throws
// std::bad_alloc when the stream could not hold the whole section.
bool IrasytiSkyriu(Rankena fr, const std::ostringstream& skyrius,
                   SistemosKlaida& klaida);
