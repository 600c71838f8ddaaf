#include "text/wrap.h"

#include <algorithm>

#include "text/utf8.h"

namespace {

// The width of a word: a column for each character, as a console shows it.
std::size_t Plotis(const std::string& zodis) {
  std::size_t plotis = 0;
  for (std::size_t k = 0; k < zodis.size(); ++plotis) {
    const std::size_t ilgis = Utf8Simbolis(zodis, k);
    k += ilgis > 0 ? ilgis : 1;
  }
  return plotis;
}

}  // namespace

std::string Isdestyti(const std::string& tekstas, std::size_t plotis) {
  std::string isdestyta;
  std::size_t eilutes_plotis = 0;
  for (std::size_t k = 0; k <= tekstas.size();) {
    const std::size_t iki =
        std::min(tekstas.find_first_of(" \n", k), tekstas.size());
    const std::string zodis = tekstas.substr(k, iki - k);
    const std::size_t z = Plotis(zodis);
    if (eilutes_plotis > 0) {
      const bool telpa = eilutes_plotis + 1 + z <= plotis;
      isdestyta += telpa ? ' ' : '\n';
      eilutes_plotis = telpa ? eilutes_plotis + 1 : 0;
    }
    isdestyta += zodis;
    eilutes_plotis += z;
    if (iki < tekstas.size() && tekstas[iki] == '\n') {
      isdestyta += '\n';
      eilutes_plotis = 0;
    }
    k = iki + 1;
  }
  return isdestyta;
}

std::string Rodyti(const std::string& pranesimas,
                   std::string (*rodyti)(const std::string&), bool konsole) {
  std::string rodomas;
  for (std::size_t k = 0; k <= pranesimas.size();) {
    const std::size_t iki =
        std::min(pranesimas.find('\n', k), pranesimas.size());
    if (k > 0) rodomas += konsole ? '\n' : ' ';
    rodomas += rodyti(pranesimas.substr(k, iki - k));
    k = iki + 1;
  }
  return konsole ? Isdestyti(rodomas, kKonsolesPlotis) : rodomas;
}
