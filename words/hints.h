#pragma once

#include <filesystem>
#include <string>

#include "matrix/reader.h"
#include "os/error.h"
#include "os/file_reason.h"

// What the person most likely did wrong, and what to do, for the messages.

// The likely cause of a run in a temporary folder, and what to do, a sentence:
// "Programa tikriausiai paleista tiesiai iš ZIP archyvo: pirma ...".
extern const char kIsArchyvo[];

// What to do when the data file Duom is not found, each hint on a line of its
// own: extract the zip archive it is run from (ZipAplanke), or else put the
// file there; the files nearly of its name; its name in the program's own
// folder programos.
std::string KurIeskoti(std::string Duom,
                       const std::filesystem::path& programos);

// The message that the data file vardas is a document of the format d (not
// kNeDokumentas), not text, and how to save it as plain text of its name.
std::string DokumentasNeTekstas(Dokumentas d, std::string vardas);

// " (kodas N: the system's text)" for the error k, or nothing when the call
// set no code.
std::string KodasIrTekstas(const SistemosKlaida& k);

// The reason p that a file could not be read or written (rasymas), in words,
// with what to do where there is something to do; k is the failed call's
// error, Duom and Rez the data and results files' names.
std::string Zodziais(FailoPriezastis p, bool rasymas, const SistemosKlaida& k,
                     std::string Duom, std::string Rez);
