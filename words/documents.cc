#include "words/documents.h"

#include <filesystem>

#include "text/utf8.h"

namespace {

// A kind of document: what it is, why it is not read, and how to save it as
// text, up to the new name.
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
     "knygelę ir ten įrašykite: „Failas“, „Įrašyti kaip“, vardas "},
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

std::string KaipIrasytiTekstu(Dokumentas d, const std::string& kamienas) {
  const Rusis* r = Rasti(d);
  if (r == nullptr) return "";
  return std::string(": tai ") + r->kas + r->kodel + ". " + r->kaip + kamienas +
         ".";
}

std::string DokumentasNeTekstas(Dokumentas d, std::string vardas) {
  const Rusis* r = Rasti(d);
  if (r == nullptr) return "";
  return "failas " + vardas + " yra ne tekstas, o " + r->kas +
         ", tik pavadintas " + vardas + ".\n" + r->kaip +
         Utf8(std::filesystem::path(vardas).stem()) + ".";
}
