#pragma once

#include <filesystem>
#include <string>

#include "app/results_file.h"
#include "matrix/reader.h"
#include "os/error.h"

// The words of the program's messages, each one line of UTF-8 without its
// line end. A file that cannot be opened or written is named with the folder
// that holds it, as an absolute path.

// " aplanke " and the folder that holds the file vardas; nothing when the
// working folder is gone.
std::string Aplanke(const std::string& vardas);

// Why the data file Duom could not be read, and where; programos is the
// program's own folder, where a data file not found may be instead.
std::string SkaitymoPranesimas(std::string Duom, const SkaitymoKlaida& klaida,
                               const std::filesystem::path& programos);

// Why the results file Rez could not be taken: u is the outcome (not
// kGerai), klaida the failed call's error for kKlaida.
std::string UzemimoPranesimas(Uzemimas u, std::string Rez, std::string Duom,
                              const SistemosKlaida& klaida);

// A section of the report could not be written (klaida); isvalyta says
// whether the file could be emptied afterwards.
std::string NeirasytaPranesimas(std::string Rez, const SistemosKlaida& klaida,
                                bool isvalyta);

// The line, to end a message, that says the report the results file Rez held
// was deleted: where the run failed after emptying it.
std::string IstrintaAtaskaita(std::string Rez);

// The results file Rez was moved, deleted or replaced during the run.
std::string PakeistasPranesimas(std::string Rez);

// A message as the line that says the run failed.
std::string KlaidosEilute(const std::string& pranesimas);

// The line that says the run ran out of memory, and its ASCII form; the
// ...Istrinta pair also says that the report Rezultatai.txt held was deleted.
extern const char kTrukstaAtminties[];
extern const char kTrukstaAtmintiesAscii[];
extern const char kTrukstaAtmintiesIstrinta[];
extern const char kTrukstaAtmintiesIstrintaAscii[];

// The line that ends a successful run: plain ASCII.
std::string SekmesPranesimas(std::string Rez);
