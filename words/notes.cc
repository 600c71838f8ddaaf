#include "words/notes.h"

#include <algorithm>

#include "os/program.h"
#include "text/utf8.h"
#include "words/hints.h"
#include "words/messages.h"
#include "words/near_names.h"

namespace {

// "N skaičius", "N skaičiai" or "N skaičių", the noun as the number takes it.
std::string Skaiciai(std::int64_t n) {
  const std::int64_t d = n % 10;
  if (d == 0 || (n % 100 >= 11 && n % 100 <= 19)) {
    return std::to_string(n) + " skaičių";
  }
  return std::to_string(n) + (d == 1 ? " skaičius" : " skaičiai");
}

// What the lines show, as EiluciuPastaba says, then on a line of its own
// what to check or do: a clause to follow a colon or a semicolon.
std::string EiluciuNeatitikimas(const EiluciuForma& f) {
  const bool vienoje =
      f.eiluciu == 0 || (f.eiluciu == 1 && f.kiekiu_eiluteje <= 2);
  if (vienoje || (f.po > 0 && f.m > 0 && f.m % f.po == 0)) return "";
  const std::string n = std::to_string(f.n);
  const std::string m = std::to_string(f.m);
  if (f.kiekiu_eiluteje > 2 && f.po == f.kiekiu_eiluteje) {
    return "pirmieji du skaičiai" +
           (f.m < 0 ? "" : " (" + n + " ir " + m + ")") +
           " laikomi eilučių ir stulpelių skaičiais, bet pirmoje failo "
           "eilutėje yra " +
           Skaiciai(f.po) +
           ", kaip ir kiekvienoje kitoje:\njei tai lentelės eilutė, failo "
           "pradžioje įrašykite eilutę „" +
           std::to_string(f.eiluciu + 1) + " " + std::to_string(f.po) +
           "“ (tai eilučių ir stulpelių skaičiai).";
  }
  if (f.m < 0) return "";
  return "eilučių skaičius " + n + ", stulpelių skaičius " + m + ", bet " +
         (f.po > 0 ? "kiekvienoje failo eilutėje yra " + Skaiciai(f.po)
                   : "failo eilutėse skaičių yra nevienodai") +
         ":\nar teisingi eilučių ir stulpelių skaičiai? Lentelė skaitoma "
         "pagal juos, o ne pagal failo eilutes; jei jie neteisingi, "
         "pataisykite pirmąją failo eilutę.";
}

// The names as "A", "A ir B", "A, B ir C".
std::string Isvardyti(const std::vector<std::string>& vardai) {
  std::string tekstas;
  for (std::size_t k = 0; k < vardai.size(); ++k) {
    if (k > 0) tekstas += k + 1 == vardai.size() ? " ir " : ", ";
    tekstas += vardai[k];
  }
  return tekstas;
}

}  // namespace

std::string EiluciuPastaba(const EiluciuForma& forma) {
  const std::string s = EiluciuNeatitikimas(forma);
  return s.empty() ? "" : "Pastaba: " + s;
}

std::string EiluciuUzuomina(const EiluciuForma& forma) {
  std::string s = EiluciuNeatitikimas(forma);
  if (!s.empty()) s[0] = static_cast<char>(s[0] - 'a' + 'A');  // ASCII
  return s.empty() ? "" : "\n" + s;
}

std::string PertekliausIspejimas(std::string Duom, const Vieta& vieta,
                                 const EiluciuForma& forma) {
  const std::string eilutes = EiluciuNeatitikimas(forma);
  return "Įspėjimas: " + Pavadinimas(Duom) + ":" + std::to_string(vieta.eil) +
         ":" + std::to_string(vieta.stulp) +
         ": po paskutinio elemento dar yra skaičių ar teksto, jų "
         "nepaisyta; " +
         (!eilutes.empty() ? eilutes
                           : "ar teisingi eilučių (" + std::to_string(forma.n) +
                                 ") ir stulpelių (" + std::to_string(forma.m) +
                                 ") skaičiai?");
}

std::string PavyzdzioPastaba(std::string Duom, const std::int32_t Mas[][Cm],
                             std::int32_t n, std::int32_t m,
                             const std::filesystem::path& laikinas) {
  // The values of the sample data file that comes with the program.
  static const std::int32_t kPavyzdys[3][4] = {
      {1, -2, 3, 4}, {-1, -5, 0, -7}, {10, 20, 30, 6}};
  if (n != 3 || m != 4) return "";
  for (int i = 0; i < n; ++i) {
    if (!std::equal(kPavyzdys[i], kPavyzdys[i] + m, Mas[i])) return "";
  }
  return "Pastaba: perskaityti pavyzdiniai duomenys, pateikiami kartu su "
         "programa.\nSavo duomenis įrašykite vietoj pavyzdinių į " +
         Pavadinimas(Duom) +
         (LaikinameAplanke(Aplankas(Duom), laikinas)
              ? " išskleistame aplanke (žr. kitą pastabą)."
              : Aplanke(Duom) + ", kuriame programa paleista.");
}

std::string KoduotesPastaba(std::string Rez) {
  return "Pastaba: ataskaita " + Pavadinimas(Rez) +
         " įrašyta Baltijos šalių koduote Windows-1257; jei Užrašų knygelė "
         "rodo keistus ženklus vietoj lietuviškų raidžių, skaitykite "
         "SKAITYKITE.txt skyrių „KAIP ATIDARYTI ATASKAITĄ“.";
}

std::string LaikinoAplankoPastaba(std::string Rez,
                                  const std::filesystem::path& laikinas) {
  if (!LaikinameAplanke(Aplankas(Rez), laikinas)) return "";
  return "Pastaba: ataskaita " + Pavadinimas(Rez) + " įrašyta laikinajame" +
         Aplanke(Rez) + ", kurį Windows gali ištrinti. " + kIsArchyvo;
}

std::string PanasiuVarduPastaba(std::string Duom) {
  const std::string vardas = Pavadinimas(Duom);
  const std::vector<PanasusVardas> kiti = PanasusVardai(Aplankas(Duom), vardas);
  if (kiti.empty()) return "";
  std::vector<std::string> vardai;
  std::string paslepti;
  for (const PanasusVardas& kitas : kiti) {
    vardai.push_back(kitas.vardas);
    if (kitas.rusis == PanasusVardas::kDuPletiniai) {
      paslepti = " Kai failų vardų plėtiniai paslėpti, Windows " + vardas +
                 " rodo kaip „" + Utf8(std::filesystem::path(vardas).stem()) +
                 "“, o " + kitas.vardas + " – kaip „" + vardas + "“.";
    }
  }
  return "Pastaba: perskaitytas failas " + vardas + ", o ne šalia esant" +
         (vardai.size() == 1 ? "is " : "ys ") + Isvardyti(vardai) +
         ". Patikrinkite, ar taisėte būtent jį." + paslepti;
}

std::string AplankoPastaba(std::string Duom, std::string Rez,
                           const std::filesystem::path& programos) {
  const std::filesystem::path aplankas = Aplankas(Duom);
  if (!ProgramosAplankeYra(aplankas, programos, Pavadinimas(Duom)) &&
      !ProgramosAplankeYra(aplankas, programos, Pavadinimas(Rez))) {
    return "";
  }
  return "Pastaba: " + Pavadinimas(Duom) + " perskaitytas ir " +
         Pavadinimas(Rez) + " įrašytas" + Aplanke(Duom) +
         ", kuriame programa paleista, o ne programos aplanke " +
         Utf8(programos) + ".";
}

std::string ArgumentuPastaba(std::string Duom,
                             const std::vector<std::string>& argumentai) {
  if (argumentai.empty()) return "";
  std::vector<std::string> kabutese;
  for (const std::string& a : argumentai) kabutese.push_back("„" + a + "“");
  return std::string("Pastaba: programa nenaudoja jai perduot") +
         (argumentai.size() == 1 ? "o argumento " : "ų argumentų ") +
         Isvardyti(kabutese) +
         " (pvz., ant jos nutempto failo); duomenys perskaityti iš " +
         Pavadinimas(Duom) + Aplanke(Duom) + ", kuriame programa paleista.";
}

std::vector<std::string> Pastabos(std::string Duom, std::string Rez,
                                  const std::vector<std::string>& argumentai) {
  std::vector<std::string> pastabos = {
      LaikinoAplankoPastaba(Rez, LaikinasAplankas()),
      PanasiuVarduPastaba(Duom)};
  if (PaleidziamasSavoAplanke()) {
    pastabos.push_back(AplankoPastaba(Duom, Rez, ProgramosAplankas()));
  }
  pastabos.push_back(ArgumentuPastaba(Duom, argumentai));
  pastabos.erase(std::remove(pastabos.begin(), pastabos.end(), std::string()),
                 pastabos.end());
  return pastabos;
}
