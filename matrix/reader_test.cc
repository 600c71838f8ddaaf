#include "matrix/reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

#include "tests/helpers.h"

namespace {

struct Skaitymas {
  bool gerai;
  std::int32_t n;
  std::int32_t m;
  std::optional<Vieta> perteklius;
  EiluciuForma forma;
  SkaitymoKlaida klaida;
};

// Reads text through the stream reader into Mas (pre-filled with kSargas).
Skaitymas Skaityk(const std::string& tekstas, std::int32_t Mas[][Cm]) {
  UzpildytiSargu(Mas);
  std::istringstream fd(tekstas);
  Skaitymas s{false, -1, -1, std::nullopt, {}, {}};
  s.gerai = SkaitytiSrauta(fd, Mas, s.n, s.m, s.perteklius, s.forma, s.klaida);
  return s;
}

TEST(Reader, ReadsTheSameMatrixFromAnyLayout) {
  const char* atvejai[] = {
      "2 3\n1 -2 3\n4 5 -6\n",
      "2 3 1 -2 3 4 5 -6",
      "  2\n\n3\t1\r\n-2 \v3\f4\n5\n-6",
      "+2 +3 +1 -2 +3 +4 +5 -6",
      "2 3\n1 -2 3\n4 5 -6 7 8 and more",
      "2 3 1 -2 3 4 5 -6 x",
      "2 3 1 -2 3 4 5 -6-5",
      "\357\273\2772 3 1 -2 3 4 5 -6",  // a UTF-8 byte order mark first
      "2 3 1 -2+3 4 5-6",
  };
  const std::int32_t laukiama[2][3] = {{1, -2, 3}, {4, 5, -6}};
  for (const char* atvejis : atvejai) {
    std::int32_t Mas[Cn][Cm];
    const Skaitymas s = Skaityk(atvejis, Mas);
    ASSERT_TRUE(s.gerai) << atvejis << ": " << s.klaida.rusis;
    EXPECT_EQ(2, s.n) << atvejis;
    EXPECT_EQ(3, s.m) << atvejis;
    for (int i = 0; i < 2; ++i) {
      for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(laukiama[i][j], Mas[i][j]) << atvejis << " at " << i << j;
      }
    }
  }
}

TEST(Reader, SaysWhereMoreThanWhiteSpaceFollowsTheLastValue) {
  struct Atvejis {
    const char* tekstas;
    std::int64_t eil;  // 0: nothing follows
    std::int64_t stulp;
  };
  // A Ctrl-Z alone at the very end, as old editors end a file, is no text.
  const Atvejis atvejai[] = {
      {"1 2 3 4", 0, 0},         {"1 2 3 4 \n\t\r\n", 0, 0},
      {"1 2 3 4 5", 1, 9},       {"1 2\n3 4\n\n  x y", 4, 3},
      {"1 2 3 4-5", 1, 8},       {"0 7 not looked at", 1, 5},
      {"1 2 3 4\r\n\x1a", 0, 0}, {"1 2 3 4 \x1a 5", 1, 9},
  };
  for (const Atvejis& a : atvejai) {
    std::int32_t Mas[Cn][Cm];
    const Skaitymas s = Skaityk(a.tekstas, Mas);
    ASSERT_TRUE(s.gerai) << a.tekstas;
    ASSERT_EQ(a.eil != 0, s.perteklius.has_value()) << a.tekstas;
    if (s.perteklius) {
      EXPECT_EQ(a.eil, s.perteklius->eil) << a.tekstas;
      EXPECT_EQ(a.stulp, s.perteklius->stulp) << a.tekstas;
    }
  }
}

TEST(Reader, SaysHowTheValuesLieOnTheLines) {
  struct Atvejis {
    const char* tekstas;
    EiluciuForma forma;  // on success, or in klaida
  };
  const Atvejis atvejai[] = {
      {"2 3\n1 -2 3\n4 5 -6\n", {2, 3, 2, 2, 3}},
      {"2 3 1 -2 3 4 5 -6", {2, 3, 8, 0, 0}},
      // Blank lines are no lines; CR LF, tabs; the counts on lines apart.
      {"\n\n2\t3\r\n\r\n1 2\r\n3\t4\r\n5 6\r\n", {2, 3, 2, 3, 2}},
      {"2\n3\n1 2 3\n4 5 -6", {2, 3, 1, 2, 3}},
      {"3 4\n1 -2 3 4\n-1 -5 0\n-7 10 20 30 6\n", {3, 4, 2, 3, -1}},
      // After the last value, each run of other than white space is a value.
      {"1 2 3\n4 5-6 x;y\n7 8 9", {1, 2, 3, 2, 3}},
      // A count out of range: the rest looked through, the counts unread.
      {"1 -2 3 4\n-1 -5 0 -7\n", {-1, -1, 4, 1, 4}},
      // A missing element: the lines up to the end.
      {"4 3\n1 2 3 4\n5 6 7 8", {4, 3, 2, 2, 4}},
  };
  for (const Atvejis& a : atvejai) {
    std::int32_t Mas[Cn][Cm];
    const Skaitymas s = Skaityk(a.tekstas, Mas);
    const EiluciuForma& f = s.gerai ? s.forma : s.klaida.forma;
    const EiluciuForma& l = a.forma;
    EXPECT_EQ(l.n, f.n) << a.tekstas;
    EXPECT_EQ(l.m, f.m) << a.tekstas;
    EXPECT_EQ(l.kiekiu_eiluteje, f.kiekiu_eiluteje) << a.tekstas;
    EXPECT_EQ(l.eiluciu, f.eiluciu) << a.tekstas;
    EXPECT_EQ(l.po, f.po) << a.tekstas;
  }
}

TEST(Reader, WithZeroRowsReadsTheColumnCountOnly) {
  std::int32_t Mas[Cn][Cm];
  const Skaitymas s = Skaityk("0 7 not looked at", Mas);
  ASSERT_TRUE(s.gerai) << s.klaida.rusis;
  EXPECT_EQ(0, s.n);
  EXPECT_EQ(7, s.m);
  EXPECT_EQ(kSargas, Mas[0][0]);
}

TEST(Reader, WritesOnlyTheCellsInUse) {
  std::int32_t Mas[Cn][Cm];
  const Skaitymas s = Skaityk("2 2 1 2 3 4", Mas);
  ASSERT_TRUE(s.gerai) << s.klaida.rusis;
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
    ASSERT_TRUE(s.gerai) << tarpai << ": " << s.klaida.rusis;
    EXPECT_EQ(-1234567, Mas[0][0]) << tarpai;
    EXPECT_EQ(89, Mas[0][1]) << tarpai;

    const Skaitymas k =
        Skaityk("1 2" + std::string(tarpai, '\n') + "7 8+9", Mas);
    ASSERT_TRUE(k.gerai) << tarpai << ": " << k.klaida.rusis;
    EXPECT_EQ(8, Mas[0][1]) << tarpai;
    const Skaitymas z =
        Skaityk("1 2 3" + std::string(tarpai, '\n') + " x", Mas);
    EXPECT_EQ(SkaitymoKlaida::kNeSveikasis, z.klaida.rusis) << tarpai;
    EXPECT_EQ(static_cast<std::int64_t>(tarpai) + 1, z.klaida.vieta.eil);
    EXPECT_EQ(2, z.klaida.vieta.stulp) << tarpai;
    EXPECT_EQ(2, z.klaida.kuri.stulpelis) << tarpai;
    EXPECT_EQ("x", z.klaida.rasta) << tarpai;
  }
}

TEST(Reader, AcceptsThirtyTwoBitExtremesAndFullCapacity) {
  std::string tekstas = "100 50\n";
  for (int k = 0; k < Cn * Cm; ++k) {
    tekstas += k % 2 == 0 ? "-2147483648 " : "2147483647 ";
  }
  std::int32_t Mas[Cn][Cm];
  const Skaitymas s = Skaityk(tekstas, Mas);
  ASSERT_TRUE(s.gerai) << s.klaida.rusis;
  EXPECT_EQ(Cn, s.n);
  EXPECT_EQ(Cm, s.m);
  EXPECT_EQ(-2147483647 - 1, Mas[0][0]);
  EXPECT_EQ(2147483647, Mas[Cn - 1][Cm - 1]);
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
  // whole 4096-byte chunk (leading white space), so that it is read first;
  // with "x" last, the failure comes while the offending run is taken.
  for (const std::size_t blokas : {0, 4096}) {
    for (const std::string pries :
         {"", "2 ", "2 2 1 2 3", "2 2 1 2 3 -", "2 2 1 2 3 4", "2 2 1 2 3 x"}) {
      Gedimas buf(std::string(blokas - std::min(blokas, pries.size()), '\n') +
                  pries);
      std::istream fd(&buf);
      std::int32_t Mas[Cn][Cm];
      std::int32_t n = -1;
      std::int32_t m = -1;
      std::optional<Vieta> perteklius;
      EiluciuForma forma;
      SkaitymoKlaida klaida;
      EXPECT_FALSE(SkaitytiSrauta(fd, Mas, n, m, perteklius, forma, klaida))
          << blokas << pries;
      EXPECT_EQ(SkaitymoKlaida::kNeperskaitomas, klaida.rusis)
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
  std::optional<Vieta> perteklius;
  EiluciuForma forma;
  SkaitymoKlaida klaida;
  ASSERT_TRUE(Skaityti(kelias, Mas, n, m, perteklius, forma, klaida))
      << klaida.rusis;
  EXPECT_EQ(1, n);
  EXPECT_EQ(2, m);
  EXPECT_EQ(-7, Mas[0][0]);
  EXPECT_EQ(8, Mas[0][1]);
  EXPECT_EQ(0, std::remove(kelias.c_str()));

  // A missing file, a folder, a device: refused, the missing one with the
  // error of its open.
  const struct {
    std::string vardas;
    SkaitymoKlaida::Rusis rusis;
  } atvejai[] = {{kelias, SkaitymoKlaida::kNeatidaromas},
                 {::testing::TempDir(), SkaitymoKlaida::kNeatidaromas},
                 {"/dev/null", SkaitymoKlaida::kNeFailas}};
  for (const auto& a : atvejai) {
    EXPECT_FALSE(Skaityti(a.vardas, Mas, n, m, perteklius, forma, klaida))
        << a.vardas;
    EXPECT_EQ(a.rusis, klaida.rusis) << a.vardas;
    EXPECT_EQ(a.vardas == kelias ? ENOENT : 0,
              klaida.sistemos_klaida.klaidos_nr)
        << a.vardas;
    EXPECT_EQ(0, n);
    EXPECT_EQ(0, m);
  }
}

}  // namespace
