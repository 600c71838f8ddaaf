#include "app/messages.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

TEST(Messages, SayWhatIsWrongWithTheDataAndWhere) {
  struct Atvejis {
    const char* tekstas;
    const char* klaida;
  };
  const Atvejis atvejai[] = {
      {"", "Masyvas.txt:1:1: truksta eiluciu skaiciaus: failas baigesi."},
      {"  \n\t", "Masyvas.txt:2:2: truksta eiluciu skaiciaus: failas baigesi."},
      {"3", "Masyvas.txt:1:2: truksta stulpeliu skaiciaus: failas baigesi."},
      {"101 2",
       "Masyvas.txt:1:1: eiluciu skaicius turi buti nuo 0 iki 100, "
       "rasta 101."},
      {"-1 2",
       "Masyvas.txt:1:1: eiluciu skaicius turi buti nuo 0 iki 100, "
       "rasta -1."},
      {"1 51",
       "Masyvas.txt:1:3: stulpeliu skaicius turi buti nuo 0 iki 50, "
       "rasta 51."},
      {"1\n  -3",
       "Masyvas.txt:2:3: stulpeliu skaicius turi buti nuo 0 iki "
       "50, rasta -3."},
      {"x 2",
       "Masyvas.txt:1:1: eiluciu skaicius turi buti sveikasis "
       "skaicius, rasta \"x\"."},
      {"2.5 2",
       "Masyvas.txt:1:1: eiluciu skaicius turi buti sveikasis skaicius, rasta "
       "\"2.5\" (skaiciai turi buti sveikieji ir atskirti tarpais)."},
      {"1 3\n1 -5,5 7\n",
       "Masyvas.txt:2:3: elementas [1, 2] turi buti sveikasis skaicius, rasta "
       "\"-5,5\" (skaiciai turi buti sveikieji ir atskirti tarpais)."},
      {"1 3 1,2,3",
       "Masyvas.txt:1:5: elementas [1, 1] turi buti sveikasis skaicius, rasta "
       "\"1,2,3\" (skaiciai turi buti sveikieji ir atskirti tarpais)."},
      {"1 2 5-99999999999",
       "Masyvas.txt:1:5: elementas [1, 1] turi buti sveikasis skaicius, rasta "
       "\"5-99999999999\" (skaiciai turi buti sveikieji ir atskirti "
       "tarpais)."},
      {"1 3 1 2,345678901234567890123",
       "Masyvas.txt:1:7: elementas [1, 2] turi buti sveikasis skaicius, rasta "
       "\"2,345678901234567890...\" (skaiciai turi buti sveikieji ir atskirti "
       "tarpais)."},
      {"\xef\xbb\xbf"
       "1 x",
       "Masyvas.txt:1:3: stulpeliu skaicius turi buti sveikasis skaicius, "
       "rasta \"x\"."},
      {"1 1 \xef\xbb\xbf"
       "5",
       "Masyvas.txt:1:5: elementas [1, 1] turi buti sveikasis skaicius, "
       "rasta \"\\xef\\xbb\\xbf5\"."},
      {" \xef\xbb\xbf"
       "1 1 5",
       "Masyvas.txt:1:2: eiluciu skaicius turi buti sveikasis skaicius, "
       "rasta \"\\xef\\xbb\\xbf1\"."},
      {"\xff\xfe"
       "1",
       "failas Masyvas.txt issaugotas UTF-16 koduote; issaugokite ji kaip ANSI "
       "arba UTF-8."},
      {"\xfe\xff",
       "failas Masyvas.txt issaugotas UTF-16 koduote; issaugokite ji kaip ANSI "
       "arba UTF-8."},
      {"99999999999 1",
       "Masyvas.txt:1:1: eiluciu skaicius netelpa i 32 bitu "
       "sveikaji skaiciu: \"99999999999\"."},
      {"3 4\n1 2 3 4\n5 6 7 x\n",
       "Masyvas.txt:3:7: elementas [2, 4] turi "
       "buti sveikasis skaicius, rasta \"x\"."},
      {"3 4\n1 2 3 4\n5 6 7 8\n",
       "Masyvas.txt:4:1: truksta elemento [3, 1]: "
       "failas baigesi."},
      {"1 2 5 -",
       "Masyvas.txt:1:7: elementas [1, 2] turi buti sveikasis "
       "skaicius, rasta \"-\"."},
      {"1 2 5 +-3",
       "Masyvas.txt:1:7: elementas [1, 2] turi buti sveikasis "
       "skaicius, rasta \"+-3\"."},
      {"1 2 5 - 3",
       "Masyvas.txt:1:7: elementas [1, 2] turi buti sveikasis "
       "skaicius, rasta \"-\"."},
      {"1 3\n1 2147483648 3",
       "Masyvas.txt:2:3: elementas [1, 2] netelpa i 32 "
       "bitu sveikaji skaiciu: \"2147483648\"."},
      {"1 1 -2147483649",
       "Masyvas.txt:1:5: elementas [1, 1] netelpa i 32 "
       "bitu sveikaji skaiciu: \"-2147483649\"."},
      {"1 1 21474836480",
       "Masyvas.txt:1:5: elementas [1, 1] netelpa i 32 "
       "bitu sveikaji skaiciu: \"21474836480\"."},
      {"1 1 -21474836480",
       "Masyvas.txt:1:5: elementas [1, 1] netelpa i 32 "
       "bitu sveikaji skaiciu: \"-21474836480\"."},
      {"1 1 123456789012345678901234567890",
       "Masyvas.txt:1:5: elementas [1, 1] netelpa i 32 bitu sveikaji "
       "skaiciu: \"12345678901234567890...\"."},
      {"1 1 abcdefghijklmnopqrstuvwxyz",
       "Masyvas.txt:1:5: elementas [1, 1] "
       "turi buti sveikasis skaicius, rasta "
       "\"abcdefghijklmnopqrst...\"."},
      {"1 1 \xe8i\x7f\x01",
       "Masyvas.txt:1:5: elementas [1, 1] turi buti "
       "sveikasis skaicius, rasta \"\\xe8i\\x7f\\x01\"."},
  };
  for (const Atvejis& a : atvejai) {
    std::int32_t Mas[Cn][Cm];
    std::int32_t n = -1;
    std::int32_t m = -1;
    SkaitymoKlaida klaida;
    std::istringstream fd(a.tekstas);
    EXPECT_FALSE(SkaitytiSrauta(fd, Mas, n, m, klaida)) << a.tekstas;
    EXPECT_EQ(a.klaida, SkaitymoPranesimas("Masyvas.txt", klaida)) << a.tekstas;
    EXPECT_EQ(0, n) << a.tekstas;
    EXPECT_EQ(0, m) << a.tekstas;
  }
}

TEST(Messages, NameTheReasonTheSystemGave) {
  struct Atvejis {
    std::string pranesimas;
    std::string priezastis;
  };
  const std::string aplankas = ::testing::TempDir();
  const auto sistema = [](int nr) { return SistemosKlaida{nr, 0}; };
  const auto duomenys = [&sistema](const std::string& vardas, int nr) {
    SkaitymoKlaida klaida;
    klaida.rusis = SkaitymoKlaida::kNeatidaromas;
    klaida.sistemos_klaida = sistema(nr);
    return SkaitymoPranesimas(vardas, klaida);
  };
  const auto rezultatai = [&sistema](const std::string& vardas, int nr) {
    return RasymoPranesimas(vardas, sistema(nr), true);
  };
  const Atvejis atvejai[] = {
      {duomenys("Masyvas.txt", EACCES), ": nera leidimo skaityti."},
      {duomenys("Masyvas.txt", EIO), ": kita sistemos klaida (kodas " +
                                         std::to_string(EIO) + ": " +
                                         std::strerror(EIO) + ")."},
      {duomenys(aplankas, EACCES), ": tai aplankas."},
      {duomenys("Masyvas.txt", ELOOP), ": simbolinės nuorodos sudaro ratą."},
      {duomenys("Masyvas.txt", ENOTDIR),
       ": dalis kelio iki failo yra ne aplankas."},
      {rezultatai("Rezultatai.txt", ENOSPC), ": diske nebera vietos."},
      {rezultatai("Rezultatai.txt", EROFS), ": nera leidimo rasyti ("},
      {rezultatai(aplankas, EACCES), ": tai aplankas."},
      {rezultatai("Rezultatai.txt", EFBIG), ": failas per didelis ("},
      {rezultatai("Rezultatai.txt", ENOENT),
       ": aplanko, kuriame turi būti failas, nėra ("},
      {RasymoPranesimas("Rezultatai.txt", sistema(EIO), false),
       "; išvalyti jo irgi nepavyko, tad jame liko nepilna ataskaita."},
  };
  for (const Atvejis& a : atvejai) {
    EXPECT_NE(std::string::npos, a.pranesimas.find(a.priezastis))
        << a.pranesimas;
    EXPECT_NE(std::string::npos, a.pranesimas.find(" aplanke /"))
        << a.pranesimas;
  }
  SkaitymoKlaida neperskaitomas;
  neperskaitomas.rusis = SkaitymoKlaida::kNeperskaitomas;
  EXPECT_EQ("nepavyko perskaityti duomenu failo Masyvas.txt.",
            SkaitymoPranesimas("Masyvas.txt", neperskaitomas));
}

TEST(Messages, NameTheFolderThatHoldsTheFile) {
  namespace fs = std::filesystem;
  const fs::path aplankas = fs::path(::testing::TempDir()) / "masyvas_msg";
  fs::create_directories(aplankas);
  std::ofstream(aplankas / "Masyvas.txt.txt") << "1 1 1";
  SkaitymoKlaida klaida;
  klaida.rusis = SkaitymoKlaida::kNeatidaromas;
  klaida.sistemos_klaida.klaidos_nr = ENOENT;
  const std::string kelias = (aplankas / "Masyvas.txt").string();
  EXPECT_EQ("duomenu failas Masyvas.txt nerastas aplanke " +
                fs::absolute(aplankas).string() +
                "; ten yra Masyvas.txt.txt (ar pavadinime nera dvieju "
                "pletiniu?).",
            SkaitymoPranesimas(kelias, klaida));
  fs::remove_all(aplankas);
}

}  // namespace
