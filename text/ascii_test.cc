#include "text/ascii.h"

#include <gtest/gtest.h>

#include <string>

#include "text/utf8.h"
#include "text/wrap.h"

namespace {

// Text quoted from the data file within a message.
std::string Citata(const std::string& baitai) {
  return std::string(1, kCitatosPradzia) + baitai + kCitatosPabaiga;
}

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
      {"bad\xff\x80z\x1b\x7f", "bad?z??"},
      {"\"" + Citata("\xe8i\xc5\xa1\\x01") + "\"", "\"\\xe8i\\xc5\\xa1\\x01\""},
  };
  for (const auto& a : atvejai) EXPECT_EQ(a[1], Ascii(a[0])) << a[0];
}

TEST(Raidemis, ShowsCharactersAndOtherBytesAsCodes) {
  const std::string atvejai[][2] = {
      {"\xc5\xa1"
       "e\xc5\xa1i \xe2\x80\x93",
       "\xc5\xa1"
       "e\xc5\xa1i \xe2\x80\x93"},
      {"a\xe2\x80 b", "a\\xe2\\x80 b"},  // a sequence cut short
      {"a\xff", "a\\xff"},
      {"a\x1b[0m", "a\\x1b[0m"},  // a control character
      {Citata("\xe8i\xe2\x80\x93"
              "5"),
       "\xc4\x8di\xe2\x80\x93"
       "5"},
      {Citata("\x81\xff"), "\\x81\xcb\x99"},  // 0x81 is no Windows-1257 byte
  };
  for (const auto& a : atvejai) EXPECT_EQ(a[1], Raidemis(a[0])) << a[0];
}

TEST(Isdestyti, BreaksLinesBetweenWordsToFitTheWidth) {
  const std::string atvejai[][2] = {
      {"vienas du trys", "vienas du\ntrys"},
      {"\xc4\x8d\xc4\x8d\xc4\x8d\xc4\x8d du",
       "\xc4\x8d\xc4\x8d\xc4\x8d\xc4\x8d du"},
      {"a /labai/ilgas/aplankas b", "a\n/labai/ilgas/aplankas\nb"},
      {"pirma\nantra eilute", "pirma\nantra\neilute"},
  };
  for (const auto& a : atvejai) EXPECT_EQ(a[1], Isdestyti(a[0], 9)) << a[0];
}

}  // namespace
