#pragma once

#include <string>

#include "os/error.h"

// Why a file could not be opened, read or written.
enum class FailoPriezastis {
  kAplankas,                // the name is a folder
  kNeFailas,                // a named pipe or a device, not a file
  kNuoroda,                 // the report's name is a symbolic link
  kTasPatsFailas,           // the report is the data file under another name
  kKitiVardai,              // the report has other names (hard links)
  kIsvestis,                // the report is also standard output or error
  kUzimtas,                 // another run holds the report's lock
  kNerastas,                // the file, or a folder on its way, is missing
  kDarboAplankasIstrintas,  // the working folder has been deleted
  kNeAplankas,              // a part of the path is not a folder
  kNuoroduCiklas,           // a loop of symbolic links
  kAtidarytasKitur,         // another program holds the file open (Windows)
  kTikSkaitymui,            // the file is marked read-only (Windows)
  kNeraLeidimo,             // no permission, or a read-only file system
  kDiskasPilnas,            // no space left, or the user's quota is used up
  kPerDidelis,              // the file would pass the file size limit
  kKita,                    // another error: see SistemosTekstas
};

// The reason for the failed call on the file vardas, written to (rasymas) or
// read from: a folder of that name, whatever the error; else what the error
// (errno, or Windows' own code) says, a missing file told apart from a
// deleted working folder, and on Windows a denied write from a file marked
// read-only. A report refused by its own checks has its reason set there.
FailoPriezastis Priezastis(std::string vardas, bool rasymas,
                           const SistemosKlaida& klaida);

// The system's own words for the error, as UTF-8 without a full stop:
// strerror on POSIX; on Windows the text of the Windows code, in the user's
// language, where there is one.
std::string SistemosTekstas(const SistemosKlaida& klaida);

// The code that goes with SistemosTekstas: the Windows code where there is
// one, else errno; 0 when the call set neither.
unsigned long SistemosKodas(const SistemosKlaida& klaida);
