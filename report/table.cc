#include "report/table.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr int kLaukas = 5;
constexpr char kSegmentas[] = "\x96\x96\x96\x96\x96\x96\x96-";
constexpr int kSegmentoIlgis = sizeof kSegmentas - 1;

// The longest line: " | ", the row number's field, " | ", then Cm numbers of
// up to 11 characters (-2147483648) each followed by " | ", and a line end.
constexpr int kIlgiausiaEilute = 3 + kLaukas + 3 + Cm * (11 + 3) + 1;

// Puts x right-aligned in a number field, then " | ", at p; returns the end.
char* Laukas(char* p, std::int32_t x) {
  char skaicius[11];
  char* const pabaiga =
      std::to_chars(skaicius, skaicius + sizeof skaicius, x).ptr;
  p = std::fill_n(
      p, std::max<std::ptrdiff_t>(0, kLaukas - (pabaiga - skaicius)), ' ');
  p = std::copy(skaicius, pabaiga, p);
  return std::copy_n(" | ", 3, p);
}

}  // namespace

void Linija(std::ostream& fr, std::int32_t kiek) {
  fr << " -";
  for (std::int32_t k = 0; k < kiek; ++k) fr.write(kSegmentas, kSegmentoIlgis);
  fr << '\n';
}

void Spausdinti(std::ostream& fr, std::string pavadinimas,
                const std::int32_t Mas[][Cm], std::int32_t n, std::int32_t m) {
  fr << '\n' << pavadinimas << '\n';
  Linija(fr, m + 1);
  // Each line of numbers is put together in a buffer and written at once.
  char eil[kIlgiausiaEilute];
  char* p = std::copy_n(" | E.\\S. | ", 11, eil);
  for (std::int32_t k = 1; k <= m; ++k) p = Laukas(p, k);
  *p++ = '\n';
  fr.write(eil, p - eil);
  Linija(fr, m + 1);
  for (std::int32_t i = 0; i < n; ++i) {
    p = Laukas(std::copy_n(" | ", 3, eil), i + 1);
    for (std::int32_t j = 0; j < m; ++j) p = Laukas(p, Mas[i][j]);
    *p++ = '\n';
    fr.write(eil, p - eil);
  }
  Linija(fr, m + 1);
  fr << '\n';
}
