#include "report/averages.h"

#include <gtest/gtest.h>

#include <locale>
#include <sstream>
#include <string>

namespace {

const std::string kPavadinimas =
    "Dvima\xe8io masyvo kiekvienos eilut\xebs teigiam\xf8 element\xf8 "
    "vidurkiai:\n";

std::string Skyrius(const std::int32_t Mas[][Cm], std::int32_t n,
                    std::int32_t m) {
  std::ostringstream fr;
  Vidurkiai(fr, Mas, n, m);
  return fr.str();
}

TEST(Averages, WithoutRowsIsTheTitleAndAnEmptyLine) {
  std::int32_t Mas[Cn][Cm];
  EXPECT_EQ(kPavadinimas + "\n", Skyrius(Mas, 0, 4));
}

TEST(Averages, OneLinePerRowWithTwoDecimals) {
  std::int32_t Mas[Cn][Cm];
  const std::int32_t eilutes[5][4] = {{1, -2, 3, 4},
                                      {-1, -5, 0, -7},
                                      {10, 20, 30, 6},
                                      {0, 4, 0, 0},
                                      {2147483647, 2147483647, -1, 0}};
  for (int i = 0; i < 5; ++i) {
    for (int j = 0; j < 4; ++j) Mas[i][j] = eilutes[i][j];
  }
  EXPECT_EQ(kPavadinimas +
                "Eilut\xeb nr. 1: 2.67.\n"
                "Eilut\xeb nr. 2: teigiam\xf8 element\xf8 n\xebra.\n"
                "Eilut\xeb nr. 3: 16.50.\n"
                "Eilut\xeb nr. 4: 4.00.\n"
                "Eilut\xeb nr. 5: 2147483647.00.\n"
                "\n",
            Skyrius(Mas, 5, 4));
}

TEST(Averages, RowNumbersHaveNoFieldWidth) {
  std::int32_t Mas[Cn][Cm];
  for (int i = 0; i < 10; ++i) Mas[i][0] = i + 1;
  const std::string skyrius = Skyrius(Mas, 10, 1);
  EXPECT_NE(
      std::string::npos,
      skyrius.find("\nEilut\xeb nr. 9: 9.00.\nEilut\xeb nr. 10: 10.00.\n\n"))
      << skyrius;
}

TEST(Averages, LeavesTheStreamNumberFormatAsItWas) {
  std::int32_t Mas[Cn][Cm];
  Mas[0][0] = 3;
  std::ostringstream fr;
  Vidurkiai(fr, Mas, 1, 1);
  fr.str("");
  fr << 1.5 << ' ' << 1.23456;
  EXPECT_EQ("1.5 1.23456", fr.str())
      << "the stream's notation and precision untouched";
}

// A locale that writes numbers as Lithuanian does: 1 234,5.
struct Kablelis : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return ' '; }
  std::string do_grouping() const override { return "\3"; }
};

TEST(Averages, WritesAFullStopWhateverTheLocale) {
  std::int32_t Mas[Cn][Cm];
  Mas[0][0] = 12345;
  Mas[0][1] = 2;
  std::ostringstream fr;
  fr.imbue(std::locale(std::locale::classic(), new Kablelis));
  Vidurkiai(fr, Mas, 1, 2);
  EXPECT_NE(std::string::npos, fr.str().find(": 6173.50.\n")) << fr.str();
}

}  // namespace
