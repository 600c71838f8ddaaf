#include "app/documents.h"

#include <filesystem>

#include "app/utf8.h"

namespace {

// A kind of document: what it is, and how to save it as text, up to the new
// name.
struct Dokumentas {
  PanasusVardas::Rusis rusis;
  const char* kas;
  const char* kaip;
};

constexpr Dokumentas kDokumentai[] = {
    {PanasusVardas::kExcel, "Excel darbaknygė",
     "Atidarykite ją Excel programa ir įrašykite kaip tekstą: „Failas“, "
     "„Įrašyti kaip“, failo tipas „Tekstas (atskirtas tabuliavimo ženklais)“ "
     "(Text (Tab delimited)), vardas "},
    {PanasusVardas::kWord, "Word dokumentas",
     "Atidarykite jį Word programa ir įrašykite kaip tekstą: „Failas“, "
     "„Įrašyti kaip“, failo tipas „Paprastasis tekstas“ (Plain Text), vardas "},
    {PanasusVardas::kRtf, "RTF dokumentas",
     "Atidarykite jį WordPad ar Word programa ir įrašykite kaip tekstą: "
     "„Failas“, „Įrašyti kaip“, failo tipas – paprastasis tekstas (Plain "
     "Text), vardas "},
    {PanasusVardas::kWriter, "LibreOffice Writer dokumentas",
     "Atidarykite jį LibreOffice Writer programa ir įrašykite kaip tekstą: "
     "„Failas“, „Įrašyti kaip“, failo tipas „Tekstas (.txt)“ (Text), vardas "},
    {PanasusVardas::kPdf, "PDF dokumentas",
     "Atidarykite jį, pažymėkite skaičius, nukopijuokite juos į Užrašų "
     "knygelę ir ten įrašykite: „Failas“, „Įrašyti kaip“, vardas "},
};

// A zipped or an older Office document, told by its first bytes alone, may
// be of more than one program.
constexpr const char* kKaipBetKuri =
    "Atidarykite jį programa, kuria jis sukurtas, ir įrašykite kaip tekstą: "
    "„Failas“, „Įrašyti kaip“, failo tipas – tekstas, vardas ";

const Dokumentas* Rasti(PanasusVardas::Rusis rusis) {
  for (const Dokumentas& d : kDokumentai) {
    if (d.rusis == rusis) return &d;
  }
  return nullptr;
}

}  // namespace

std::string KaipIrasytiTekstu(PanasusVardas::Rusis rusis,
                              const std::string& kamienas) {
  const Dokumentas* d = Rasti(rusis);
  if (d == nullptr) return "";
  return std::string(": tai ") + d->kas + ", ne tekstas. " + d->kaip +
         kamienas + ".";
}

std::string DokumentasNeTekstas(SkaitymoKlaida::Dokumentas d,
                                const std::string& vardas) {
  std::string kas =
      "Word (.docx), Excel (.xlsx) ar LibreOffice (.odt) dokumentas";
  std::string kaip = kKaipBetKuri;
  if (d == SkaitymoKlaida::kOffice) {
    kas = "senesnės Word (.doc) ar Excel (.xls) versijos dokumentas";
  } else if (d == SkaitymoKlaida::kRtf || d == SkaitymoKlaida::kPdf) {
    const Dokumentas* dok = Rasti(
        d == SkaitymoKlaida::kRtf ? PanasusVardas::kRtf : PanasusVardas::kPdf);
    kas = dok->kas;
    kaip = dok->kaip;
  }
  return "failas " + vardas + " yra ne tekstas, o " + kas +
         ", tik pavadintas " + vardas + ".\n" + kaip +
         Utf8(std::filesystem::path(vardas).stem()) + ".";
}
