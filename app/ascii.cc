#include "app/ascii.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "app/utf8.h"

std::string Ascii(const std::string& tekstas) {
  // Lithuanian letters in UTF-8 and their plain forms, and the punctuation
  // of Lithuanian text.
  static const char* const kRaides[][2] = {
      {"\xc4\x85", "a"},      {"\xc4\x8d", "c"},      {"\xc4\x99", "e"},
      {"\xc4\x97", "e"},      {"\xc4\xaf", "i"},      {"\xc5\xa1", "s"},
      {"\xc5\xb3", "u"},      {"\xc5\xab", "u"},      {"\xc5\xbe", "z"},
      {"\xc4\x84", "A"},      {"\xc4\x8c", "C"},      {"\xc4\x98", "E"},
      {"\xc4\x96", "E"},      {"\xc4\xae", "I"},      {"\xc5\xa0", "S"},
      {"\xc5\xb2", "U"},      {"\xc5\xaa", "U"},      {"\xc5\xbd", "Z"},
      {"\xe2\x80\x9e", "\""}, {"\xe2\x80\x9c", "\""}, {"\xe2\x80\x93", "-"}};
  std::string ascii;
  bool citata = false;
  for (std::size_t k = 0; k < tekstas.size();) {
    if (CitatosZyme(tekstas[k], citata)) {
      ++k;
      continue;
    }
    const unsigned char c = static_cast<unsigned char>(tekstas[k]);
    if (citata) {
      ascii +=
          c >= 0x20 && c < 0x7f ? std::string(1, tekstas[k]) : BaitoKodas(c);
      ++k;
      continue;
    }
    const std::size_t ilgis = Utf8Simbolis(tekstas, k);
    if (ilgis == 1) {
      ascii += tekstas[k++];
      continue;
    }
    const auto raide = std::find_if(
        std::begin(kRaides), std::end(kRaides), [&](const char* const* r) {
          return ilgis == std::strlen(r[0]) &&
                 tekstas.compare(k, ilgis, r[0]) == 0;
        });
    ascii += raide != std::end(kRaides) ? (*raide)[1] : "?";
    if (ilgis > 0) {
      k += ilgis;
      continue;
    }
    for (++k; k < tekstas.size() && (tekstas[k] & 0xc0) == 0x80; ++k) {
    }
  }
  return ascii;
}
