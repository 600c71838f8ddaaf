#include "report/table.h"

#include <fstream>
#include <iomanip>
#include <utility>

namespace {

constexpr int kLaukas = 5;

}  // namespace

void Linija(std::ostream& fr, std::int32_t kiek) {
  fr << " -";
  for (std::int32_t k = 0; k < kiek; ++k) fr << "\x96\x96\x96\x96\x96\x96\x96-";
  fr << '\n';
}

void Antraste(std::ostream& fr, std::string pavadinimas, std::int32_t m) {
  fr << '\n' << pavadinimas << '\n';
  Linija(fr, m + 1);
  fr << " | E.\\S. | ";
  for (std::int32_t k = 1; k <= m; ++k) fr << std::setw(kLaukas) << k << " | ";
  fr << '\n';
  Linija(fr, m + 1);
}

void Lentele(std::ostream& fr, std::string pavadinimas,
             const std::int32_t Mas[][Cm], std::int32_t n, std::int32_t m) {
  Antraste(fr, std::move(pavadinimas), m);
  for (std::int32_t i = 0; i < n; ++i) {
    fr << " | " << std::setw(kLaukas) << i + 1 << " | ";
    for (std::int32_t j = 0; j < m; ++j) {
      fr << std::setw(kLaukas) << Mas[i][j] << " | ";
    }
    fr << '\n';
  }
  Linija(fr, m + 1);
  fr << '\n';
}

bool Spausdinti(std::string Rez, std::string pavadinimas,
                const std::int32_t Mas[][Cm], std::int32_t n, std::int32_t m) {
  std::ofstream fr(Rez, std::ios::app);
  Lentele(fr, std::move(pavadinimas), Mas, n, m);
  fr.close();
  return !fr.fail();
}
