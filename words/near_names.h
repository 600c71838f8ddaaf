#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "matrix/reader.h"

// Where a file is, and where a data file that is not found may be instead.

// The folder that holds the file vardas, as an absolute path; empty when the
// working folder is gone.
std::filesystem::path Aplankas(std::string vardas);

// The name of the file vardas without its folder, as UTF-8.
std::string Pavadinimas(std::string vardas);

// A file whose name is nearly the one looked for.
struct PanasusVardas {
  enum Rusis {
    kDuPletiniai,    // the name with a second ".txt" ("Masyvas.txt.txt")
    kKitosRaides,    // the name in other letter case ("masyvas.TXT")
    kDokumentas,     // a spreadsheet or document of the same name
                     // ("Masyvas.xlsx", "Masyvas.csv"): see dokumentas
    kNuoroda,        // a shortcut to a file of the name ("Masyvas.txt.lnk")
    kKitasPletinys,  // another extension, or none ("Masyvas.dat", "Masyvas"),
                     // but not a program ("masyvas.exe") or another shortcut
  };
  std::string vardas;  // as UTF-8
  Rusis rusis;
  Dokumentas dokumentas = kNeDokumentas;  // its format, for kDokumentas
};

// The regular files in the folder aplankas whose names are nearly vardas,
// sorted by name. Letter case is compared as ASCII.
std::vector<PanasusVardas> PanasusVardai(const std::filesystem::path& aplankas,
                                         std::string vardas);

// True when programos, the program's own folder, is not the folder aplankas
// and holds a file named vardas (of any kind).
bool ProgramosAplankeYra(const std::filesystem::path& aplankas,
                         const std::filesystem::path& programos,
                         std::string vardas);

// True when a part of the path aplankas is where a program run from inside its
// archive is unpacked: ending in ".zip" (any letter case), as Windows' own
// ...\Temp1_masyvas.zip\, or starting "7zO" (7-Zip) or "Rar$EX" (WinRAR).
bool ZipAplanke(const std::filesystem::path& aplankas);

// True when the folder aplankas is the temporary folder laikinas or lies
// within it, letter case compared as ASCII; false when laikinas is empty.
bool LaikinameAplanke(const std::filesystem::path& aplankas,
                      const std::filesystem::path& laikinas);
