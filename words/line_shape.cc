#include "words/line_shape.h"

#include <cstdint>

namespace {

// "N skaičius", "N skaičiai" or "N skaičių", the noun as the number takes it.
std::string Skaiciai(std::int64_t n) {
  const std::int64_t d = n % 10;
  if (d == 0 || (n % 100 >= 11 && n % 100 <= 19)) {
    return std::to_string(n) + " skaičių";
  }
  return std::to_string(n) + (d == 1 ? " skaičius" : " skaičiai");
}

}  // namespace

std::string EiluciuNeatitikimas(const EiluciuForma& f) {
  const bool vienoje =
      f.eiluciu == 0 || (f.eiluciu == 1 && f.kiekiu_eiluteje <= 2);
  if (vienoje || (f.po > 0 && f.m > 0 && f.m % f.po == 0)) return "";
  const std::string n = std::to_string(f.n);
  const std::string m = std::to_string(f.m);
  if (f.kiekiu_eiluteje > 2 && f.po == f.kiekiu_eiluteje) {
    return "pirmieji du skaičiai" +
           (f.m < 0 ? "" : " (" + n + " ir " + m + ")") +
           " laikomi eilučių ir stulpelių skaičiais, bet pirmoje eilutėje "
           "yra " +
           Skaiciai(f.po) +
           ", kaip ir kiekvienoje kitoje:\njei tai matricos eilutė, failo "
           "pradžioje įrašykite eilutę „" +
           std::to_string(f.eiluciu + 1) + " " + std::to_string(f.po) +
           "“ (eilučių ir stulpelių skaičius).";
  }
  if (f.m < 0) return "";
  return "eilučių skaičius " + n + ", stulpelių skaičius " + m + ", bet " +
         (f.po > 0 ? "kiekvienoje eilutėje yra " + Skaiciai(f.po)
                   : "eilutėje Nr. " + std::to_string(f.ne_m_eilute) + " yra " +
                         Skaiciai(f.ne_m)) +
         ":\nar teisingi eilučių ir stulpelių skaičiai? Matrica skaitoma "
         "pagal juos, o ne pagal eilutes.";
}

std::string EiluciuPastaba(const EiluciuForma& f) {
  const std::string s = EiluciuNeatitikimas(f);
  return s.empty() ? "" : "Pastaba: " + s;
}

std::string EiluciuUzuomina(const EiluciuForma& f) {
  std::string s = EiluciuNeatitikimas(f);
  if (!s.empty()) s[0] = static_cast<char>(s[0] - 'a' + 'A');  // ASCII
  return s.empty() ? "" : "\n" + s;
}
