#include "words/messages.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "text/ascii.h"
#include "text/wrap.h"

namespace {

// A message as it goes to standard error redirected to a file: one line,
// in its ASCII form.
std::string Eilute(const std::string& pranesimas) {
  return Rodyti(pranesimas, Ascii, false);
}

TEST(Messages, SayWhatIsWrongWithTheDataAndWhere) {
  using namespace std::string_literals;
  struct Atvejis {
    std::string tekstas;
    std::string klaida;
  };
  const std::string kTuscias =
      "duomenu failas Masyvas.txt tuscias: irasykite i ji eiluciu skaiciu, "
      "stulpeliu skaiciu ir lenteles skaicius.";
  const std::string kUtf16 =
      "failas Masyvas.txt irasytas UTF-16 koduote: atidarykite ji Uzrasu "
      "knygeleje ir irasykite is naujo, lauke \"Koduote\" pasirinke ANSI arba "
      "UTF-8.";
  const std::string kDvejetainis =
      "failas Masyvas.txt yra ne tekstinis, o dvejetainis (jame yra nuliniu "
      "baitu): irasykite skaicius i Masyvas.txt Uzrasu knygele.";
  const auto kBruksnys = [](const std::string& rasta) {
    return "Masyvas.txt:1:5: elementas [1, 1] turi buti sveikasis skaicius, "
           "rasta \"" +
           rasta +
           "\" (tai bruksnys, o ne minuso zenklas \"-\": istrinkite ji ir "
           "parasykite minusa).";
  };
  const auto kTarpas = [](const std::string& rasta) {
    return "Masyvas.txt:1:5: elementas [1, 1] turi buti sveikasis skaicius, "
           "rasta \"" +
           rasta +
           "\" (jame yra nelauziamasis tarpas: istrinkite tarpa ir "
           "iveskite ji is naujo tarpo klavisu).";
  };
  const auto kBeUzuominos = [](const std::string& rasta) {
    return "Masyvas.txt:1:5: elementas [1, 1] turi buti sveikasis skaicius, "
           "rasta \"" +
           rasta + "\".";
  };
  const auto kTukstanciai = [](const std::string& rasta,
                               const std::string& rasykite) {
    return "Masyvas.txt:1:5: elementas [1, 1] turi buti sveikasis skaicius, "
           "rasta \"" +
           rasta +
           "\" (tarp skaitmenu yra nelauziamasis tarpas, kuriuo Excel "
           "skiria tukstancius: istrinkite ji" +
           rasykite + ").";
  };
  const auto kKlaviatura = [](const std::string& rasta,
                              const std::string& skaicius) {
    return "Masyvas.txt:1:5: elementas [1, 1] turi buti sveikasis skaicius, "
           "rasta \"" +
           rasta +
           "\" (tai raides, kurias lietuviska klaviatura raso skaitmenu "
           "klavisais: turejo buti " +
           skaicius +
           "; perjunkite klaviatura i anglu kalba (Alt+Shift arba "
           "Windows+tarpas) arba skaitmenis rinkite skaitmenu klaviatura "
           "desineje (ijunge Num Lock)).";
  };
  const Atvejis atvejai[] = {
      {"", kTuscias},
      {"  \n\t", kTuscias},
      {"\xef\xbb\xbf", kTuscias},
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
       "\"-5,5\" (skaiciai turi buti sveikieji ir atskirti tarpais, ne "
       "kableliais)."},
      {"1 3 1,2,3",
       "Masyvas.txt:1:5: elementas [1, 1] turi buti sveikasis skaicius, rasta "
       "\"1,2,3\" (skaiciai turi buti sveikieji ir atskirti tarpais, ne "
       "kableliais)."},
      {"1 2 5-99999999999",
       "Masyvas.txt:1:5: elementas [1, 1] turi buti sveikasis skaicius, rasta "
       "\"5-99999999999\" (skaiciai turi buti sveikieji ir atskirti "
       "tarpais)."},
      {"1 3 1 2,345678901234567890123",
       "Masyvas.txt:1:7: elementas [1, 2] turi buti sveikasis skaicius, rasta "
       "\"2,345678901234567890...\" (skaiciai turi buti sveikieji ir atskirti "
       "tarpais, ne kableliais)."},
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
       kUtf16},
      {"\xfe\xff", kUtf16},
      // UTF-16 without its mark, as `cmd /u` writes it: NUL bytes.
      {"1\0 \0"
       "2\0\r\0\n\0"s,
       kDvejetainis},
      {"\0"
       "12\0"s,
       kDvejetainis},
      // A document's file format, by its first bytes.
      {"PK\x03\x04\x14\0\6\0"s,
       "failas Masyvas.txt yra ne tekstas, o Word (.docx), Excel (.xlsx) ar "
       "LibreOffice (.odt) dokumentas, tik pavadintas Masyvas.txt. "
       "Atidarykite ji programa, kuria jis sukurtas, ir irasykite kaip "
       "teksta: \"Failas\", \"Irasyti kaip\", failo tipas - tekstas, vardas "
       "Masyvas."},
      {"\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1\0\0"s,
       "failas Masyvas.txt yra ne tekstas, o senesnes Word (.doc) ar Excel "
       "(.xls) versijos dokumentas, tik pavadintas Masyvas.txt. Atidarykite "
       "ji programa, kuria jis sukurtas, ir irasykite kaip teksta: "
       "\"Failas\", \"Irasyti kaip\", failo tipas - tekstas, vardas "
       "Masyvas."},
      {"{\\rtf1\\ansi 1 2 3",
       "failas Masyvas.txt yra ne tekstas, o RTF dokumentas, tik pavadintas "
       "Masyvas.txt. Atidarykite ji Word ar LibreOffice Writer programa ir "
       "irasykite kaip teksta: \"Failas\", \"Irasyti kaip\", failo tipas - "
       "paprastasis tekstas (Plain Text), vardas Masyvas."},
      {"%PDF-1.7\n",
       "failas Masyvas.txt yra ne tekstas, o PDF dokumentas, tik pavadintas "
       "Masyvas.txt. Atidarykite ji, pazymekite skaicius, nukopijuokite juos "
       "i Uzrasu knygele ir irasykite faila: \"Failas\", \"Irasyti kaip\", "
       "vardas Masyvas."},
      {"PK\x05\x06",
       "Masyvas.txt:1:1: eiluciu skaicius turi buti sveikasis "
       "skaicius, rasta \"PK\\x05\\x06\"."},
      // NUL bytes where a value fails, in the value or later in the chunk
      // read: no text file.
      {"1 1 5\0"s, kDvejetainis},
      {"\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s, kDvejetainis},
      {"2 2 1 x 3 4 \0"s, kDvejetainis},
      {"99999999999 1",
       "Masyvas.txt:1:1: eiluciu skaicius turi buti nuo 0 iki 100, rasta "
       "\"99999999999\"."},
      {"3 4\n1 2 3 4\n5 6 7 x\n",
       "Masyvas.txt:3:7: elementas [2, 4] turi "
       "buti sveikasis skaicius, rasta \"x\"."},
      {"3 4\n1 2 3 4\n5 6 7 8\n",
       "Masyvas.txt:4:1: truksta elemento [3, 1]: failas baigesi. Pridekite "
       "trukstamus skaicius arba pataisykite eiluciu ir stulpeliu skaicius."},
      // Where the lines disagree with the counts, the message says so.
      {"4 3\n1 2 3 4\n5 6 7 8\n",
       "Masyvas.txt:4:1: truksta elemento [3, 3]: failas baigesi. Pridekite "
       "trukstamus skaicius arba pataisykite eiluciu ir stulpeliu skaicius. "
       "Eiluciu skaicius 4, stulpeliu skaicius 3, bet kiekvienoje failo "
       "eiluteje yra 4 skaiciai: ar teisingi eiluciu ir stulpeliu skaiciai? "
       "Lentele skaitoma pagal juos, o ne pagal failo eilutes; jei jie "
       "neteisingi, pataisykite pirmaja failo eilute."},
      {"3 4\n1 2 3 4\n5 6 7\n",
       "Masyvas.txt:4:1: truksta elemento [2, 4]: failas baigesi. Pridekite "
       "trukstamus skaicius arba pataisykite eiluciu ir stulpeliu skaicius. "
       "Eiluciu skaicius 3, stulpeliu skaicius 4, bet failo eilutese skaiciu "
       "yra nevienodai: ar teisingi eiluciu ir stulpeliu skaiciai? Lentele "
       "skaitoma pagal juos, o ne pagal failo eilutes; jei jie neteisingi, "
       "pataisykite pirmaja failo eilute."},
      {"2 5 1 2\n3 4 5 6\n",
       "Masyvas.txt:3:1: truksta elemento [2, 2]: failas baigesi. Pridekite "
       "trukstamus skaicius arba pataisykite eiluciu ir stulpeliu skaicius. "
       "Pirmieji du skaiciai (2 ir 5) laikomi eiluciu ir stulpeliu "
       "skaiciais, bet pirmoje failo eiluteje yra 4 skaiciai, kaip ir "
       "kiekvienoje kitoje: jei tai lenteles eilute, failo pradzioje "
       "irasykite eilute \"2 4\" (tai eiluciu ir stulpeliu skaiciai)."},
      {"101 2 3\n4 5 6\n7 8 9",
       "Masyvas.txt:1:1: eiluciu skaicius turi buti nuo 0 iki 100, rasta 101. "
       "Pirmieji du skaiciai laikomi eiluciu ir stulpeliu skaiciais, bet "
       "pirmoje failo eiluteje yra 3 skaiciai, kaip ir kiekvienoje kitoje: "
       "jei tai lenteles eilute, failo pradzioje irasykite eilute \"3 3\" "
       "(tai eiluciu ir stulpeliu skaiciai)."},
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
       "Masyvas.txt:2:3: elementas [1, 2] per didelis arba per mazas:"
       " rasta \"2147483648\", o turi buti nuo -2147483648 "
       "iki 2147483647."},
      {"1 1 -2147483649",
       "Masyvas.txt:1:5: elementas [1, 1] per didelis arba per mazas:"
       " rasta \"-2147483649\", o turi buti nuo -2147483648 "
       "iki 2147483647."},
      {"1 1 21474836480",
       "Masyvas.txt:1:5: elementas [1, 1] per didelis arba per mazas:"
       " rasta \"21474836480\", o turi buti nuo -2147483648 "
       "iki 2147483647."},
      {"1 1 -21474836480",
       "Masyvas.txt:1:5: elementas [1, 1] per didelis arba per mazas:"
       " rasta \"-21474836480\", o turi buti nuo -2147483648 "
       "iki 2147483647."},
      {"1 1 123456789012345678901234567890",
       "Masyvas.txt:1:5: elementas [1, 1] per didelis arba per mazas: rasta "
       "\"12345678901234567890...\", o turi buti nuo -2147483648 iki "
       "2147483647."},
      {"1 1 abcdefghijklmnopqrstuvwxyz",
       "Masyvas.txt:1:5: elementas [1, 1] "
       "turi buti sveikasis skaicius, rasta "
       "\"abcdefghijklmnopqrst...\"."},
      {"3;4;;",
       "Masyvas.txt:1:1: eiluciu skaicius turi buti sveikasis skaicius, "
       "rasta "
       "\"3;4;;\" (skaiciai atskirti kabliataskiais, kaip Excel iraso CSV "
       "faila: atskirkite juos tarpais)."},
      {"1 1 \xe2\x80\x93"
       "5",
       kBruksnys("\\xe2\\x80\\x935")},
      {"1 1 \x96"
       "5",
       kBruksnys("\\x965")},
      {"1 1 \xe2\x88\x92"
       "5",
       kBruksnys("\\xe2\\x88\\x925")},
      {"1 2 5\xc2\xa0"
       "7",
       kTarpas("5\\xc2\\xa07")},
      {"1 2 5\xa0"
       "7",
       kTarpas("5\\xa07")},
      // Dashes and hyphens from word processors and other fonts.
      {"1 1 \x97"
       "5",
       kBruksnys("\\x975")},
      {"1 1 \xe2\x80\x90"
       "5",
       kBruksnys("\\xe2\\x80\\x905")},
      {"1 1 \xef\xbc\x8d"
       "5",
       kBruksnys("\\xef\\xbc\\x8d5")},
      {"1 1 \xc2\xad"
       "5",
       kBruksnys("\\xc2\\xad5")},
      // A non-breaking space before a group of three digits separates
      // thousands; after a letter or before other than three digits it
      // does not.
      {"1 1 1\xc2\xa0"
       "000",
       kTukstanciai("1\\xc2\\xa0000", " ir parasykite 1000")},
      {"1 1 -12\xa0"
       "345\xa0"
       "678",
       kTukstanciai("-12\\xa0345\\xa0678", " ir parasykite -12345678")},
      {"1 1 1\xa0"
       "000,5",
       kTukstanciai("1\\xa0000,5", "")},
      {"1 1 1\xa0"
       "0000",
       kTarpas("1\\xa00000")},
      {"1 1 x\xc2\xa0"
       "000",
       kTarpas("x\\xc2\\xa0000")},
      // Lithuanian letters typed with the number row, in UTF-8 and in
      // Windows-1257, for the digits 1 to 0.
      {"1 1 \xc4\x85\xc4\x8d\xc4\x99\xc4\x97\xc4\xaf\xc5\xa1\xc5\xb3",
       kKlaviatura("\\xc4\\x85\\xc4\\x8d\\xc4\\x99\\xc4\\x97\\xc4\\xaf\\xc5\\xa"
                   "1\\xc5\\xb3",
                   "1234567")},
      {"1 1 \xc5\xab\xe2\x80\x9e\xe2\x80\x9c",
       kKlaviatura("\\xc5\\xab\\xe2\\x80\\x9e\\xe2\\x80\\x9c", "890")},
      {"1 1 -\xe0\xe8\xe6\xeb\xe1\xf0\xf8\xfb\x84\x93",
       kKlaviatura("-\\xe0\\xe8\\xe6\\xeb\\xe1\\xf0\\xf8\\xfb\\x84\\x93",
                   "-1234567890")},
      {"1 1 5\xc4\x85", kKlaviatura("5\\xc4\\x85", "51")},
      // Not every such letter is a digit typed: a word.
      {"1 1 \xc5\xa1"
       "e\xc5\xa1"
       "i",
       kBeUzuominos("\\xc5\\xa1e\\xc5\\xa1i")},
      // Inside a valid UTF-8 letter the bytes of a non-breaking space or a
      // dash in Windows-1257 are not taken for them: S with caron (c5 a0),
      // E with dot (c4 96).
      {"1 1 \xc5\xa0"
       "5",
       kBeUzuominos("\\xc5\\xa05")},
      {"1 1 \xc4\x96"
       "5",
       kBeUzuominos("\\xc4\\x965")},
      {"1 1 4.5",
       "Masyvas.txt:1:5: elementas [1, 1] turi buti sveikasis skaicius, "
       "rasta "
       "\"4.5\" (skaiciai turi buti sveikieji ir atskirti tarpais)."},
      {"1 1 1e6",
       "Masyvas.txt:1:5: elementas [1, 1] turi buti sveikasis skaicius, "
       "rasta "
       "\"1e6\" (skaiciai turi buti sveikieji ir atskirti tarpais)."},
      {"1 2 7 4,5\n",
       "Masyvas.txt:1:7: elementas [1, 2] turi buti sveikasis skaicius, "
       "rasta "
       "\"4,5\" (skaiciai turi buti sveikieji ir atskirti tarpais, ne "
       "kableliais)."},
      // Control characters, which editors hide, with no digit, and run on
      // from a value.
      {"1 1 \xe8i\x7f\x01",
       "Masyvas.txt:1:5: elementas [1, 1] turi buti "
       "sveikasis skaicius, rasta \"\\xe8i\\x7f\\x01\"."},
      {"1 2 5\x1a 7",
       "Masyvas.txt:1:5: elementas [1, 1] turi buti sveikasis skaicius, rasta "
       "\"5\\x1a\" (jame yra nematomas valdymo zenklas: istrinkite si teksta "
       "su tarpais aplink ji ir parasykite skaiciu is naujo)."},
  };
  for (const Atvejis& a : atvejai) {
    std::int32_t Mas[Cn][Cm];
    std::int32_t n = -1;
    std::int32_t m = -1;
    std::optional<Vieta> perteklius;
    EiluciuForma forma;
    SkaitymoKlaida klaida;
    std::istringstream fd(a.tekstas);
    EXPECT_FALSE(SkaitytiSrauta(fd, Mas, n, m, perteklius, forma, klaida))
        << a.tekstas;
    EXPECT_EQ(a.klaida, Eilute(SkaitymoPranesimas("Masyvas.txt", klaida, {})))
        << a.tekstas;
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
    return Eilute(SkaitymoPranesimas(vardas, klaida, {}));
  };
  const auto rezultatai = [&sistema](const std::string& vardas, int nr) {
    return Eilute(NeirasytaPranesimas(vardas, "Masyvas.txt",
                                      Priezastis(vardas, true, sistema(nr)),
                                      sistema(nr), true));
  };
  const Atvejis atvejai[] = {
      {duomenys("Masyvas.txt", EACCES),
       ": neturite teises jo skaityti: nukopijuokite programa i savo aplanka"},
      {duomenys("Masyvas.txt", EIO),
       ": kita sistemos klaida (kodas " + std::to_string(EIO) + ": " +
           std::strerror(EIO) +
           "): paleiskite programa dar karta, o jei "
           "klaida kartosis, parodykite si pranesima destytojui ar "
           "mokytojui."},
      {duomenys(aplankas, EACCES),
       ": tai aplankas, o ne failas: pervardykite ji ir irasykite skaicius i "
       "tekstini faila"},
      {duomenys("Masyvas.txt", ELOOP),
       ": simbolines nuorodos sudaro cikla: istrinkite nuoroda ir"},
      {duomenys("Masyvas.txt", ENOTDIR),
       ": dalis kelio iki failo yra ne aplankas: paleiskite"},
      {rezultatai("Rezultatai.txt", ENOSPC), ": diske nebera vietos: "},
      {rezultatai("Rezultatai.txt", EROFS),
       ": neturite teises rasyti i si faila ar aplanka: perkelkite"},
      {rezultatai(aplankas, EACCES),
       ": tai aplankas, o ne failas: pervardykite ji ir paleiskite programa "
       "dar "
       "karta."},
      {rezultatai("Rezultatai.txt", EFBIG), ": failas per didelis ("},
      {rezultatai("Rezultatai.txt", ENOENT),
       ": tai nuoroda i faila ar aplanka, kurio nera: istrinkite nuoroda ir "
       "paleiskite programa dar karta."},
      {Eilute(NeirasytaPranesimas("Rezultatai.txt", "Masyvas.txt",
                                  FailoPriezastis::kKita, sistema(EIO), false)),
       ". Rezultatu faile gali buti likusi nebaigta ataskaita: istrinkite ji "
       "ir paleiskite programa dar karta."},
  };
  for (const Atvejis& a : atvejai) {
    EXPECT_NE(std::string::npos, a.pranesimas.find(a.priezastis))
        << a.pranesimas;
    EXPECT_NE(std::string::npos, a.pranesimas.find(" aplanke /"))
        << a.pranesimas;
  }
  SkaitymoKlaida neperskaitomas;
  neperskaitomas.rusis = SkaitymoKlaida::kNeperskaitomas;
  EXPECT_EQ(
      "nepavyko perskaityti duomenu failo Masyvas.txt iki galo: "
      "paleiskite programa dar karta, o jei nepavyks, nukopijuokite "
      "programa ir Masyvas.txt i kita aplanka, pvz., Dokumentai.",
      Eilute(SkaitymoPranesimas("Masyvas.txt", neperskaitomas, {})));
}

TEST(Messages, NameTheFolderThatHoldsTheFileAndTheFilesNearlyNamed) {
  namespace fs = std::filesystem;
  // The tests run with TMPDIR beside this folder, not above it.
  const fs::path aplankas = fs::current_path() / "masyvas_msg";
  fs::remove_all(aplankas);
  fs::create_directories(aplankas / "Masyvas.dir");
  for (const char* vardas :
       {"Masyvas.txt.txt", "MASYVAS.TXT", "Masyvas.xlsx", "Masyvas.csv",
        "Masyvas", "kitas.txt", "masyvas.exe", "MASYVAS", "Masyvas.docx",
        "Masyvas.txt.lnk"}) {
    std::ofstream(aplankas / vardas) << "1 1 1";
  }
  // The program itself, beside its data, is no misnamed data file.
  fs::permissions(aplankas / "MASYVAS", fs::perms::owner_exec,
                  fs::perm_options::add);
  SkaitymoKlaida klaida;
  klaida.rusis = SkaitymoKlaida::kNeatidaromas;
  klaida.sistemos_klaida.klaidos_nr = ENOENT;
  const std::string kelias = (aplankas / "Masyvas.txt").string();
  EXPECT_EQ(
      "duomenu failas Masyvas.txt nerastas aplanke " + aplankas.string() +
          ". Irasykite ji i si aplanka ir paleiskite programa dar karta."
          " Ten yra failas MASYVAS.TXT: pervardykite ji - naujas vardas "
          "Masyvas.txt "
          "(didziosios ir mazosios raides cia skiriasi)."
          " Ten yra failas Masyvas: ijunkite failu vardu pletiniu rodyma ir "
          "pervardykite ji - naujas vardas Masyvas.txt."
          " Ten yra failas Masyvas.csv: tai CSV failas, kuriame skaiciai "
          "atskirti kabliataskiais ar kableliais. Atidarykite ji Excel "
          "programa ir irasykite kaip teksta: \"Failas\", \"Irasyti kaip\", "
          "failo tipas \"Tekstas (atskirtas tabuliavimo zenklais)\" (Text "
          "(Tab delimited)), vardas Masyvas."
          " Ten yra failas Masyvas.docx: tai Word dokumentas, ne tekstas. "
          "Atidarykite ji Word programa ir irasykite kaip teksta: \"Failas\", "
          "\"Irasyti kaip\", failo tipas \"Paprastasis tekstas\" (Plain "
          "Text), vardas Masyvas."
          " Ten yra failas Masyvas.txt.lnk: tai nuoroda i faila, o ne pats "
          "failas. Spustelekite nuoroda desiniuoju peles mygtuku, pasirinkite "
          "\"Atidaryti failo vieta\" (Open file location), atsidariusiame "
          "aplanke nukopijuokite faila Masyvas.txt ir iklijuokite ji i si "
          "aplanka."
          " Ten yra failas Masyvas.txt.txt: jo varde du pletiniai (kai "
          "pletiniai paslepti, Windows rodo tik pirmaji). Pervardykite ji - "
          "naujas vardas Masyvas.txt; "
          "jei "
          "pletiniai paslepti, rasykite tik Masyvas."
          " Ten yra failas Masyvas.xlsx: tai Excel darbaknyge, ne tekstas. "
          "Atidarykite ja Excel programa ir irasykite kaip teksta: "
          "\"Failas\", \"Irasyti kaip\", failo tipas \"Tekstas (atskirtas "
          "tabuliavimo zenklais)\" (Text (Tab delimited)), vardas Masyvas.",
      Eilute(SkaitymoPranesimas(kelias, klaida, {})));
  fs::remove_all(aplankas);
}

}  // namespace
