#include "app/messages.h"

#include <filesystem>
#include <system_error>

#include "app/ascii.h"
#include "app/file_reason.h"
#include "app/near_names.h"

namespace fs = std::filesystem;

namespace {

// " aplanke " and the folder that holds the file vardas, as an absolute path
// in ASCII; nothing when the working folder is gone.
std::string Aplanke(const std::string& vardas) {
  std::error_code ec;
  const fs::path kelias = fs::absolute(vardas, ec);
  return ec ? "" : " aplanke " + Ascii(Utf8(kelias.parent_path()));
}

std::string Pavadinimas(const std::string& vardas) {
  return Ascii(Utf8(fs::path(vardas).filename()));
}

// The value named as the subject of a sentence or, with kilmininkas, after
// "truksta".
std::string Reiksme(const SkaitymoKlaida& k, bool kilmininkas) {
  switch (k.reiksme) {
    case SkaitymoKlaida::kEiluciuSkaicius:
      return kilmininkas ? "eiluciu skaiciaus" : "eiluciu skaicius";
    case SkaitymoKlaida::kStulpeliuSkaicius:
      return kilmininkas ? "stulpeliu skaiciaus" : "stulpeliu skaicius";
    case SkaitymoKlaida::kElementas:
      break;
  }
  return std::string(kilmininkas ? "elemento [" : "elementas [") +
         std::to_string(k.eilute) + ", " + std::to_string(k.stulpelis) + "]";
}

// Why a file could not be read or written (rasymas), in words.
std::string PriezastisZodziais(const std::string& vardas, bool rasymas,
                               const SistemosKlaida& klaida) {
  switch (Priezastis(vardas, rasymas, klaida)) {
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
      return "failas atidarytas kitoje programoje";
    case FailoPriezastis::kTikSkaitymui:
      return "failas tik skaitomas";
    case FailoPriezastis::kNeraLeidimo:
      return rasymas ? "nera leidimo rasyti (failas ar aplankas tik skaitomas, "
                       "arba failas atidarytas kitoje programoje)"
                     : "nera leidimo skaityti";
    case FailoPriezastis::kDiskasPilnas:
      return "diske nebera vietos";
    case FailoPriezastis::kPerDidelis:
      return "failas per didelis (viršyta leistino failo dydžio riba)";
    case FailoPriezastis::kKita:
      break;
  }
  return "kita sistemos klaida (kodas " +
         std::to_string(SistemosKodas(klaida)) + ": " +
         SistemosTekstas(klaida) + ")";
}

std::string Neatidaromas(const std::string& Duom,
                         const SistemosKlaida& klaida) {
  if (Priezastis(Duom, false, klaida) == FailoPriezastis::kNerastas) {
    const std::string vardas = Pavadinimas(Duom);
    std::string tekstas =
        "duomenu failas " + vardas + " nerastas" + Aplanke(Duom);
    const fs::path kur = fs::path(Duom).parent_path();
    for (const PanasusVardas& kitas :
         PanasusVardai(kur.empty() ? fs::path(".") : kur, vardas)) {
      tekstas += "; ten yra " + Ascii(kitas.vardas);
      tekstas += kitas.rusis == PanasusVardas::kDuPletiniai
                     ? " (ar pavadinime nera dvieju pletiniu?)"
                     : " (pervadinkite ji i " + vardas + ")";
    }
    return tekstas + ".";
  }
  return "nepavyko atidaryti duomenu failo " + Pavadinimas(Duom) +
         Aplanke(Duom) + ": " + PriezastisZodziais(Duom, false, klaida) + ".";
}

}  // namespace

std::string SkaitymoPranesimas(std::string Duom, const SkaitymoKlaida& klaida) {
  const std::string vardas = Pavadinimas(Duom);
  const std::string ties = vardas + ":" + std::to_string(klaida.vieta.eil) +
                           ":" + std::to_string(klaida.vieta.stulp) + ": ";
  switch (klaida.rusis) {
    case SkaitymoKlaida::kNera:
      return "";
    case SkaitymoKlaida::kNeatidaromas:
      return Neatidaromas(Duom, klaida.sistemos_klaida);
    case SkaitymoKlaida::kNeperskaitomas:
      return "nepavyko perskaityti duomenu failo " + vardas + ".";
    case SkaitymoKlaida::kUtf16:
      return "failas " + vardas +
             " issaugotas UTF-16 koduote; issaugokite ji kaip ANSI arba UTF-8.";
    case SkaitymoKlaida::kBaigesi:
      return ties + "truksta " + Reiksme(klaida, true) + ": failas baigesi.";
    case SkaitymoKlaida::kNeSveikasis:
      return ties + Reiksme(klaida, false) +
             " turi buti sveikasis skaicius, rasta \"" + klaida.rasta + "\"" +
             (klaida.prilipes
                  ? " (skaiciai turi buti sveikieji ir atskirti tarpais)"
                  : "") +
             ".";
    case SkaitymoKlaida::kNetelpa:
      return ties + Reiksme(klaida, false) +
             " netelpa i 32 bitu sveikaji skaiciu: \"" + klaida.rasta + "\".";
    case SkaitymoKlaida::kUzRibu:
      break;
  }
  const bool eilutes = klaida.reiksme == SkaitymoKlaida::kEiluciuSkaicius;
  return ties + Reiksme(klaida, false) + " turi buti nuo 0 iki " +
         std::to_string(eilutes ? Cn : Cm) + ", rasta " +
         std::to_string(klaida.skaicius) + ".";
}

std::string RasymoPranesimas(std::string Rez, const SistemosKlaida& klaida,
                             bool isvalyta) {
  return "nepavyko irasyti rezultatu failo " + Pavadinimas(Rez) + Aplanke(Rez) +
         ": " + PriezastisZodziais(Rez, true, klaida) +
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

std::string SekmesPranesimas(std::string Rez) {
  return "Rezultatu ieskokite faile: " + Rez + ".";
}
