#include "words/near_names.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

TEST(NearNames, TellEachKindOfFileNearlyNamed) {
  struct Atvejis {
    const char* vardas;
    bool panasus;  // named at all
    PanasusVardas::Rusis rusis;
    Dokumentas dokumentas;
  };
  constexpr PanasusVardas::Rusis D = PanasusVardas::kDokumentas;
  constexpr PanasusVardas::Rusis K = PanasusVardas::kKitasPletinys;
  const Atvejis atvejai[] = {
      {"Masyvas.xls", true, D, kExcel},
      {"MASYVAS.XLSM", true, D, kExcel},
      {"Masyvas.docx", true, D, kWord},
      {"masyvas.DOC", true, D, kWord},
      {"Masyvas.rtf", true, D, kRtf},
      {"Masyvas.odt", true, D, kWriter},
      {"Masyvas.pdf", true, D, kPdf},
      {"Masyvas.txt.lnk", true, PanasusVardas::kNuoroda, kNeDokumentas},
      {"MASYVAS.TXT.LNK", true, PanasusVardas::kNuoroda, kNeDokumentas},
      {"Masyvas.docm", true, K, kNeDokumentas},
      // A shortcut to something else or to a program, another name, the
      // name itself.
      {"Masyvas.lnk", false, K, kNeDokumentas},
      {"masyvas.exe.lnk", false, K, kNeDokumentas},
      {"Masyvas2.txt", false, K, kNeDokumentas},
      {"Masyvas.txt", false, K, kNeDokumentas},
  };
  const fs::path aplankas = fs::current_path() / "masyvas_near";
  for (const Atvejis& a : atvejai) {
    fs::remove_all(aplankas);
    fs::create_directories(aplankas);
    std::ofstream(aplankas / a.vardas) << "1 1 1";
    const std::vector<PanasusVardas> rasta =
        PanasusVardai(aplankas, "Masyvas.txt");
    ASSERT_EQ(a.panasus ? 1U : 0U, rasta.size()) << a.vardas;
    if (a.panasus) {
      EXPECT_EQ(a.vardas, rasta[0].vardas);
      EXPECT_EQ(a.rusis, rasta[0].rusis) << a.vardas;
      EXPECT_EQ(a.dokumentas, rasta[0].dokumentas) << a.vardas;
    }
  }
  fs::remove_all(aplankas);
}

TEST(NearNames, TellARunFromInsideAZipArchive) {
  struct Atvejis {
    fs::path aplankas;
    bool zip;
  };
  const fs::path laikinas = fs::temp_directory_path();
  const Atvejis atvejai[] = {
      {laikinas / "Temp1_masyvas.zip", true},
      {laikinas / "Temp1_masyvas-1.0.0-win64.ZIP" / "masyvas-1.0.0-win64",
       true},
      {fs::current_path() / "a.zip" / "b", true},
      // The folders that 7-Zip and WinRAR unpack a program into.
      {laikinas / "7zO4A1B2C3D", true},
      {laikinas / "Rar$EXa1234.5678" / "masyvas", true},
      // The temporary folder alone, as every folder of a drive may be.
      {laikinas, false},
      {laikinas / "Temp1_masyvas", false},
      {fs::current_path() / "a.zipper" / "zip", false},
      {laikinas / "masyvas7zO" / "Rar", false},
  };
  for (const Atvejis& a : atvejai) {
    EXPECT_EQ(a.zip, ZipAplanke(a.aplankas)) << a.aplankas;
  }
}

TEST(NearNames, TellAFolderWithinTheTemporaryFolder) {
  struct Atvejis {
    fs::path aplankas;
    fs::path laikinas;
    bool viduje;
  };
  const fs::path laikinas = "/Users/Jonas/AppData/Local/Temp";
  const Atvejis atvejai[] = {
      {laikinas, laikinas, true},
      {laikinas / "Temp1_masyvas.zip" / "masyvas", laikinas, true},
      // As GetTempPath gives it: a final separator, other letter case.
      {laikinas / "7zO1", "/users/jonas/appdata/local/TEMP/", true},
      {"/Users/Jonas/AppData/Local/Temp2", laikinas, false},
      {"/Users/Jonas/AppData/Local", laikinas, false},
      {"/Users/Jonas/Documents", laikinas, false},
      // No temporary folder, as on systems other than Windows.
      {laikinas, {}, false},
  };
  for (const Atvejis& a : atvejai) {
    EXPECT_EQ(a.viduje, LaikinameAplanke(a.aplankas, a.laikinas))
        << a.aplankas << " " << a.laikinas;
  }
}

}  // namespace
