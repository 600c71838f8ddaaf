#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A file whose name is nearly the one looked for.
struct PanasusVardas {
  enum Rusis {
    kDuPletiniai,  // the name with a second ".txt"
    kKitosRaides,  // the name in other letter case
  };
  std::string vardas;  // as UTF-8
  Rusis rusis;
};

// The files in the folder aplankas whose names are nearly vardas, sorted by
// name. Letter case is told apart only where the system's names are
// case-sensitive: elsewhere the file would have been found.
std::vector<PanasusVardas> PanasusVardai(const std::filesystem::path& aplankas,
                                         std::string vardas);
