#pragma once

#include <string>

#include "app/file_reason.h"
#include "matrix/reader.h"
#include "os/error.h"

// What the person most likely did wrong, and what to do, as words to add
// to a message.

// Why the text found in place of a value is no integer, where it is a
// common mistake (a dash from a word processor for the minus, a
// non-breaking space, the separators of a spreadsheet's CSV file, values run
// together), as " (...)"; nothing otherwise.
std::string KodelNeSveikasis(const SkaitymoKlaida& k);

// Where the data file Duom may be, when it is not found: a run from the
// temporary folder, and the files nearly of its name, each as a sentence
// after a space; nothing when there is no such hint.
std::string KurIeskoti(std::string Duom);

// " (kodas N: the system's text)" for the error k, or nothing when the call
// set no code.
std::string KodasIrTekstas(const SistemosKlaida& k);

// The reason p that a file could not be read or written (rasymas), in words,
// with what to do where there is something to do; k is the failed call's
// error.
std::string Zodziais(FailoPriezastis p, bool rasymas, const SistemosKlaida& k);
