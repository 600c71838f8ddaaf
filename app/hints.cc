#include "app/hints.h"

#include <filesystem>

#include "app/documents.h"
#include "app/file_reason.h"
#include "app/near_names.h"
#include "app/utf8.h"

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
      case PanasusVardas::kExcel:
      case PanasusVardas::kWord:
      case PanasusVardas::kRtf:
      case PanasusVardas::kWriter:
      case PanasusVardas::kPdf:
        tekstas += KaipIrasytiTekstu(kitas.rusis, kamienas);
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

std::string Zodziais(FailoPriezastis p, bool rasymas, const SistemosKlaida& k) {
  switch (p) {
    case FailoPriezastis::kAplankas:
      return "tai aplankas";
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
    case FailoPriezastis::kNekeiciamas:
      return "failui nustatytas požymis „nekeičiamas“ (immutable, chattr +i):\n"
             "jį nuimti gali administratorius komanda chattr -i";
    case FailoPriezastis::kTikPapildomas:
      return "failui nustatytas požymis „tik papildyti“ (append-only, chattr "
             "+a):\njį nuimti gali administratorius komanda chattr -a";
    case FailoPriezastis::kNeraLeidimo:
      return rasymas ? "neturite teisės rašyti į šį failą ar aplanką:\n"
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
  return "kita sistemos klaida" + KodasIrTekstas(k);
}
