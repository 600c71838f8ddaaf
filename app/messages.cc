#include "app/messages.h"

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

// " aplanke " and the folder that holds the file vardas; nothing when the
// working folder is gone.
std::string Aplanke(const std::string& vardas) {
  const fs::path aplankas = Aplankas(vardas);
  return aplankas.empty() ? "" : " aplanke " + Utf8(aplankas);
}

std::string Pavadinimas(const std::string& vardas) {
  return Utf8(fs::path(vardas).filename());
}

// Text found in the data file, in quotes: printable ASCII as it is, other
// bytes as \xNN, and "..." where it goes on.
std::string Cituoti(const std::string& rasta, bool ilgesne) {
  const char* skaitmenys = "0123456789abcdef";
  std::string citata = "\"";
  for (const char baitas : rasta) {
    const unsigned char c = static_cast<unsigned char>(baitas);
    if (c >= 0x20 && c < 0x7f) {
      citata += baitas;
    } else {
      citata += "\\x";
      citata += skaitmenys[c >> 4];
      citata += skaitmenys[c & 0xf];
    }
  }
  return citata + (ilgesne ? "...\"" : "\"");
}

// The value named as the subject of a sentence or, with kilmininkas, after
// "trūksta".
std::string Reiksme(const SkaitymoKlaida& k, bool kilmininkas) {
  switch (k.reiksme) {
    case SkaitymoKlaida::kEiluciuSkaicius:
      return kilmininkas ? "eilučių skaičiaus" : "eilučių skaičius";
    case SkaitymoKlaida::kStulpeliuSkaicius:
      return kilmininkas ? "stulpelių skaičiaus" : "stulpelių skaičius";
    case SkaitymoKlaida::kElementas:
      break;
  }
  return std::string(kilmininkas ? "elemento [" : "elementas [") +
         std::to_string(k.eilute) + ", " + std::to_string(k.stulpelis) + "]";
}

bool Yra(const std::string& tekstas, const char* dalis) {
  return tekstas.find(dalis) != std::string::npos;
}

// Why text found is no integer, where it is a common mistake: a dash from a
// word processor for the minus, a non-breaking space, the separators of a
// spreadsheet's CSV file, or values run together.
std::string KodelNeSveikasis(const SkaitymoKlaida& k) {
  const std::string& t = k.rasta;
  // En dash in UTF-8 and in Windows-1257, and the minus sign in UTF-8.
  if (Yra(t, "\xe2\x80\x93") || Yra(t, "\x96") || Yra(t, "\xe2\x88\x92")) {
    return " (tai brūkšnys, o ne minuso ženklas „-“: parašykite minusą)";
  }
  if (Yra(t, "\xc2\xa0") || Yra(t, "\xa0")) {
    return " (jame yra nepertraukiamasis tarpas: pakeiskite jį paprastu "
           "tarpu)";
  }
  if (Yra(t, ";")) {
    return " (skaičiai atskirti kabliataškiais, kaip Excel įrašo CSV failą: "
           "atskirkite juos tarpais)";
  }
  if (Yra(t, ",")) {
    return " (skaičiai turi būti sveikieji ir atskirti tarpais, ne "
           "kableliais)";
  }
  if (k.prilipes) return " (skaičiai turi būti sveikieji ir atskirti tarpais)";
  return "";
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

std::string Neatidaromas(const std::string& Duom,
                         const SistemosKlaida& klaida) {
  if (Priezastis(Duom, false, klaida) == FailoPriezastis::kNerastas) {
    return "duomenų failas " + Pavadinimas(Duom) + " nerastas" + Aplanke(Duom) +
           "." + KurIeskoti(Duom);
  }
  return "nepavyko atidaryti duomenų failo " + Pavadinimas(Duom) +
         Aplanke(Duom) + ": " + PriezastisZodziais(Duom, false, klaida) + ".";
}

}  // namespace

std::string SkaitymoPranesimas(std::string Duom, const SkaitymoKlaida& klaida) {
  const std::string vardas = Pavadinimas(Duom);
  const std::string ties = vardas + ":" + std::to_string(klaida.vieta.eil) +
                           ":" + std::to_string(klaida.vieta.stulp) + ": ";
  const std::string rasta = Cituoti(klaida.rasta, klaida.rasta_ilgesne);
  const bool kiekis = klaida.reiksme != SkaitymoKlaida::kElementas;
  const std::string riba = klaida.reiksme == SkaitymoKlaida::kEiluciuSkaicius
                               ? std::to_string(Cn)
                               : std::to_string(Cm);
  switch (klaida.rusis) {
    case SkaitymoKlaida::kNera:
      return "";
    case SkaitymoKlaida::kNeatidaromas:
      return Neatidaromas(Duom, klaida.sistemos_klaida);
    case SkaitymoKlaida::kNeperskaitomas:
      return "nepavyko perskaityti duomenų failo " + vardas + " iki galo" +
             (klaida.sistemos_klaida.klaidos_nr == 0 &&
                      klaida.sistemos_klaida.windows_kodas == 0
                  ? ""
                  : " (kodas " +
                        std::to_string(SistemosKodas(klaida.sistemos_klaida)) +
                        ": " + SistemosTekstas(klaida.sistemos_klaida) + ")") +
             ".";
    case SkaitymoKlaida::kUtf16:
      return "failas " + vardas +
             " įrašytas UTF-16 koduote: atidarykite jį Užrašų knygelėje ir "
             "įrašykite iš naujo, lauke „Koduotė“ pasirinkę ANSI arba UTF-8.";
    case SkaitymoKlaida::kBaigesi:
      if (klaida.reiksme == SkaitymoKlaida::kEiluciuSkaicius) {
        return "duomenų failas " + vardas +
               " tuščias: jame turi būti eilučių skaičius, stulpelių skaičius "
               "ir elementai.";
      }
      return ties + "trūksta " + Reiksme(klaida, true) + ": failas baigėsi.";
    case SkaitymoKlaida::kNeSveikasis:
      return ties + Reiksme(klaida, false) +
             " turi būti sveikasis skaičius, rasta " + rasta +
             KodelNeSveikasis(klaida) + ".";
    case SkaitymoKlaida::kNetelpa:
      if (kiekis) {
        return ties + Reiksme(klaida, false) + " turi būti nuo 0 iki " + riba +
               ", rasta " + rasta + ".";
      }
      return ties + Reiksme(klaida, false) +
             " netelpa į leistiną ribą: rasta " + rasta +
             ", o turi būti nuo -2147483648 iki 2147483647.";
    case SkaitymoKlaida::kUzRibu:
      break;
  }
  return ties + Reiksme(klaida, false) + " turi būti nuo 0 iki " + riba +
         ", rasta " + std::to_string(klaida.skaicius) + ".";
}

std::string RasymoPranesimas(std::string Rez, const SistemosKlaida& klaida,
                             bool isvalyta) {
  return "nepavyko įrašyti rezultatų failo " + Pavadinimas(Rez) + Aplanke(Rez) +
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

std::string KlaidosEilute(const std::string& pranesimas) {
  return "Klaida: " + pranesimas;
}

std::string PertekliausIspejimas(std::string Duom, const Vieta& vieta,
                                 std::int32_t n, std::int32_t m) {
  return "Įspėjimas: " + Pavadinimas(Duom) + ":" + std::to_string(vieta.eil) +
         ":" + std::to_string(vieta.stulp) +
         ": po paskutinio elemento dar yra skaičių ar teksto, į juos "
         "neatsižvelgta; ar teisingi eilučių (" +
         std::to_string(n) + ") ir stulpelių (" + std::to_string(m) +
         ") skaičiai?";
}

std::string KoduotesPastaba(std::string Rez) {
  return "Pastaba: ataskaita " + Pavadinimas(Rez) +
         " įrašyta baltų kalbų koduote Windows-1257; jei Užrašų knygelė rodo "
         "keistus ženklus vietoj lietuviškų raidžių, skaitykite SKAITYKITE.txt "
         "skyrių „KAIP ATIDARYTI ATASKAITĄ“.";
}

std::string SekmesPranesimas(std::string Rez) {
  return "Rezultatu ieskokite faile: " + Rez + ".";
}
