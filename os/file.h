#pragma once

#include <cstdint>
#include <string>

#include "os/error.h"

// A file held open for writing, through the platform's own calls. A call
// that takes klaida returns false where the system fails it, with the error
// in klaida.

// The open file: a file descriptor, or a Windows HANDLE.
struct Rankena {
  std::intptr_t reiksme = -1;
};

// Opens the file vardas for writing into fr, creating it when the name is
// free. On POSIX a symbolic link is not followed (ELOOP), and a named pipe is
// not waited for (ENXIO where nothing reads it).
bool AtidarytiRasymui(std::string vardas, Rankena& fr, SistemosKlaida& klaida);

// What the held file is.
struct Ypatybes {
  bool paprastas;          // a regular file, not a pipe or a device
  unsigned long nuorodos;  // how many names (hard links) the file has
  std::uint64_t dydis;     // a regular file's size in bytes
};

// Fills y for the held file.
bool Ypatybiu(Rankena fr, Ypatybes& y, SistemosKlaida& klaida);

// True when the name vardas, its links followed, names the held file.
bool TasPatsFailas(Rankena fr, std::string vardas);

// How Uzrakinti ended.
enum class Uzraktas {
  kGerai,
  kUzimtas,    // another open file holds the lock
  kNepalaiko,  // no lock for another reason (a file system without locks)
};

// Takes an exclusive lock on the whole held file, without waiting. The lock
// goes with the file when it is closed.
Uzraktas Uzrakinti(Rankena fr);

// Empties the held file; the next write goes to its start.
bool Tustinti(Rankena fr, SistemosKlaida& klaida);

// Writes tekstas whole to the held file, each '\n' as the platform's line end
// (CR LF on Windows). A write that takes nothing fails as a full disk does.
bool Rasyti(Rankena fr, const std::string& tekstas, SistemosKlaida& klaida);

// Closes the held file; fr then holds none. Fails where the system reports
// a failure at closing (a write that a network file system makes only then).
bool Uzdaryti(Rankena& fr, SistemosKlaida& klaida);

// Holds back (sulaikyti) the signals that would end the program, or lets
// them through again, so that one that comes while the report is emptied
// and written takes effect after it. On Windows Ctrl-C is ignored meanwhile.
void SulaikytiSignalus(bool sulaikyti);

// True when the held file is also where the program's standard output or
// error goes.
bool StandartineIsvestis(Rankena fr);
