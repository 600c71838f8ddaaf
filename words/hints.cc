#include "words/hints.h"

#include <filesystem>

#include "os/file_reason.h"
#include "text/utf8.h"
#include "words/documents.h"
#include "words/near_names.h"

std::string KurIeskoti(std::string Duom,
                       const std::filesystem::path& programos) {
  const std::filesystem::path aplankas = Aplankas(Duom);
  const std::string vardas = Pavadinimas(Duom);
  const std::string kamienas = Utf8(std::filesystem::path(vardas).stem());
  std::string tekstas;
  if (ZipAplanke(aplankas)) {
    tekstas +=
        "\nPrograma paleista laikinajame aplanke, tikriausiai tiesiai iš ZIP "
        "archyvo: pirma išskleiskite archyvą („Išskleisti viską...“, angl. "
        "Extract All) ir paleiskite programą iš išskleisto aplanko.";
  }
  for (const PanasusVardas& kitas : PanasusVardai(aplankas, vardas)) {
    tekstas += "\nTen yra failas " + kitas.vardas;
    switch (kitas.rusis) {
      case PanasusVardas::kDuPletiniai:
        tekstas +=
            ": jo varde du plėtiniai (Windows paslepia paskutinįjį). "
            "Pervardykite jį – naujas vardas " +
            vardas + "; jei plėtiniai paslėpti, rašykite tik " + kamienas + ".";
        break;
      case PanasusVardas::kKitosRaides:
        tekstas += ": pervardykite jį – naujas vardas " + vardas +
                   " (didžiosios ir mažosios raidės čia skiriasi).";
        break;
      case PanasusVardas::kKitasPletinys:
        tekstas += ": pervardykite jį – naujas vardas " + vardas +
                   " (pirma įjunkite failų vardų plėtinių rodymą).";
        break;
      case PanasusVardas::kNuoroda:
        tekstas +=
            ": tai nuoroda į failą, o ne pats failas. Nukopijuokite patį failą "
            "į šį aplanką: spustelėkite nuorodą dešiniuoju pelės klavišu ir "
            "pasirinkite „Atidaryti failo vietą“ (Open file location).";
        break;
      case PanasusVardas::kDokumentas:
        tekstas += KaipIrasytiTekstu(kitas.dokumentas, kamienas);
        break;
    }
  }
  if (ProgramosAplankeYra(aplankas, programos, vardas)) {
    tekstas += "\nFailas " + vardas + " yra programos aplanke " +
               Utf8(programos) +
               ", bet programa jo ieško ten, kur paleista: paleiskite ją iš "
               "jos pačios aplanko (pvz., dukart ją spustelėję).";
  }
  return tekstas;
}

std::string KodasIrTekstas(const SistemosKlaida& k) {
  if (SistemosKodas(k) == 0) return "";
  return " (kodas " + std::to_string(SistemosKodas(k)) + ": " +
         SistemosTekstas(k) + ")";
}

std::string Zodziais(FailoPriezastis p, bool rasymas, const SistemosKlaida& k,
                     std::string Duom, std::string Rez) {
  switch (p) {
    case FailoPriezastis::kAplankas:
      return "tai aplankas";
    case FailoPriezastis::kNeFailas:
      return "tai kanalas (FIFO) ar įrenginys, o ne failas:\ništrinkite jį ir "
             "paleiskite programą dar kartą";
    case FailoPriezastis::kNuoroda:
      return "tai simbolinė nuoroda, o per nuorodas programa nerašo:\n"
             "ištrinkite ją ir paleiskite programą dar kartą";
    case FailoPriezastis::kTasPatsFailas:
      return "tai tas pats failas kaip duomenų failas " + Pavadinimas(Duom) +
             " (vienas yra nuoroda į kitą), tad abu palikti nepakeisti";
    case FailoPriezastis::kKitiVardai:
      return "šis failas turi ir kitų vardų (kietųjų nuorodų), tad programa jo "
             "nekeičia:\ništrinkite jį ir paleiskite programą dar kartą";
    case FailoPriezastis::kIsvestis:
      return "į jį nukreipta ir pačios programos išvestis (pvz., masyvas > " +
             Pavadinimas(Rez) + "):\nnukreipkite ją į kitą failą";
    case FailoPriezastis::kUzimtas:
      return "jį dabar rašo kita programa, tikriausiai kita tuo pat metu "
             "paleista šios programos kopija:\npalaukite, kol ji baigs, ir "
             "paleiskite programą dar kartą";
    case FailoPriezastis::kNerastas:
      return "tai nuoroda į failą ar aplanką, kurio nėra";
    case FailoPriezastis::kDarboAplankasIstrintas:
      return "aplankas, kuriame programa paleista, ištrintas";
    case FailoPriezastis::kNeAplankas:
      return "dalis kelio iki failo yra ne aplankas";
    case FailoPriezastis::kNuoroduCiklas:
      return "simbolinės nuorodos sudaro ratą";
    case FailoPriezastis::kAtidarytasKitur:
      return "failas atidarytas kitoje programoje (pvz., Excel ar Word) ir jos "
             "užimtas:\nuždarykite jį ten ir paleiskite šią programą dar kartą";
    case FailoPriezastis::kTikSkaitymui:
      return "failas pažymėtas „Tik skaitymui“ (Read-only):\nspustelėkite jį "
             "dešiniuoju pelės klavišu, pasirinkite „Ypatybės“ (Properties), "
             "nuimkite žymę „Tik skaitymui“ ir spustelėkite „Gerai“";
    case FailoPriezastis::kNeraLeidimo:
      return rasymas ? "neturite teisės rašyti į šį failą ar aplanką:\n"
                       "perkelkite programą ir " +
                           Pavadinimas(Duom) +
                           " į savo aplanką, pvz., Dokumentai ar Darbalaukis"
                     : "neturite teisės jo skaityti";
    case FailoPriezastis::kDiskasPilnas:
      return "diske nebėra vietos";
    case FailoPriezastis::kPerDidelis:
      return "failas per didelis (viršyta leistino failo dydžio riba)";
    case FailoPriezastis::kKita:
      break;
  }
  return "kita sistemos klaida" + KodasIrTekstas(k);
}
