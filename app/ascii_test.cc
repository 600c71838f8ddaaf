#include "app/ascii.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Ascii, WritesLettersWithoutMarksAndOtherCharactersAsQuestionMarks) {
  const std::string atvejai[][2] = {
      {"/home/ona/darbas", "/home/ona/darbas"},
      {"C:\\Users\\J\xc5\xabrat\xc4\x97\\\xc5\xa0iauliai",
       "C:\\Users\\Jurate\\Siauliai"},
      {"\xc4\x85\xc4\x8d\xc4\x99\xc4\x97\xc4\xaf\xc5\xa1\xc5\xb3\xc5\xab\xc5"
       "\xbe"
       "\xc4\x84\xc4\x8c\xc4\x98\xc4\x96\xc4\xae\xc5\xa0\xc5\xb2\xc5\xaa\xc5"
       "\xbd",
       "aceeisuuzACEEISUUZ"},
      {"\xe6\x97\xa5/\xc3\xa9/\xf0\x9f\x98\x80/x", "?/?/?/x"},
      {"bad\xff\x80z\x01\x7f", "bad?z??"},
  };
  for (const auto& a : atvejai) EXPECT_EQ(a[1], Ascii(a[0])) << a[0];
}

}  // namespace
