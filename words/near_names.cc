#include "words/near_names.h"

#include <algorithm>
#include <system_error>

#include "os/folder.h"
#include "text/utf8.h"

namespace fs = std::filesystem;

namespace {

std::string Mazosiomis(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

bool Prasideda(const std::string& s, const std::string& pradzia) {
  return s.compare(0, pradzia.size(), pradzia) == 0;
}

bool Baigiasi(const std::string& s, const std::string& galas) {
  return s.size() > galas.size() &&
         s.compare(s.size() - galas.size(), galas.size(), galas) == 0;
}

// A program, such as this one beside its data (masyvas.exe, or masyvas with
// the permission to run it), or a shortcut: never the data file misnamed.
bool Programa(const FailasAplanke& f, const std::string& maz) {
  for (const char* pletinys :
       {".exe", ".com", ".bat", ".cmd", ".dll", ".lnk"}) {
    if (Baigiasi(maz, pletinys)) return true;
  }
  return f.vykdomas && maz.find('.') == std::string::npos;
}

// The format of a file named kamienas with a spreadsheet's or a document's
// extension (maz: its name in lower case); kNeDokumentas for any other.
Dokumentas Formatas(const std::string& maz, const std::string& kamienas) {
  static const struct {
    const char* pletinys;
    Dokumentas dokumentas;
  } kPletiniai[] = {
      {".xlsx", kExcel}, {".xls", kExcel}, {".xlsm", kExcel},
      {".docx", kWord},  {".doc", kWord},  {".rtf", kRtf},
      {".odt", kWriter}, {".pdf", kPdf},   {".csv", kCsv},
  };
  for (const auto& p : kPletiniai) {
    if (maz == kamienas + p.pletinys) return p.dokumentas;
  }
  return kNeDokumentas;
}

}  // namespace

fs::path Aplankas(std::string vardas) {
  std::error_code ec;
  const fs::path kelias = fs::absolute(vardas, ec);
  return ec ? fs::path() : kelias.parent_path();
}

std::string Pavadinimas(std::string vardas) {
  return Utf8(fs::path(vardas).filename());
}

std::vector<PanasusVardas> PanasusVardai(const fs::path& aplankas,
                                         std::string vardas) {
  const std::string ieskomas = Mazosiomis(vardas);
  const std::string kamienas = Mazosiomis(fs::path(vardas).stem().string());
  std::vector<PanasusVardas> rasta;
  for (const FailasAplanke& f : FailaiAplanke(Utf8(aplankas))) {
    const std::string kitas_maz = Mazosiomis(f.vardas);
    if (!f.paprastas || f.vardas == vardas) continue;
    const Dokumentas dokumentas = Formatas(kitas_maz, kamienas);
    if (kitas_maz == ieskomas + ".txt") {
      rasta.push_back({f.vardas, PanasusVardas::kDuPletiniai});
    } else if (kitas_maz == ieskomas) {
      rasta.push_back({f.vardas, PanasusVardas::kKitosRaides});
    } else if (kitas_maz == ieskomas + ".lnk") {
      rasta.push_back({f.vardas, PanasusVardas::kNuoroda});
    } else if (dokumentas != kNeDokumentas) {
      rasta.push_back({f.vardas, PanasusVardas::kDokumentas, dokumentas});
    } else if ((kitas_maz == kamienas ||
                Prasideda(kitas_maz, kamienas + ".")) &&
               !Programa(f, kitas_maz)) {
      rasta.push_back({f.vardas, PanasusVardas::kKitasPletinys});
    }
  }
  std::sort(rasta.begin(), rasta.end(),
            [](const PanasusVardas& a, const PanasusVardas& b) {
              return a.vardas < b.vardas;
            });
  return rasta;
}

bool ProgramosAplankeYra(const fs::path& aplankas, const fs::path& programos,
                         std::string vardas) {
  std::error_code ec;
  if (programos.empty() || aplankas.empty() ||
      fs::equivalent(aplankas, programos, ec) || ec) {
    return false;
  }
  return fs::exists(programos / fs::u8path(vardas), ec);
}

bool ZipAplanke(const fs::path& aplankas) {
  for (const fs::path& dalis : aplankas) {
    const std::string vardas = Utf8(dalis);
    if (Baigiasi(Mazosiomis(vardas), ".zip") || Prasideda(vardas, "7zO") ||
        Prasideda(vardas, "Rar$EX")) {
      return true;
    }
  }
  return false;
}

bool LaikinameAplanke(const fs::path& aplankas, const fs::path& laikinas) {
  if (laikinas.empty()) return false;
  auto dalis = aplankas.begin();
  for (const fs::path& laikino : laikinas) {
    if (laikino.empty()) continue;  // after a final separator
    if (dalis == aplankas.end() ||
        Mazosiomis(Utf8(*dalis++)) != Mazosiomis(Utf8(laikino))) {
      return false;
    }
  }
  return true;
}
