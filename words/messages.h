#pragma once

#include <filesystem>
#include <string>

#include "matrix/reader.h"
#include "os/error.h"
#include "os/file_reason.h"

// The words of the program's messages, in UTF-8 without a final line end, '\n'
// where their lines part on a console (see Rodyti). A file that cannot be
// opened or written is named with its folder, as an absolute path.

// " aplanke " and the folder that holds the file vardas; nothing when the
// working folder is gone.
std::string Aplanke(std::string vardas);

// Why the data file Duom could not be read, and where; programos is the
// program's own folder, where a data file not found may be instead.
std::string SkaitymoPranesimas(std::string Duom, const SkaitymoKlaida& klaida,
                               const std::filesystem::path& programos);

// The results file Rez could not be written for the reason p (k: the failed
// call's error; Duom the data file's name). isvalyta says whether the file
// is empty or as it was; if not, a partial report may be left in it.
std::string NeirasytaPranesimas(std::string Rez, std::string Duom,
                                FailoPriezastis p, const SistemosKlaida& k,
                                bool isvalyta);

// The sentence, to end a data file's message, that the results file Rez was
// left as it was, for the reason p that it could not be taken.
std::string NepakeistaAtaskaita(std::string Rez, std::string Duom,
                                FailoPriezastis p, const SistemosKlaida& k);

// The sentence, to end a message, that says the report the results file Rez
// held was deleted: where the run failed after emptying it.
std::string IstrintaAtaskaita(std::string Rez);

// The results file Rez was moved, deleted or replaced during the run.
std::string PakeistasPranesimas(std::string Rez);

// A message as the line that says the run failed.
std::string KlaidosEilute(const std::string& pranesimas);

// The line that says the run ran out of memory, and its ASCII form;
// IstrintaAtaskaita may follow it.
extern const char kTrukstaAtminties[];
extern const char kTrukstaAtmintiesAscii[];

// The line that ends a successful run: plain ASCII.
std::string SekmesPranesimas(std::string Rez);
