#pragma once

#include <string>
#include <vector>

// A file in a folder: its name (UTF-8), whether it is a regular file (its
// links followed; on Windows, anything but a folder), and whether its owner
// may run it (POSIX; false on Windows).
struct FailasAplanke {
  std::string vardas;
  bool paprastas;
  bool vykdomas;
};

// The files in the folder aplankas (a UTF-8 path), in no order; what was
// read so far when the folder cannot be read on (none where it cannot be
// opened).
std::vector<FailasAplanke> FailaiAplanke(std::string aplankas);
