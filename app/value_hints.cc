#include "app/value_hints.h"

#include <cstddef>
#include <cstring>

#include "app/utf8.h"

namespace {

// A character typed in place of a minus, a plain space or a digit: as UTF-8,
// and as its Windows-1257 byte (0 where that code page has none).
struct Zenklas {
  enum Rusis { kBruksnys, kTarpas, kSkaitmuo };
  const char* utf8;
  Rusis rusis;
  unsigned char baitas;
  char skaitmuo;  // for kSkaitmuo: the digit of the same key
};

constexpr Zenklas kZenklai[] = {
    // Hyphens and dashes (U+2010 to U+2015), the minus sign, the small and
    // the full-width hyphen-minus, and the soft hyphen.
    {"\xe2\x80\x90", Zenklas::kBruksnys, 0, 0},
    {"\xe2\x80\x91", Zenklas::kBruksnys, 0, 0},
    {"\xe2\x80\x92", Zenklas::kBruksnys, 0, 0},
    {"\xe2\x80\x93", Zenklas::kBruksnys, 0x96, 0},
    {"\xe2\x80\x94", Zenklas::kBruksnys, 0x97, 0},
    {"\xe2\x80\x95", Zenklas::kBruksnys, 0, 0},
    {"\xe2\x88\x92", Zenklas::kBruksnys, 0, 0},
    {"\xef\xb9\x98", Zenklas::kBruksnys, 0, 0},
    {"\xef\xb9\xa3", Zenklas::kBruksnys, 0, 0},
    {"\xef\xbc\x8d", Zenklas::kBruksnys, 0, 0},
    {"\xc2\xad", Zenklas::kBruksnys, 0xad, 0},
    // The non-breaking space.
    {"\xc2\xa0", Zenklas::kTarpas, 0xa0, 0},
    // The Lithuanian keyboard's number row: ą č ę ė į š ų ū „ “.
    {"\xc4\x85", Zenklas::kSkaitmuo, 0xe0, '1'},
    {"\xc4\x8d", Zenklas::kSkaitmuo, 0xe8, '2'},
    {"\xc4\x99", Zenklas::kSkaitmuo, 0xe6, '3'},
    {"\xc4\x97", Zenklas::kSkaitmuo, 0xeb, '4'},
    {"\xc4\xaf", Zenklas::kSkaitmuo, 0xe1, '5'},
    {"\xc5\xa1", Zenklas::kSkaitmuo, 0xf0, '6'},
    {"\xc5\xb3", Zenklas::kSkaitmuo, 0xf8, '7'},
    {"\xc5\xab", Zenklas::kSkaitmuo, 0xfb, '8'},
    {"\xe2\x80\x9e", Zenklas::kSkaitmuo, 0x84, '9'},
    {"\xe2\x80\x9c", Zenklas::kSkaitmuo, 0x93, '0'},
};

bool Skaitmuo(char c) { return c >= '0' && c <= '9'; }

// The character at t[k] as one of kZenklai, or nullptr. Sets ilgis to its
// length in bytes: that of a valid UTF-8 character, else 1.
const Zenklas* Atpazinti(const std::string& t, std::size_t k,
                         std::size_t& ilgis) {
  const std::size_t utf8 = Utf8Simbolis(t, k);
  ilgis = utf8 > 0 ? utf8 : 1;
  for (const Zenklas& z : kZenklai) {
    if (utf8 > 0
            ? utf8 == std::strlen(z.utf8) && t.compare(k, utf8, z.utf8) == 0
            : z.baitas != 0 && static_cast<unsigned char>(t[k]) == z.baitas) {
      return &z;
    }
  }
  return nullptr;
}

// True when t holds three digits at k and no digit after them: a thousands
// group.
bool TrysSkaitmenys(const std::string& t, std::size_t k) {
  return k + 3 <= t.size() && Skaitmuo(t[k]) && Skaitmuo(t[k + 1]) &&
         Skaitmuo(t[k + 2]) && (k + 3 == t.size() || !Skaitmuo(t[k + 3]));
}

bool Yra(const std::string& tekstas, const char* dalis) {
  return tekstas.find(dalis) != std::string::npos;
}

}  // namespace

std::string KodelNeSveikasis(const SkaitymoKlaida& k) {
  const std::string& t = k.rasta;
  bool bruksnys = false;
  bool tarpas = false;       // a non-breaking space that is no separator
  bool skyriklis = false;    // one that separates thousands
  bool klaviatura = false;   // a letter of the number row
  bool tik_skaiciai = true;  // a sign first, digits, those letters, separators
  std::string skaicius;  // the number meant: letters as digits, no separator
  std::size_t ilgis = 0;
  for (std::size_t i = 0; i < t.size(); i += ilgis) {
    const Zenklas* z = Atpazinti(t, i, ilgis);
    if (z == nullptr) {
      const bool zenklas = i == 0 && (t[i] == '-' || t[i] == '+');
      if (Skaitmuo(t[i]) || zenklas) {
        skaicius += t[i];
      } else {
        tik_skaiciai = false;
      }
    } else if (z->rusis == Zenklas::kBruksnys) {
      bruksnys = true;
    } else if (z->rusis == Zenklas::kTarpas) {
      const bool tarp_skaitmenu = i > 0 && Skaitmuo(t[i - 1]);
      if (tarp_skaitmenu && TrysSkaitmenys(t, i + ilgis)) {
        skyriklis = true;
      } else {
        tarpas = true;
      }
    } else {
      klaviatura = true;
      skaicius += z->skaitmuo;
    }
  }
  const std::string tesinys = k.rasta_ilgesne ? "..." : "";
  if (bruksnys) {
    return "\n(tai brūkšnys, o ne minuso ženklas „-“: parašykite minusą)";
  }
  if (skyriklis && !tarpas) {
    return "\n(tarp skaitmenų yra nepertraukiamasis tarpas, kuriuo Excel "
           "skiria tūkstančius: ištrinkite jį" +
           (tik_skaiciai && !klaviatura ? " ir rašykite " + skaicius + tesinys
                                        : std::string()) +
           ")";
  }
  if (tarpas || skyriklis) {
    return "\n(jame yra nepertraukiamasis tarpas: ištrinkite tarpą ir "
           "įveskite jį iš naujo tarpo klavišu)";
  }
  if (klaviatura && tik_skaiciai) {
    return "\n(tai raidės, kurias lietuviška klaviatūra rašo skaitmenų "
           "klavišais: turėjo būti " +
           skaicius + tesinys +
           "; perjunkite klaviatūrą į anglų kalbą (Alt+Shift arba "
           "Windows+tarpas) arba skaitmenis rinkite skaitmenų klaviatūra "
           "dešinėje)";
  }
  if (Yra(t, ";")) {
    return "\n(skaičiai atskirti kabliataškiais, kaip Excel įrašo CSV failą: "
           "atskirkite juos tarpais)";
  }
  if (Yra(t, ",")) {
    return "\n(skaičiai turi būti sveikieji ir atskirti tarpais, ne "
           "kableliais)";
  }
  if (k.prilipes) return "\n(skaičiai turi būti sveikieji ir atskirti tarpais)";
  return "";
}
