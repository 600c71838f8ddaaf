#include "matrix/reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

constexpr std::int32_t kSargas = 0x5a5a5a5a;

struct Skaitymas {
  bool gerai;
  std::int32_t n;
  std::int32_t m;
  std::string klaida;
};

// Reads text through the stream reader into Mas (pre-filled with kSargas).
Skaitymas Skaityk(const std::string& tekstas, std::int32_t Mas[][Cm]) {
  for (std::int32_t i = 0; i < Cn; ++i) {
    for (std::int32_t j = 0; j < Cm; ++j) Mas[i][j] = kSargas;
  }
  std::istringstream fd(tekstas);
  Skaitymas s{false, -1, -1, ""};
  s.gerai = SkaitytiSrauta(fd, "Masyvas.txt", Mas, s.n, s.m, s.klaida);
  return s;
}

TEST(Reader, ReadsTheSameMatrixFromAnyLayout) {
  const char* atvejai[] = {
      "2 3\n1 -2 3\n4 5 -6\n",
      "2 3 1 -2 3 4 5 -6",
      "  2\n\n3\t1\r\n-2 \v3\f4\n5\n-6",
      "+2 +3 +1 -2 +3 +4 +5 -6",
      "2 3\n1 -2 3\n4 5 -6 7 8 and more",
      "2 3 1 -2 3 4 5 -6x",
      "2 3 1 -2 3 4 5 -6,5",
      "\357\273\2772 3 1 -2 3 4 5 -6",  // a UTF-8 byte order mark first
      "2 3 1 -2+3 4 5-6",
  };
  const std::int32_t laukiama[2][3] = {{1, -2, 3}, {4, 5, -6}};
  for (const char* atvejis : atvejai) {
    std::int32_t Mas[Cn][Cm];
    const Skaitymas s = Skaityk(atvejis, Mas);
    ASSERT_TRUE(s.gerai) << atvejis << ": " << s.klaida;
    EXPECT_EQ(2, s.n) << atvejis;
    EXPECT_EQ(3, s.m) << atvejis;
    for (int i = 0; i < 2; ++i) {
      for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(laukiama[i][j], Mas[i][j]) << atvejis << " at " << i << j;
      }
    }
  }
}

TEST(Reader, WithZeroRowsReadsTheColumnCountOnly) {
  std::int32_t Mas[Cn][Cm];
  const Skaitymas s = Skaityk("0 7 not looked at", Mas);
  ASSERT_TRUE(s.gerai) << s.klaida;
  EXPECT_EQ(0, s.n);
  EXPECT_EQ(7, s.m);
  EXPECT_EQ(kSargas, Mas[0][0]);
}

TEST(Reader, WritesOnlyTheCellsInUse) {
  std::int32_t Mas[Cn][Cm];
  const Skaitymas s = Skaityk("2 2 1 2 3 4", Mas);
  ASSERT_TRUE(s.gerai) << s.klaida;
  EXPECT_EQ(3, Mas[1][0]);  // row stride is Cm, not m
  EXPECT_EQ(kSargas, Mas[0][2]);
  EXPECT_EQ(kSargas, Mas[2][0]);
}

TEST(Reader, ReadsValuesAcrossChunkBoundaries) {
  // The reader takes its input 4096 bytes at a time; every split of a value
  // or of the white space before it must read the same.
  for (std::size_t tarpai = 4080; tarpai <= 4100; ++tarpai) {
    std::int32_t Mas[Cn][Cm];
    const Skaitymas s =
        Skaityk("1 2" + std::string(tarpai, '\n') + "-1234567 89", Mas);
    ASSERT_TRUE(s.gerai) << tarpai << ": " << s.klaida;
    EXPECT_EQ(-1234567, Mas[0][0]) << tarpai;
    EXPECT_EQ(89, Mas[0][1]) << tarpai;

    const Skaitymas k =
        Skaityk("1 2" + std::string(tarpai, '\n') + "7 8x", Mas);
    ASSERT_TRUE(k.gerai) << tarpai << ": " << k.klaida;
    EXPECT_EQ(8, Mas[0][1]) << tarpai;
    const Skaitymas z =
        Skaityk("1 2 3" + std::string(tarpai, '\n') + " x", Mas);
    EXPECT_EQ("Masyvas.txt:" + std::to_string(tarpai + 1) +
                  ":2: elementas [1, 2] turi buti sveikasis skaicius, rasta "
                  "\"x\".",
              z.klaida);
  }
}

TEST(Reader, AcceptsThirtyTwoBitExtremesAndFullCapacity) {
  std::string tekstas = "100 50\n";
  for (int k = 0; k < Cn * Cm; ++k) {
    tekstas += k % 2 == 0 ? "-2147483648 " : "2147483647 ";
  }
  std::int32_t Mas[Cn][Cm];
  const Skaitymas s = Skaityk(tekstas, Mas);
  ASSERT_TRUE(s.gerai) << s.klaida;
  EXPECT_EQ(Cn, s.n);
  EXPECT_EQ(Cm, s.m);
  EXPECT_EQ(-2147483647 - 1, Mas[0][0]);
  EXPECT_EQ(2147483647, Mas[Cn - 1][Cm - 1]);
}

TEST(Reader, RejectsBadDataSayingWhatAndWhere) {
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
    const Skaitymas s = Skaityk(a.tekstas, Mas);
    EXPECT_FALSE(s.gerai) << a.tekstas;
    EXPECT_EQ(a.klaida, s.klaida) << a.tekstas;
    EXPECT_EQ(0, s.n) << a.tekstas;
    EXPECT_EQ(0, s.m) << a.tekstas;
  }
}

// A stream buffer that hands out its text and then fails, as a disk would.
struct Gedimas : std::streambuf {
  explicit Gedimas(std::string t) : tekstas(std::move(t)) {
    setg(tekstas.data(), tekstas.data(), tekstas.data() + tekstas.size());
  }
  int_type underflow() override { throw std::runtime_error("read error"); }
  std::string tekstas;
};

TEST(Reader, ReportsAReadErrorInsteadOfAShortFile) {
  // The text before the failure either comes at once with it or fills a
  // whole 4096-byte chunk (leading white space), so that it is read first.
  for (const std::size_t blokas : {0, 4096}) {
    for (const std::string pries :
         {"", "2 ", "2 2 1 2 3", "2 2 1 2 3 -", "2 2 1 2 3 4"}) {
      Gedimas buf(std::string(blokas - std::min(blokas, pries.size()), '\n') +
                  pries);
      std::istream fd(&buf);
      std::int32_t Mas[Cn][Cm];
      std::int32_t n = -1;
      std::int32_t m = -1;
      std::string klaida;
      EXPECT_FALSE(SkaitytiSrauta(fd, "Masyvas.txt", Mas, n, m, klaida))
          << blokas << pries;
      EXPECT_EQ("nepavyko perskaityti duomenu failo Masyvas.txt.", klaida)
          << blokas << pries;
    }
  }
}

TEST(Reader, ReadsANamedFileAndReportsOneThatCannotBeOpened) {
  const std::string kelias = ::testing::TempDir() + "masyvas_reader_test.txt";
  {
    std::ofstream f(kelias);
    f << "1 2\n-7 8\n";
  }
  std::int32_t Mas[Cn][Cm];
  std::int32_t n = -1;
  std::int32_t m = -1;
  std::string klaida;
  ASSERT_TRUE(Skaityti(kelias, Mas, n, m, klaida)) << klaida;
  EXPECT_EQ(1, n);
  EXPECT_EQ(2, m);
  EXPECT_EQ(-7, Mas[0][0]);
  EXPECT_EQ(8, Mas[0][1]);
  EXPECT_EQ(0, std::remove(kelias.c_str()));

  const std::string nera[][2] = {{kelias, "nerastas aplanke "},
                                 {::testing::TempDir(), ": tai aplankas."}};
  for (const auto& vardas : nera) {
    EXPECT_FALSE(Skaityti(vardas[0], Mas, n, m, klaida)) << vardas[0];
    EXPECT_NE(std::string::npos, klaida.find(vardas[0])) << klaida;
    EXPECT_NE(std::string::npos, klaida.find(vardas[1])) << klaida;
    EXPECT_EQ(0, n);
    EXPECT_EQ(0, m);
  }
}

}  // namespace
