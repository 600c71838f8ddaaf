#include "app/file_error.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A path's name as UTF-8; "?" if the system cannot convert it.
std::string Utf8(const fs::path& kelias) {
  try {
    return kelias.u8string();
  } catch (...) {
    return "?";
  }
}

std::string DarboAplankas() {
  std::error_code ec;
  const fs::path aplankas = fs::current_path(ec);
  return ec ? "?" : Ascii(Utf8(aplankas));
}

std::string Mazosiomis(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

// The names in the working directory that are nearly vardas, with a hint for
// each, sorted.
std::vector<std::string> PanasusVardai(const std::string& vardas) {
  std::vector<std::string> rasta;
  std::error_code ec;
  for (fs::directory_iterator it(".", ec), pabaiga; !ec && it != pabaiga;
       it.increment(ec)) {
    const std::string kitas = Utf8(it->path().filename());
    if (Mazosiomis(kitas) == Mazosiomis(vardas + ".txt")) {
      rasta.push_back(Ascii(kitas) + " (ar pavadinime nera dvieju pletiniu?)");
    } else if (kitas != vardas && Mazosiomis(kitas) == Mazosiomis(vardas)) {
      rasta.push_back(Ascii(kitas) + " (pervadinkite ji i " + vardas + ")");
    }
  }
  std::sort(rasta.begin(), rasta.end());
  return rasta;
}

// The reason in words: a folder by its status, else by errno; neleidziama is
// the words for a lack of permission.
std::string Priezastis(bool aplankas, int klaidos_nr, const char* neleidziama) {
  if (aplankas) return "tai aplankas";
  if (klaidos_nr == EACCES || klaidos_nr == EPERM || klaidos_nr == EROFS) {
    return neleidziama;
  }
  if (klaidos_nr == ENOSPC) return "diske nebera vietos";
  return "kita sistemos klaida (kodas " + std::to_string(klaidos_nr) + ")";
}

bool YraAplankas(const std::string& vardas) {
  std::error_code ec;
  return fs::is_directory(vardas, ec);
}

}  // namespace

std::string NeatidaromasDuomenuFailas(const std::string& vardas,
                                      int klaidos_nr) {
  const bool aplankas = YraAplankas(vardas);
  if (!aplankas && klaidos_nr == ENOENT) {
    std::string klaida =
        "duomenu failas " + vardas + " nerastas aplanke " + DarboAplankas();
    for (const std::string& kitas : PanasusVardai(vardas)) {
      klaida += "; ten yra " + kitas;
    }
    return klaida + ".";
  }
  return "nepavyko atidaryti duomenu failo " + vardas + " aplanke " +
         DarboAplankas() + ": " +
         Priezastis(aplankas, klaidos_nr, "nera leidimo skaityti") + ".";
}

std::string NeirasomasRezultatuFailas(const std::string& vardas,
                                      int klaidos_nr) {
  return "nepavyko irasyti rezultatu failo " + vardas + " aplanke " +
         DarboAplankas() + ": " +
         Priezastis(YraAplankas(vardas), klaidos_nr,
                    "nera leidimo rasyti (failas ar aplankas tik skaitomas, "
                    "arba failas atidarytas kitoje programoje)") +
         ".";
}

std::string Ascii(const std::string& tekstas) {
  // Lithuanian letters in UTF-8 (two bytes each) and their plain forms.
  static const char* const kRaides[][2] = {
      {"\xc4\x85", "a"}, {"\xc4\x8d", "c"}, {"\xc4\x99", "e"},
      {"\xc4\x97", "e"}, {"\xc4\xaf", "i"}, {"\xc5\xa1", "s"},
      {"\xc5\xb3", "u"}, {"\xc5\xab", "u"}, {"\xc5\xbe", "z"},
      {"\xc4\x84", "A"}, {"\xc4\x8c", "C"}, {"\xc4\x98", "E"},
      {"\xc4\x96", "E"}, {"\xc4\xae", "I"}, {"\xc5\xa0", "S"},
      {"\xc5\xb2", "U"}, {"\xc5\xaa", "U"}, {"\xc5\xbd", "Z"}};
  std::string ascii;
  for (std::size_t k = 0; k < tekstas.size();) {
    const unsigned char c = static_cast<unsigned char>(tekstas[k]);
    if (c >= 0x20 && c < 0x7f) {
      ascii += static_cast<char>(c);
      ++k;
      continue;
    }
    const auto raide = std::find_if(
        std::begin(kRaides), std::end(kRaides),
        [&](const char* const* r) { return tekstas.compare(k, 2, r[0]) == 0; });
    if (raide != std::end(kRaides)) {
      ascii += (*raide)[1];
      k += 2;
      continue;
    }
    // Any other character: one '?' for its lead byte and continuation bytes.
    ascii += '?';
    for (++k; k < tekstas.size() && (tekstas[k] & 0xc0) == 0x80; ++k) {
    }
  }
  return ascii;
}
