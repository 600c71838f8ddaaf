#include "report/table.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "report/averages.h"
#include "tests/helpers.h"

namespace {

const std::string kRemas =
    " -\x96\x96\x96\x96\x96\x96\x96-";  // " -" and one segment
const std::string kSegmentas = "\x96\x96\x96\x96\x96\x96\x96-";

std::string Tekstas(const std::string& pavadinimas,
                    const std::int32_t Mas[][Cm], std::int32_t n,
                    std::int32_t m) {
  std::ostringstream fr;
  Spausdinti(fr, pavadinimas, Mas, n, m);
  return fr.str();
}

TEST(Table, FrameLineIsSegmentsOfSevenDashesAndAHyphen) {
  std::ostringstream fr;
  Linija(fr, 3);
  EXPECT_EQ(" -" + kSegmentas + kSegmentas + kSegmentas + "\n", fr.str());
}

TEST(Table, WithoutRowsHasNoRowLines) {
  std::int32_t Mas[Cn][Cm];
  const std::string frame = kRemas + kSegmentas + kSegmentas + "\n";
  EXPECT_EQ("\n T:\n" + frame + " | E.\\S. |     1 |     2 | \n" + frame +
                frame + "\n",
            Tekstas(" T:", Mas, 0, 2));
}

TEST(Table, WithoutColumnsHasOnlyTheRowNumbers) {
  std::int32_t Mas[Cn][Cm];
  const std::string frame = kRemas + "\n";
  EXPECT_EQ("\n T:\n" + frame + " | E.\\S. | \n" + frame +
                " |     1 | \n |     2 | \n" + frame + "\n",
            Tekstas(" T:", Mas, 2, 0));
}

TEST(Table, NumbersAreRightAlignedAndWideOnesWrittenWhole) {
  std::int32_t Mas[Cn][Cm];
  Mas[0][0] = -3;
  Mas[0][1] = 12345;
  Mas[0][2] = -12345;
  Mas[0][3] = -2147483647 - 1;
  const std::vector<std::string> eilutes = Eilutes(Tekstas(" T:", Mas, 1, 4));
  ASSERT_EQ(8u, eilutes.size());
  EXPECT_EQ(" |     1 |    -3 | 12345 | -12345 | -2147483648 | ", eilutes[5]);
}

TEST(Table, WritesTheLongestPossibleRowWhole) {
  std::int32_t Mas[Cn][Cm];
  for (auto& eil : Mas) {
    for (std::int32_t& x : eil) x = -2147483647 - 1;
  }
  std::string laukiama = " |   100 | ";
  for (std::int32_t j = 0; j < Cm; ++j) laukiama += "-2147483648 | ";
  const std::vector<std::string> eilutes = Eilutes(Tekstas(" T:", Mas, Cn, Cm));
  ASSERT_EQ(static_cast<std::size_t>(Cn + 7), eilutes.size());
  EXPECT_EQ(laukiama, eilutes[Cn + 4]);
}

TEST(Table, BarsStandOverTheFrameHyphensWhenNumbersFit) {
  std::int32_t Mas[Cn][Cm];
  for (std::int32_t i = 0; i < Cn; ++i) {
    for (std::int32_t j = 0; j < Cm; ++j)
      Mas[i][j] = (i * Cm + j) % 2 ? -9999 : 99999;
  }
  for (std::int32_t m : {1, 7, Cm}) {
    const std::vector<std::string> eilutes =
        Eilutes(Tekstas(" T:", Mas, Cn, m));
    ASSERT_EQ(static_cast<std::size_t>(Cn + 7), eilutes.size());
    const std::size_t ilgis = 8 * static_cast<std::size_t>(m) + 11;
    for (std::size_t e = 2; e + 1 < eilutes.size(); ++e) {
      const std::string& eil = eilutes[e];
      const bool remas = e == 2 || e == 4 || e == eilutes.size() - 2;
      ASSERT_EQ(remas ? ilgis - 1 : ilgis, eil.size())
          << "m=" << m << " line " << e;
      for (std::size_t p = 1; p < eil.size(); ++p) {
        const bool ties_skyrikliu = p % 8 == 1;
        if (remas) {
          ASSERT_EQ(ties_skyrikliu ? '-' : '\x96', eil[p])
              << "m=" << m << " line " << e;
        } else if (ties_skyrikliu) {
          ASSERT_EQ('|', eil[p]) << "m=" << m << " line " << e << " pos " << p;
        } else {
          ASSERT_NE('|', eil[p]) << "m=" << m << " line " << e << " pos " << p;
        }
      }
    }
  }
}

}  // namespace
