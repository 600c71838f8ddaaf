#include "words/notes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
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
       "Masyvas.csv ir Masyvas.xlsx. Patikrinkite, ar taisete butent ji."},
  };
  for (const Atvejis& a : atvejai) {
    const fs::path aplankas = Aplankas("masyvas_notes", a.failai);
    EXPECT_EQ(a.pastaba,
              Ascii(PanasiuVarduPastaba((aplankas / "Masyvas.txt").string())))
        << a.failai.size();
    fs::remove_all(aplankas);
  }
}

TEST(Notes, NameAReportLeftInTheTemporaryFolder) {
  const fs::path laikinas = fs::current_path();
  const std::string rez =
      (laikinas / "Temp1_m.zip" / "Rezultatai.txt").string();
  EXPECT_EQ("Pastaba: ataskaita Rezultatai.txt irasyta laikinajame aplanke " +
                (laikinas / "Temp1_m.zip").string() +
                ", kuri Windows gali istrinti. Programa tikriausiai paleista "
                "tiesiai is ZIP archyvo: pirma isskleiskite archyva "
                "(\"Isskleisti viska...\", angl. Extract All) ir paleiskite "
                "programa is isskleisto aplanko.",
            Ascii(LaikinoAplankoPastaba(rez, laikinas)));
}

// The warning on values after the last element, or the note on the lines,
// as a run gives them.
TEST(Notes, SayWhereTheLinesDisagreeWithTheCounts) {
  struct Atvejis {
    std::string tekstas;
    std::string eilute;
  };
  const std::string kKlausimas =
      ": ar teisingi eiluciu ir stulpeliu skaiciai? Lentele skaitoma pagal "
      "juos, o ne pagal failo eilutes; jei jie neteisingi, pataisykite "
      "pirmaja failo eilute.";
  const std::string k21 =
      "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21\n";
  const auto pertekliai = [](const std::string& vieta) {
    return "Ispejimas: Masyvas.txt:" + vieta +
           ": po paskutinio elemento dar yra skaiciu ar teksto, ju "
           "nepaisyta; ";
  };
  const Atvejis atvejai[] = {
      {"2 3\n1 2 3\n4 5 6\n", ""},
      {"2 3 1 2 3 4 5 6", ""},
      {"2 3\r\n1\t2 3 4 5 6\r\n", ""},
      {"2 4\n1 2\n3 4\n\n5 6\n7 8\n", ""},
      // Two columns with the counts forgotten look like data with counts.
      {"1 2\n3 4\n5 6\n",
       pertekliai("3:1") +
           "ar teisingi eiluciu (1) ir stulpeliu (2) skaiciai?"},
      {"0 3\n1 2 3\n",
       pertekliai("2:1") +
           "ar teisingi eiluciu (0) ir stulpeliu (3) skaiciai?"},
      // No column is a row split over lines.
      {"2 0\n1 2\n3 4\n",
       pertekliai("2:1") +
           "eiluciu skaicius 2, stulpeliu skaicius 0, bet kiekvienoje "
           "failo eiluteje yra 2 skaiciai" +
           kKlausimas},
      {"1 10\n1 2 3 4 5 6 7 8 9 10 11\n1 2 3 4 5 6 7 8 9 10 11\n",
       pertekliai("2:22") +
           "eiluciu skaicius 1, stulpeliu skaicius 10, bet kiekvienoje "
           "failo eiluteje yra 11 skaiciu" +
           kKlausimas},
      {"6 7\n" + k21 + k21,
       "Pastaba: eiluciu skaicius 6, stulpeliu skaicius 7, bet kiekvienoje "
       "failo eiluteje yra 21 skaicius" +
           kKlausimas},
      {"4 7\n1 2 3 4 5 6 7\n" + k21,
       "Pastaba: eiluciu skaicius 4, stulpeliu skaicius 7, bet failo "
       "eilutese skaiciu yra nevienodai" +
           kKlausimas},
      // The counts forgotten, with no value left over.
      {"2 2 3\n4 5 6\n",
       "Pastaba: pirmieji du skaiciai (2 ir 2) laikomi eiluciu ir stulpeliu "
       "skaiciais, bet pirmoje failo eiluteje yra 3 skaiciai, kaip ir "
       "kiekvienoje kitoje: jei tai lenteles eilute, failo pradzioje "
       "irasykite eilute \"2 3\" (tai eiluciu ir stulpeliu skaiciai)."},
  };
  for (const Atvejis& a : atvejai) {
    std::int32_t Mas[Cn][Cm];
    std::int32_t n = 0;
    std::int32_t m = 0;
    std::optional<Vieta> perteklius;
    EiluciuForma forma;
    SkaitymoKlaida klaida;
    std::istringstream fd(a.tekstas);
    ASSERT_TRUE(SkaitytiSrauta(fd, Mas, n, m, perteklius, forma, klaida))
        << a.tekstas;
    EXPECT_EQ(a.eilute,
              Ascii(Rodyti(perteklius ? PertekliausIspejimas("Masyvas.txt",
                                                             *perteklius, forma)
                                      : EiluciuPastaba(forma),
                           Ascii, false)))
        << a.tekstas;
  }
}

// The sample's values, as the data file that comes with the program holds
// them, whatever its line ends; the note names the folder of the file read.
TEST(Notes, NameTheSampleThatComesWithTheProgram) {
  std::int32_t Mas[Cn][Cm];
  std::int32_t n = 0;
  std::int32_t m = 0;
  std::optional<Vieta> perteklius;
  EiluciuForma forma;
  SkaitymoKlaida klaida;
  ASSERT_TRUE(Skaityti(MASYVAS_SAMPLE, Mas, n, m, perteklius, forma, klaida))
      << klaida.rusis;
  const std::string duom = (fs::current_path() / "Masyvas.txt").string();
  EXPECT_EQ(
      "Pastaba: perskaityti pavyzdiniai duomenys, pateikiami kartu su "
      "programa. Savo duomenis irasykite vietoj pavyzdiniu i Masyvas.txt "
      "aplanke " +
          fs::current_path().string() + ", kuriame programa paleista.",
      Rodyti(PavyzdzioPastaba(duom, Mas, n, m, {}), Ascii, false));
  // Run in the temporary folder, the data goes where the archive is unzipped.
  EXPECT_EQ(
      "Pastaba: perskaityti pavyzdiniai duomenys, pateikiami kartu su "
      "programa. Savo duomenis irasykite vietoj pavyzdiniu i Masyvas.txt "
      "isskleistame aplanke (zr. kita pastaba).",
      Rodyti(PavyzdzioPastaba(duom, Mas, n, m, fs::current_path()), Ascii,
             false));
  ++Mas[n - 1][m - 1];
  EXPECT_EQ("", PavyzdzioPastaba(duom, Mas, n, m, {}));
  --Mas[n - 1][m - 1];
  EXPECT_EQ("", PavyzdzioPastaba(duom, Mas, m, n, {}));
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
                ". Irasykite ji i si aplanka ir paleiskite programa dar "
                "karta. Failas Masyvas.txt yra programos aplanke " +
                programos.string() +
                ", bet programa jo iesko ten, kur paleista: paleiskite "
                "programa is jos pacios aplanko (pvz., dukart ja spusteleje).",
            Rodyti(SkaitymoPranesimas(duom, klaida, programos), Ascii, false));
  EXPECT_EQ("duomenu failas Masyvas.txt nerastas aplanke " + darbo.string() +
                ". Irasykite ji i si aplanka ir paleiskite programa dar karta.",
            Rodyti(SkaitymoPranesimas(duom, klaida, darbo), Ascii, false));
  fs::remove_all(darbo);
  fs::remove_all(programos);

  // This test program's own folder holds it.
  EXPECT_TRUE(fs::exists(ProgramosAplankas() / "masyvas_tests"));
}

}  // namespace
