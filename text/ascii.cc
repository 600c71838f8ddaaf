#include "text/ascii.h"

#include "text/utf8.h"

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
    const unsigned char c = static_cast<unsigned char>(tekstas[k]);
    const std::size_t ilgis = Utf8Simbolis(tekstas, k);
    if (CitatosZyme(tekstas[k], citata)) {
      ++k;
    } else if (citata || ilgis == 1) {
      ascii +=
          c >= 0x20 && c < 0x7f ? std::string(1, tekstas[k]) : BaitoKodas(c);
      ++k;
    } else {
      const char* raide = "?";
      for (const auto& r : kRaides) {
        if (tekstas.compare(k, ilgis, r[0]) == 0) raide = r[1];
      }
      ascii += raide;
      k += ilgis > 0 ? ilgis : 1;
      // An invalid byte takes the continuation bytes after it.
      while (ilgis == 0 && k < tekstas.size() && (tekstas[k] & 0xc0) == 0x80) {
        ++k;
      }
    }
  }
  return ascii;
}
