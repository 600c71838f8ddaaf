#include "words/notes.h"

#include <algorithm>

#include "os/program.h"
#include "text/utf8.h"
#include "words/messages.h"
#include "words/near_names.h"

std::string PertekliausIspejimas(std::string Duom, const Vieta& vieta,
                                 std::int32_t n, std::int32_t m) {
  return "Įspėjimas: " + Pavadinimas(Duom) + ":" + std::to_string(vieta.eil) +
         ":" + std::to_string(vieta.stulp) +
         ": po paskutinio elemento dar yra skaičių ar teksto, jie "
         "praleisti; ar teisingi eilučių (" +
         std::to_string(n) + ") ir stulpelių (" + std::to_string(m) +
         ") skaičiai?";
}

std::string KoduotesPastaba(std::string Rez) {
  return "Pastaba: ataskaita " + Pavadinimas(Rez) +
         " įrašyta baltų kalbų koduote Windows-1257; jei Užrašų knygelė rodo "
         "keistus ženklus vietoj lietuviškų raidžių, skaitykite SKAITYKITE.txt "
         "skyrių „KAIP ATIDARYTI ATASKAITĄ“.";
}

namespace {

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
         (vardai.size() == 1 ? "is " : "ys ") + Isvardyti(vardai) + "." +
         paslepti;
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
  std::vector<std::string> pastabos = {PanasiuVarduPastaba(Duom)};
  if (PaleidziamasSavoAplanke()) {
    pastabos.push_back(AplankoPastaba(Duom, Rez, ProgramosAplankas()));
  }
  pastabos.push_back(ArgumentuPastaba(Duom, argumentai));
  pastabos.erase(std::remove(pastabos.begin(), pastabos.end(), std::string()),
                 pastabos.end());
  return pastabos;
}
