#include "matrix/average.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(Average, OfThePositiveElementsOnly) {
  struct Atvejis {
    std::vector<std::int32_t> eil;
    std::int32_t m;
    std::optional<double> vid;
  };
  const Atvejis atvejai[] = {
      {{-1, -5, 0, -7}, 4, std::nullopt},
      {{}, 0, std::nullopt},
      {{0, 0}, 2, std::nullopt},
      {{1, -2, 3, 4}, 4, 8.0 / 3.0},
      {{0, 4}, 2, 4.0},
      {{-3, 9, -3}, 3, 9.0},
      {{1}, 1, 1.0},
      {{5, 100}, 1, 5.0},  // only the first m elements count
      {{2147483647, 2147483647}, 2, 2147483647.0},
      {{2147483647, 2147483647, 2147483647, 1}, 4, 6442450942.0 / 4.0},
  };
  for (const Atvejis& a : atvejai) {
    const std::optional<double> vid = Vidurkis(a.eil.data(), a.m);
    ASSERT_EQ(a.vid.has_value(), vid.has_value())
        << ::testing::PrintToString(a.eil);
    if (a.vid) {
      EXPECT_DOUBLE_EQ(*a.vid, *vid) << ::testing::PrintToString(a.eil);
    }
  }
}

}  // namespace
