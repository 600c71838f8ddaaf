#include "words/hints.h"

#include "text/utf8.h"
#include "words/near_names.h"

namespace {

// A spreadsheet's or a document's format, not plain text: what it is, why it
// is not read, and how to save it as text, up to the new name.
struct Rusis {
  Dokumentas dokumentas;
  const char* kas;
  const char* kaip;
  const char* kodel = ", ne tekstas";
};

// A zipped or an older Office document, told by its first bytes alone, may
// be of more than one program.
constexpr const char* kKaipBetKuri =
    "Atidarykite jį programa, kuria jis sukurtas, ir įrašykite kaip tekstą: "
    "„Failas“, „Įrašyti kaip“, failo tipas – tekstas, vardas ";

constexpr Rusis kRusys[] = {
    {kExcel, "Excel darbaknygė",
     "Atidarykite ją Excel programa ir įrašykite kaip tekstą: „Failas“, "
     "„Įrašyti kaip“, failo tipas „Tekstas (atskirtas tabuliavimo ženklais)“ "
     "(Text (Tab delimited)), vardas "},
    {kWord, "Word dokumentas",
     "Atidarykite jį Word programa ir įrašykite kaip tekstą: „Failas“, "
     "„Įrašyti kaip“, failo tipas „Paprastasis tekstas“ (Plain Text), vardas "},
    {kRtf, "RTF dokumentas",
     "Atidarykite jį Word ar LibreOffice Writer programa ir įrašykite kaip "
     "tekstą: „Failas“, „Įrašyti kaip“, failo tipas – paprastasis tekstas "
     "(Plain Text), vardas "},
    {kWriter, "LibreOffice Writer dokumentas",
     "Atidarykite jį LibreOffice Writer programa ir įrašykite kaip tekstą: "
     "„Failas“, „Įrašyti kaip“, failo tipas „Tekstas (.txt)“ (Text), vardas "},
    {kPdf, "PDF dokumentas",
     "Atidarykite jį, pažymėkite skaičius, nukopijuokite juos į Užrašų "
     "knygelę ir įrašykite failą: „Failas“, „Įrašyti kaip“, vardas "},
    {kZip, "Word (.docx), Excel (.xlsx) ar LibreOffice (.odt) dokumentas",
     kKaipBetKuri},
    {kOffice, "senesnės Word (.doc) ar Excel (.xls) versijos dokumentas",
     kKaipBetKuri},
    {kCsv, "CSV failas",
     "Atidarykite jį Excel programa ir įrašykite kaip tekstą: „Failas“, "
     "„Įrašyti kaip“, failo tipas „Tekstas (atskirtas tabuliavimo ženklais)“ "
     "(Text (Tab delimited)), vardas ",
     ", kuriame skaičiai atskirti kabliataškiais ar kableliais"},
};

const Rusis* Rasti(Dokumentas d) {
  for (const Rusis& r : kRusys) {
    if (r.dokumentas == d) return &r;
  }
  return nullptr;
}

}  // namespace

const char kIsArchyvo[] =
    "Programa tikriausiai paleista tiesiai iš ZIP archyvo: pirma išskleiskite "
    "archyvą („Išskleisti viską...“, angl. Extract All) ir paleiskite "
    "programą iš išskleisto aplanko.";

std::string KurIeskoti(std::string Duom,
                       const std::filesystem::path& programos) {
  const std::filesystem::path aplankas = Aplankas(Duom);
  const std::string vardas = Pavadinimas(Duom);
  const std::string kamienas = Utf8(std::filesystem::path(vardas).stem());
  std::string tekstas;
  tekstas += ZipAplanke(aplankas) ? std::string("\n") + kIsArchyvo
                                  : "\nĮrašykite jį į šį aplanką ir "
                                    "paleiskite programą dar kartą.";
  for (const PanasusVardas& kitas : PanasusVardai(aplankas, vardas)) {
    tekstas += "\nTen yra failas " + kitas.vardas;
    switch (kitas.rusis) {
      case PanasusVardas::kDuPletiniai:
        tekstas +=
            ": jo varde du plėtiniai (kai plėtiniai paslėpti, Windows rodo tik "
            "pirmąjį). Pervardykite jį – naujas vardas " +
            vardas + "; jei plėtiniai paslėpti, rašykite tik " + kamienas + ".";
        break;
      case PanasusVardas::kKitosRaides:
        tekstas += ": pervardykite jį – naujas vardas " + vardas +
                   " (didžiosios ir mažosios raidės čia skiriasi).";
        break;
      case PanasusVardas::kKitasPletinys:
        tekstas +=
            ": įjunkite failų vardų plėtinių rodymą ir pervardykite "
            "jį – naujas vardas " +
            vardas + ".";
        break;
      case PanasusVardas::kNuoroda:
        tekstas +=
            ": tai nuoroda į failą, o ne pats failas. Spustelėkite nuorodą "
            "dešiniuoju pelės mygtuku, pasirinkite „Atidaryti failo vietą“ "
            "(Open file location), atsidariusiame aplanke nukopijuokite "
            "failą " +
            vardas + " ir įklijuokite jį į šį aplanką.";
        break;
      case PanasusVardas::kDokumentas:
        if (const Rusis* r = Rasti(kitas.dokumentas)) {
          tekstas += std::string(": tai ") + r->kas + r->kodel + ". " +
                     r->kaip + kamienas + ".";
        }
        break;
    }
  }
  if (ProgramosAplankeYra(aplankas, programos, vardas)) {
    tekstas += "\nFailas " + vardas + " yra programos aplanke " +
               Utf8(programos) +
               ", bet programa jo ieško ten, kur paleista: paleiskite programą "
               "iš jos pačios aplanko (pvz., dukart ją spustelėję).";
  }
  return tekstas;
}

std::string DokumentasNeTekstas(Dokumentas d, std::string vardas) {
  const Rusis* r = Rasti(d);
  if (r == nullptr) return "";
  return "failas " + vardas + " yra ne tekstas, o " + r->kas +
         ", tik pavadintas " + vardas + ".\n" + r->kaip +
         Utf8(std::filesystem::path(vardas).stem()) + ".";
}

std::string KodasIrTekstas(const SistemosKlaida& k) {
  if (SistemosKodas(k) == 0) return "";
  return " (kodas " + std::to_string(SistemosKodas(k)) + ": " +
         SistemosTekstas(k) + ")";
}

std::string Zodziais(FailoPriezastis p, bool rasymas, const SistemosKlaida& k,
                     std::string Duom, std::string Rez) {
  const std::string duom = Pavadinimas(Duom);
  // The step that makes the file anew once its name is free: the program
  // writes a report, the person the data.
  const std::string is_naujo =
      rasymas ? "paleiskite programą dar kartą"
              : "įrašykite skaičius į tekstinį failą " + duom;
  const auto ir = [&is_naujo](const char* z) {
    return z + (" ir " + is_naujo);
  };
  switch (p) {
    case FailoPriezastis::kAplankas:
      return ir("tai aplankas, o ne failas:\npervardykite jį");
    case FailoPriezastis::kNeFailas:
      return ir(
          "tai kanalas (FIFO) ar įrenginys, o ne failas:\npervardykite "
          "jį");
    case FailoPriezastis::kNuoroda:
      return ir(
          "tai simbolinė nuoroda, o per nuorodas programa nerašo:\n"
          "ištrinkite nuorodą");
    case FailoPriezastis::kTasPatsFailas:
      return "tai tas pats failas kaip duomenų failas " + duom +
             " (tai vienas failas dviem vardais), tad abu palikti nepakeisti."
             "\nKad duomenys išliktų, atidarykite " +
             duom +
             " ir įrašykite jį kitu vardu („Failas“, „Įrašyti kaip“); tada "
             "ištrinkite " +
             duom + " ir " + Pavadinimas(Rez) +
             ", o naująjį failą pervardykite – naujas vardas " + duom;
    case FailoPriezastis::kKitiVardai:
      return ir(
          "šis failas turi ir kitų vardų (tai vienas failas keliais "
          "vardais, ne kopijos), tad programa jo nekeičia:\npervardykite "
          "jį");
    case FailoPriezastis::kIsvestis:
      return "į jį nukreipta ir pačios programos išvestis (pvz., masyvas > " +
             Pavadinimas(Rez) + "):\nnukreipkite ją į kitą failą";
    case FailoPriezastis::kUzimtas:
      return "į jį dabar rašo kita programa – tikriausiai tuo pat metu "
             "paleista dar viena šios programos kopija:\npalaukite, kol ji "
             "baigs, ir paleiskite programą dar kartą";
    case FailoPriezastis::kNerastas:
      return ir(
          "tai nuoroda į failą ar aplanką, kurio nėra:\ništrinkite "
          "nuorodą");
    case FailoPriezastis::kDarboAplankasIstrintas:
      return "aplankas, kuriame programa paleista, ištrintas:\npaleiskite "
             "programą aplanke, kuriame yra " +
             duom;
    case FailoPriezastis::kNeAplankas:
      return "dalis kelio iki failo yra ne aplankas:\npaleiskite programą "
             "aplanke, kuriame yra " +
             duom;
    case FailoPriezastis::kNuoroduCiklas:
      return ir("simbolinės nuorodos sudaro ciklą:\ništrinkite nuorodą");
    case FailoPriezastis::kAtidarytasKitur:
      return "failą naudoja kita programa (pvz., Excel ar Word):\nuždarykite "
             "jį ten ir paleiskite šią programą dar kartą";
    case FailoPriezastis::kTikSkaitymui:
      return "failas pažymėtas „Tik skaityti“ (Read-only):\nspustelėkite jį "
             "dešiniuoju pelės mygtuku, pasirinkite „Ypatybės“ (Properties), "
             "nuimkite žymę „Tik skaityti“ ir spustelėkite „Gerai“";
    case FailoPriezastis::kNeraLeidimo:
      return rasymas
                 ? "neturite teisės rašyti į šį failą ar aplanką:\n"
                   "perkelkite programą ir " +
                       duom + " į savo aplanką, pvz., Dokumentai ar Darbalaukis"
                 : "neturite teisės jo skaityti:\nnukopijuokite programą "
                   "į savo aplanką, pvz., Dokumentai ar Darbalaukis, ir "
                   "ten " +
                       is_naujo;
    case FailoPriezastis::kDiskasPilnas:
      return "diske nebėra vietos:\natlaisvinkite vietos ir paleiskite "
             "programą dar kartą";
    case FailoPriezastis::kPerDidelis:
      return "failas per didelis (viršyta leistino failo dydžio riba):\n"
             "padidinkite ribą (pvz., ulimit -f unlimited) ir paleiskite "
             "programą dar kartą";
    case FailoPriezastis::kKita:
      break;
  }
  return "kita sistemos klaida" + KodasIrTekstas(k) +
         ":\npaleiskite programą dar kartą, o jei klaida kartosis, parodykite "
         "šį pranešimą dėstytojui ar mokytojui";
}
