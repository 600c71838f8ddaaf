#pragma once

#include <string>

// Why a file could not be opened, read or written.
enum class FailoPriezastis {
  kAplankas,      // the name is a folder
  kNerastas,      // no such file
  kNeraLeidimo,   // no permission, or a read-only file or file system
  kDiskasPilnas,  // no space left
  kKita,          // another error: see its errno
};

// The reason for the failed call on the file vardas: its status first (a
// folder), then klaidos_nr, the errno taken right at the failed call.
FailoPriezastis Priezastis(std::string vardas, int klaidos_nr);
