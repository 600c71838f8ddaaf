#include "words/notes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "os/program.h"
#include "text/ascii.h"
#include "text/wrap.h"
#include "words/messages.h"

namespace {

namespace fs = std::filesystem;

// A fresh folder below the working one (the tests' TMPDIR is beside it),
// holding empty files of the names given.
fs::path Aplankas(const std::string& vardas,
                  const std::vector<std::string>& failai) {
  const fs::path aplankas = fs::current_path() / vardas;
  fs::remove_all(aplankas);
  fs::create_directories(aplankas);
  for (const std::string& f : failai) std::ofstream(aplankas / f) << "1 1 1";
  return aplankas;
}

TEST(Notes, NameTheFilesNearlyNamedBesideTheOneRead) {
  struct Atvejis {
    std::vector<std::string> failai;
    std::string pastaba;
  };
  const Atvejis atvejai[] = {
      {{"Masyvas.txt", "Rezultatai.txt", "kitas.txt"}, ""},
      {{"Masyvas.txt", "Masyvas.xlsx", "Masyvas.csv", "Masyvas"},
       "Pastaba: perskaitytas failas Masyvas.txt, o ne salia esantys Masyvas, "
       "Masyvas.csv ir Masyvas.xlsx."},
  };
  for (const Atvejis& a : atvejai) {
    const fs::path aplankas = Aplankas("masyvas_notes", a.failai);
    EXPECT_EQ(a.pastaba,
              Ascii(PanasiuVarduPastaba((aplankas / "Masyvas.txt").string())))
        << a.failai.size();
    fs::remove_all(aplankas);
  }
}

TEST(Notes, NameEachArgumentNotRead) {
  const std::string duom = (fs::current_path() / "Masyvas.txt").string();
  EXPECT_EQ(
      "Pastaba: programa nenaudoja jai perduotu argumentu \"a\", \"b\" "
      "ir \"c\" (pvz., ant jos nutempto failo); duomenys perskaityti is "
      "Masyvas.txt aplanke " +
          fs::current_path().string() + ", kuriame programa paleista.",
      Ascii(ArgumentuPastaba(duom, {"a", "b", "c"})));
}

// The program's own folder, when it is not the one the program runs in:
// named after a successful run where it holds a data or a results file, and
// where a data file not found is there.
TEST(Notes, NameTheProgramsFolderWhereItHoldsTheFiles) {
  const fs::path darbo = Aplankas("masyvas_work", {"Masyvas.txt"});
  const std::string duom = (darbo / "Masyvas.txt").string();
  const std::string rez = (darbo / "Rezultatai.txt").string();
  const std::string pastaba =
      "Pastaba: Masyvas.txt perskaitytas ir Rezultatai.txt irasytas aplanke " +
      darbo.string() + ", kuriame programa paleista, o ne programos aplanke " +
      (fs::current_path() / "masyvas_program").string() + ".";
  struct Atvejis {
    std::vector<std::string> programos_failai;
    bool pastaba;
  };
  const Atvejis atvejai[] = {
      {{"Masyvas.txt"}, true},
      {{"Rezultatai.txt"}, true},
      {{"masyvas", "Masyvas.txt.txt"}, false},
  };
  for (const Atvejis& a : atvejai) {
    const fs::path programos = Aplankas("masyvas_program", a.programos_failai);
    EXPECT_EQ(a.pastaba ? pastaba : "",
              Ascii(AplankoPastaba(duom, rez, programos)))
        << a.programos_failai[0];
  }
  EXPECT_EQ("", AplankoPastaba(duom, rez, darbo));
  EXPECT_EQ("", AplankoPastaba(duom, rez, {}));

  fs::remove(darbo / "Masyvas.txt");
  const fs::path programos = Aplankas("masyvas_program", {"Masyvas.txt"});
  SkaitymoKlaida klaida;
  klaida.rusis = SkaitymoKlaida::kNeatidaromas;
  klaida.sistemos_klaida.klaidos_nr = ENOENT;
  EXPECT_EQ("duomenu failas Masyvas.txt nerastas aplanke " + darbo.string() +
                ". Failas Masyvas.txt yra programos aplanke " +
                programos.string() +
                ", bet programa jo iesko ten, kur paleista: paleiskite ja is "
                "jos pacios aplanko (pvz., dukart ja spusteleje).",
            Rodyti(SkaitymoPranesimas(duom, klaida, programos), Ascii, false));
  EXPECT_EQ(
      "duomenu failas Masyvas.txt nerastas aplanke " + darbo.string() + ".",
      Rodyti(SkaitymoPranesimas(duom, klaida, darbo), Ascii, false));
  fs::remove_all(darbo);
  fs::remove_all(programos);

  // This test program's own folder holds it.
  EXPECT_TRUE(fs::exists(ProgramosAplankas() / "masyvas_tests"));
}

}  // namespace
