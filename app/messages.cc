#include "app/messages.h"

#include <filesystem>
#include <system_error>

#include "app/ascii.h"
#include "app/file_reason.h"
#include "app/near_names.h"

namespace fs = std::filesystem;

namespace {

// The folder that holds the file vardas, as an absolute path in ASCII.
std::string Aplankas(const std::string& vardas) {
  std::error_code ec;
  const fs::path kelias = fs::absolute(vardas, ec);
  return ec ? "?" : Ascii(Utf8(kelias.parent_path()));
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

// The reason in words; neleidziama is the words for a lack of permission.
std::string PriezastisZodziais(FailoPriezastis priezastis, int klaidos_nr,
                               const char* neleidziama) {
  switch (priezastis) {
    case FailoPriezastis::kAplankas:
      return "tai aplankas";
    case FailoPriezastis::kNeraLeidimo:
      return neleidziama;
    case FailoPriezastis::kDiskasPilnas:
      return "diske nebera vietos";
    case FailoPriezastis::kNerastas:
    case FailoPriezastis::kKita:
      break;
  }
  return "kita sistemos klaida (kodas " + std::to_string(klaidos_nr) + ")";
}

std::string Neatidaromas(const std::string& Duom, int klaidos_nr) {
  const FailoPriezastis priezastis = Priezastis(Duom, klaidos_nr);
  const std::string aplankas = Aplankas(Duom);
  if (priezastis == FailoPriezastis::kNerastas) {
    const std::string vardas = Pavadinimas(Duom);
    std::string tekstas =
        "duomenu failas " + vardas + " nerastas aplanke " + aplankas;
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
         " aplanke " + aplankas + ": " +
         PriezastisZodziais(priezastis, klaidos_nr, "nera leidimo skaityti") +
         ".";
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
      return Neatidaromas(Duom, klaida.klaidos_nr);
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

std::string RasymoPranesimas(std::string Rez, int klaidos_nr) {
  return "nepavyko irasyti rezultatu failo " + Pavadinimas(Rez) + " aplanke " +
         Aplankas(Rez) + ": " +
         PriezastisZodziais(Priezastis(Rez, klaidos_nr), klaidos_nr,
                            "nera leidimo rasyti (failas ar aplankas tik "
                            "skaitomas, arba failas atidarytas kitoje "
                            "programoje)") +
         ".";
}

std::string SekmesPranesimas(std::string Rez) {
  return "Rezultatu ieskokite faile: " + Rez + ".";
}
