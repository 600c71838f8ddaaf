#include "text/utf16.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

namespace {

using namespace std::literals;

// Where a case holds: both ways for well-formed text, one way for text that
// the other way gives back mended.
enum Kryptis { kAbi, kI16, kI8 };

struct Atvejis {
  const char* kas;
  std::string_view utf8;
  std::wstring_view utf16;
  Kryptis kryptis;
};

const Atvejis kAtvejai[] = {
    {"ASCII with control characters", "Masyvas 12\t\n\x7f"sv,
     L"Masyvas 12\t\n\x7f"sv, kAbi},
    {"Lithuanian letters and quotes (2 and 3 bytes)",
     "\xc4\x85\xc4\x8d\xc5\xb3 \xc5\xbd \xe2\x80\x9e\xe2\x80\x93"sv,
     L"\x0105\x010d\x0173 \x017d \x201e\x2013"sv, kAbi},
    {"4-byte characters as surrogate pairs, up to U+10FFFF",
     "a\xf0\x9f\x98\x80z\xf4\x8f\xbf\xbf"sv, L"a\xd83d\xde00z\xdbff\xdfff"sv,
     kAbi},
    {"an unpaired high surrogate at the end", "a\xef\xbf\xbd"sv, L"a\xd83d"sv,
     kI8},
    {"unpaired low and high surrogates, then a pair",
     "\xef\xbf\xbd\xef\xbf\xbd\xf0\x9f\x98\x80"sv,
     L"\xde00\xd83d\xd83d\xde00"sv, kI8},
    {"stray continuation bytes, one U+FFFD each",
     "a\x80\xbf"
     "b"sv,
     L"a\xfffd\xfffd"
     L"b"sv,
     kI16},
    {"sequences cut short, one U+FFFD for each maximal subpart",
     "\xe2\x80"
     "x\xf0\x9f\x98"sv,
     L"\xfffdx\xfffd"sv, kI16},
    {"bytes never in UTF-8, a surrogate, overlong forms, past U+10FFFF",
     "\xc0\xaf\xff\xed\xa0\x80\xe0\x9f\xbf\xf0\x8f\xbf\xbf\xf4\x90\x80\x80"sv,
     L"\xfffd\xfffd\xfffd\xfffd\xfffd\xfffd\xfffd\xfffd\xfffd\xfffd\xfffd\xfffd"
     L"\xfffd\xfffd\xfffd\xfffd\xfffd"sv,
     kI16},
};

TEST(Utf16, ConvertsBothWaysAndMendsIllFormedText) {
  for (const Atvejis& a : kAtvejai) {
    if (a.kryptis != kI8) {
      // Exactly the room the contract asks for, so that a sanitizer sees a
      // write past it.
      const std::unique_ptr<wchar_t[]> vieta(new wchar_t[a.utf8.size()]);
      const std::size_t n = Utf16(a.utf8, vieta.get());
      EXPECT_EQ(std::wstring(a.utf16), std::wstring(vieta.get(), n)) << a.kas;
      EXPECT_EQ(std::wstring(a.utf16), Utf16(a.utf8)) << a.kas;
    }
    if (a.kryptis != kI16) {
      EXPECT_EQ(std::string(a.utf8), Utf8(a.utf16)) << a.kas;
    }
  }
}

}  // namespace
