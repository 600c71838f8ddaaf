#pragma once

#include <string>

// Messages for a data or results file that cannot be used, each one line of
// plain ASCII that gives the reason and names the folder (the working
// directory, as an absolute path). The reason comes from klaidos_nr, the
// errno of the failed open, read or write, and from the file's status.

// The data file vardas cannot be opened for reading. When it is not found,
// also names the files in the folder whose names are nearly vardas: with a
// second ".txt", or (where names are case-sensitive) in other letter case.
std::string NeatidaromasDuomenuFailas(const std::string& vardas,
                                      int klaidos_nr);

// The results file vardas cannot be written.
std::string NeirasomasRezultatuFailas(const std::string& vardas,
                                      int klaidos_nr);

// Text (UTF-8) as printable ASCII: Lithuanian letters without their marks,
// any other character or invalid byte as '?'.
std::string Ascii(const std::string& tekstas);
