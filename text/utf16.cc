#include "text/utf16.h"

#include <type_traits>

#include "text/utf8.h"

namespace {

constexpr char32_t kPakaitalas = 0xfffd;

// A code unit's value, whether wchar_t is signed or not.
char32_t Vienetas(wchar_t c) {
  return static_cast<std::make_unsigned_t<wchar_t>>(c);
}

bool Auksciausias(char32_t c) { return c >= 0xd800 && c <= 0xdbff; }
bool Zemiausias(char32_t c) { return c >= 0xdc00 && c <= 0xdfff; }

}  // namespace

std::size_t Utf16(std::string_view utf8, wchar_t* i) {
  std::size_t n = 0;
  std::size_t ilgis = 0;
  for (std::size_t k = 0; k < utf8.size(); k += ilgis) {
    char32_t kodas = Dekoduoti(utf8, k, ilgis);
    if (kodas == kNetinkamas) kodas = kPakaitalas;
    if (kodas < 0x10000) {
      i[n++] = static_cast<wchar_t>(kodas);
    } else {
      i[n++] = static_cast<wchar_t>(0xd800 + ((kodas - 0x10000) >> 10));
      i[n++] = static_cast<wchar_t>(0xdc00 + ((kodas - 0x10000) & 0x3ff));
    }
  }
  return n;
}

std::wstring Utf16(std::string_view utf8) {
  std::wstring platus(utf8.size(), L'\0');
  platus.resize(Utf16(utf8, platus.data()));
  return platus;
}

std::string Utf8(std::wstring_view utf16) {
  std::string tekstas;
  for (std::size_t k = 0; k < utf16.size(); ++k) {
    char32_t kodas = Vienetas(utf16[k]);
    if (Auksciausias(kodas) && k + 1 < utf16.size() &&
        Zemiausias(Vienetas(utf16[k + 1]))) {
      kodas = 0x10000 + ((kodas - 0xd800) << 10) +
              (Vienetas(utf16[k + 1]) - 0xdc00);
      ++k;
    } else if (Auksciausias(kodas) || Zemiausias(kodas) || kodas > 0xffff) {
      kodas = kPakaitalas;
    }
    Koduoti(tekstas, kodas);
  }
  return tekstas;
}
