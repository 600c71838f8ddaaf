#include "app/ascii.h"

#include <algorithm>
#include <cstring>
#include <iterator>

std::string Ascii(const std::string& tekstas) {
  // Lithuanian letters in UTF-8 (two bytes each) and their plain forms, and
  // the punctuation of Lithuanian text (three bytes each).
  static const char* const kRaides[][2] = {
      {"\xc4\x85", "a"},      {"\xc4\x8d", "c"},      {"\xc4\x99", "e"},
      {"\xc4\x97", "e"},      {"\xc4\xaf", "i"},      {"\xc5\xa1", "s"},
      {"\xc5\xb3", "u"},      {"\xc5\xab", "u"},      {"\xc5\xbe", "z"},
      {"\xc4\x84", "A"},      {"\xc4\x8c", "C"},      {"\xc4\x98", "E"},
      {"\xc4\x96", "E"},      {"\xc4\xae", "I"},      {"\xc5\xa0", "S"},
      {"\xc5\xb2", "U"},      {"\xc5\xaa", "U"},      {"\xc5\xbd", "Z"},
      {"\xe2\x80\x9e", "\""}, {"\xe2\x80\x9c", "\""}, {"\xe2\x80\x93", "-"}};
  std::string ascii;
  for (std::size_t k = 0; k < tekstas.size();) {
    const unsigned char c = static_cast<unsigned char>(tekstas[k]);
    if (c >= 0x20 && c < 0x7f) {
      ascii += static_cast<char>(c);
      ++k;
      continue;
    }
    const auto raide = std::find_if(
        std::begin(kRaides), std::end(kRaides), [&](const char* const* r) {
          return tekstas.compare(k, std::strlen(r[0]), r[0]) == 0;
        });
    if (raide != std::end(kRaides)) {
      ascii += (*raide)[1];
      k += std::strlen((*raide)[0]);
      continue;
    }
    // Any other character: one '?' for its lead byte and continuation bytes.
    ascii += '?';
    for (++k; k < tekstas.size() && (tekstas[k] & 0xc0) == 0x80; ++k) {
    }
  }
  return ascii;
}

std::string BaitoKodas(unsigned char c) {
  const char* skaitmenys = "0123456789abcdef";
  return {'\\', 'x', skaitmenys[c >> 4], skaitmenys[c & 0xf]};
}

std::string Utf8(const std::filesystem::path& kelias) {
  try {
    return kelias.u8string();
  } catch (...) {
    return "?";
  }
}
