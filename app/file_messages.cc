#include "app/file_messages.h"

#include <filesystem>
#include <system_error>

#include "app/ascii.h"
#include "app/file_reason.h"
#include "app/near_names.h"

namespace fs = std::filesystem;

namespace {

// The folder that holds the file vardas, as an absolute path; empty when the
// working folder is gone.
fs::path Aplankas(const std::string& vardas) {
  std::error_code ec;
  const fs::path kelias = fs::absolute(vardas, ec);
  return ec ? fs::path() : kelias.parent_path();
}

// The reason a file could not be read or written (rasymas), in words.
std::string PriezastisZodziais(FailoPriezastis priezastis, bool rasymas,
                               const SistemosKlaida& klaida) {
  switch (priezastis) {
    case FailoPriezastis::kAplankas:
      return "tai aplankas";
    case FailoPriezastis::kNerastas:
      return "failas nerastas";
    case FailoPriezastis::kNeraAplanko:
      return "aplanko, kuriame turi būti failas, nėra (gal tai nuoroda į "
             "ištrintą aplanką?)";
    case FailoPriezastis::kDarboAplankasIstrintas:
      return "aplankas, kuriame programa paleista, ištrintas";
    case FailoPriezastis::kNeAplankas:
      return "dalis kelio iki failo yra ne aplankas";
    case FailoPriezastis::kNuoroduCiklas:
      return "simbolinės nuorodos sudaro ratą";
    case FailoPriezastis::kAtidarytasKitur:
      return "failas atidarytas kitoje programoje (pvz., Excel ar Word), kuri "
             "jo neužleidžia: uždarykite jį ten ir paleiskite šią programą dar "
             "kartą";
    case FailoPriezastis::kTikSkaitymui:
      return "failas pažymėtas „Tik skaitymui“ (Read-only): spustelėkite jį "
             "dešiniuoju pelės klavišu, pasirinkite „Ypatybės“ (Properties), "
             "nuimkite žymę „Tik skaitymui“ ir spustelėkite „Gerai“";
    case FailoPriezastis::kNeraLeidimo:
      return rasymas ? "neturite teisės rašyti į šį failą ar aplanką: "
                       "perkelkite programą ir Masyvas.txt į savo aplanką, "
                       "pvz., Dokumentai ar Darbalaukis"
                     : "neturite teisės jo skaityti";
    case FailoPriezastis::kDiskasPilnas:
      return "diske nebėra vietos";
    case FailoPriezastis::kPerDidelis:
      return "failas per didelis (viršyta leistino failo dydžio riba)";
    case FailoPriezastis::kKita:
      break;
  }
  return "kita sistemos klaida (kodas " +
         std::to_string(SistemosKodas(klaida)) + ": " +
         SistemosTekstas(klaida) + ")";
}

// What may be done when the data file is not found: where the program runs,
// and the files nearly of its name.
std::string KurIeskoti(const std::string& Duom) {
  const fs::path aplankas = Aplankas(Duom);
  const std::string vardas = Pavadinimas(Duom);
  const std::string kamienas = Utf8(fs::path(vardas).stem());
  std::string tekstas;
  if (LaikinameAplanke(aplankas)) {
    tekstas +=
        " Programa paleista laikinajame aplanke, tikriausiai tiesiai iš ZIP "
        "archyvo: pirma išskleiskite archyvą („Išskleisti viską...“, angl. "
        "Extract All) ir paleiskite programą iš išskleisto aplanko.";
  }
  for (const PanasusVardas& kitas : PanasusVardai(aplankas, vardas)) {
    tekstas += " Ten yra failas " + kitas.vardas;
    switch (kitas.rusis) {
      case PanasusVardas::kDuPletiniai:
        tekstas +=
            ": jo varde du plėtiniai (Windows paslepia "
            "paskutinįjį). Pervadinkite jį į " +
            vardas + "; jei plėtiniai paslėpti, rašykite tik " + kamienas + ".";
        break;
      case PanasusVardas::kKitosRaides:
        tekstas += ": pervadinkite jį į " + vardas +
                   " (didžiosios ir mažosios raidės čia skiriasi).";
        break;
      case PanasusVardas::kExcel:
        tekstas +=
            ": tai Excel darbaknygė, ne tekstas. Atidarykite ją Excel "
            "programa ir įrašykite kaip tekstą: „Failas“, „Įrašyti "
            "kaip“, failo tipas „Tekstas (atskirtas tabuliavimo "
            "ženklais)“ (Text (Tab delimited)), vardas " +
            kamienas + ".";
        break;
      case PanasusVardas::kKitasPletinys:
        tekstas += ": pervadinkite jį į " + vardas +
                   " (pirma įjunkite failų vardų plėtinių rodymą).";
        break;
    }
  }
  return tekstas;
}

}  // namespace

std::string Aplanke(const std::string& vardas) {
  const fs::path aplankas = Aplankas(vardas);
  return aplankas.empty() ? "" : " aplanke " + Utf8(aplankas);
}

std::string Pavadinimas(const std::string& vardas) {
  return Utf8(fs::path(vardas).filename());
}

std::string NeatidaromoFailoPranesimas(std::string Duom,
                                       const SistemosKlaida& klaida) {
  const FailoPriezastis priezastis = Priezastis(Duom, false, klaida);
  if (priezastis == FailoPriezastis::kNerastas) {
    return "duomenų failas " + Pavadinimas(Duom) + " nerastas" + Aplanke(Duom) +
           "." + KurIeskoti(Duom);
  }
  return "nepavyko atidaryti duomenų failo " + Pavadinimas(Duom) +
         Aplanke(Duom) + ": " + PriezastisZodziais(priezastis, false, klaida) +
         ".";
}

std::string RasymoPranesimas(std::string Rez, const SistemosKlaida& klaida,
                             bool isvalyta) {
  return "nepavyko įrašyti rezultatų failo " + Pavadinimas(Rez) + Aplanke(Rez) +
         ": " +
         PriezastisZodziais(Priezastis(Rez, true, klaida), true, klaida) +
         (isvalyta ? ""
                   : "; išvalyti jo irgi nepavyko, tad jame liko "
                     "nepilna ataskaita") +
         ".";
}

std::string TasPatsFailasPranesimas(std::string Rez, std::string Duom) {
  return "rezultatų failas " + Pavadinimas(Rez) + " ir duomenų failas " +
         Pavadinimas(Duom) + Aplanke(Rez) +
         " yra tas pats failas (vienas yra nuoroda į kitą); abu palikti "
         "nepakeisti.";
}

std::string UzimtasPranesimas(std::string Rez) {
  return "rezultatų failą " + Pavadinimas(Rez) + Aplanke(Rez) +
         " dabar rašo kitas šios programos paleidimas; palaukite, kol jis "
         "baigs, ir paleiskite programą dar kartą.";
}
