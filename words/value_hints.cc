#include "words/value_hints.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "matrix/scanner.h"
#include "text/utf8.h"

namespace {

// Typed in place of a minus: the hyphens and dashes U+2010 to U+2015, the
// minus sign, the small and the full-width hyphen-minus, the soft hyphen.
const char* const kBruksniai[] = {
    "\xe2\x80\x90", "\xe2\x80\x91", "\xe2\x80\x92", "\xe2\x80\x93",
    "\xe2\x80\x94", "\xe2\x80\x95", "\xe2\x88\x92", "\xef\xb9\x98",
    "\xef\xb9\xa3", "\xef\xbc\x8d", "\xc2\xad"};

// The Lithuanian keyboard's number row, typed in place of the digits
// 1234567890: ą č ę ė į š ų ū „ “.
const char* const kSkaitmenuEile[] = {
    "\xc4\x85", "\xc4\x8d", "\xc4\x99", "\xc4\x97",     "\xc4\xaf",
    "\xc5\xa1", "\xc5\xb3", "\xc5\xab", "\xe2\x80\x9e", "\xe2\x80\x9c"};

// The character at t[k] as UTF-8 (a byte that is no UTF-8 as Raidemis shows it,
// in Windows-1257); ilgis gets its length in t.
std::string Simbolis(const std::string& t, std::size_t k, std::size_t& ilgis) {
  ilgis = Utf8Simbolis(t, k);
  if (ilgis > 0) return t.substr(k, ilgis);
  ilgis = 1;
  return Raidemis({kCitatosPradzia, t[k]});
}

// True when t holds three digits at k and no digit after them: a thousands
// group.
bool TrysSkaitmenys(const std::string& t, std::size_t k) {
  return k + 3 <= t.size() && Skaitmuo(t[k]) && Skaitmuo(t[k + 1]) &&
         Skaitmuo(t[k + 2]) && (k + 3 == t.size() || !Skaitmuo(t[k + 3]));
}

}  // namespace

std::string KodelNeSveikasis(const SkaitymoKlaida& k) {
  const std::string& t = k.rasta;
  bool bruksnys = false;
  bool tarpas = false;       // a non-breaking space that is no separator
  bool skyriklis = false;    // one that separates thousands
  bool klaviatura = false;   // a letter of the number row
  bool valdymo = false;      // a control character, which editors hide
  bool tik_skaiciai = true;  // a sign first, digits, those letters, separators
  std::string skaicius;  // the number meant: letters as digits, no separator
  std::size_t ilgis = 0;
  for (std::size_t i = 0; i < t.size(); i += ilgis) {
    const std::string zenklas = Simbolis(t, i, ilgis);
    const auto eileje = std::find(std::begin(kSkaitmenuEile),
                                  std::end(kSkaitmenuEile), zenklas);
    if (Skaitmuo(t[i]) || (i == 0 && (t[i] == '-' || t[i] == '+'))) {
      skaicius += t[i];
    } else if (std::find(std::begin(kBruksniai), std::end(kBruksniai),
                         zenklas) != std::end(kBruksniai)) {
      bruksnys = true;
    } else if (zenklas == "\xc2\xa0") {  // the non-breaking space
      const bool tarp_skaitmenu = i > 0 && Skaitmuo(t[i - 1]);
      if (tarp_skaitmenu && TrysSkaitmenys(t, i + ilgis)) {
        skyriklis = true;
      } else {
        tarpas = true;
      }
    } else if (eileje != std::end(kSkaitmenuEile)) {
      klaviatura = true;
      skaicius += "1234567890"[eileje - std::begin(kSkaitmenuEile)];
    } else {
      const unsigned char c = static_cast<unsigned char>(t[i]);
      valdymo = valdymo || c < 0x20 || c == 0x7f;
      tik_skaiciai = false;
    }
  }
  const std::string tesinys = k.rasta_ilgesne ? "..." : "";
  if (bruksnys) {
    return "\n(tai brūkšnys, o ne minuso ženklas „-“: ištrinkite jį ir "
           "parašykite minusą)";
  }
  if (skyriklis && !tarpas) {
    return "\n(tarp skaitmenų yra nelaužiamasis tarpas, kuriuo Excel "
           "skiria tūkstančius: ištrinkite jį" +
           (tik_skaiciai && !klaviatura ? " ir parašykite " + skaicius + tesinys
                                        : std::string()) +
           ")";
  }
  if (tarpas || skyriklis) {
    return "\n(jame yra nelaužiamasis tarpas: ištrinkite tarpą ir "
           "įveskite jį iš naujo tarpo klavišu)";
  }
  if (klaviatura && tik_skaiciai) {
    return "\n(tai raidės, kurias lietuviška klaviatūra rašo skaitmenų "
           "klavišais: turėjo būti " +
           skaicius + tesinys +
           "; perjunkite klaviatūrą į anglų kalbą (Alt+Shift arba "
           "Windows+tarpas) arba skaitmenis rinkite skaitmenų klaviatūra "
           "dešinėje (įjungę Num Lock))";
  }
  if (valdymo && std::any_of(t.begin(), t.end(), Skaitmuo)) {
    return "\n(jame yra nematomas valdymo ženklas: ištrinkite šį tekstą su "
           "tarpais aplink jį ir parašykite skaičių iš naujo)";
  }
  if (t.find(';') != std::string::npos) {
    return "\n(skaičiai atskirti kabliataškiais, kaip Excel įrašo CSV failą: "
           "atskirkite juos tarpais)";
  }
  if (t.find(',') != std::string::npos) {
    return "\n(skaičiai turi būti sveikieji ir atskirti tarpais, ne "
           "kableliais)";
  }
  if (k.prilipes) return "\n(skaičiai turi būti sveikieji ir atskirti tarpais)";
  return "";
}
