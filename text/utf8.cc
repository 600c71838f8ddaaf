#include "text/utf8.h"

#include <system_error>

char32_t Dekoduoti(std::string_view tekstas, std::size_t k,
                   std::size_t& ilgis) {
  const auto baitas = [tekstas](std::size_t j) {
    return static_cast<unsigned char>(tekstas[j]);
  };
  const unsigned char c = baitas(k);
  ilgis = 1;
  if (c < 0x80) return c;
  if (c < 0xc2 || c > 0xf4) return kNetinkamas;
  // How many bytes the lead byte starts, and the range of the next one:
  // narrower after E0, ED, F0 and F4, which keeps out overlong forms,
  // surrogates and values past U+10FFFF.
  const std::size_t kiek = c >= 0xf0 ? 4 : c >= 0xe0 ? 3 : 2;
  unsigned char nuo = c == 0xe0 ? 0xa0 : c == 0xf0 ? 0x90 : 0x80;
  unsigned char iki = c == 0xed ? 0x9f : c == 0xf4 ? 0x8f : 0xbf;
  char32_t kodas = c & (0x7fu >> kiek);  // the lead byte's value bits
  for (std::size_t j = 1; j < kiek; ++j, nuo = 0x80, iki = 0xbf) {
    if (k + j >= tekstas.size() || baitas(k + j) < nuo || baitas(k + j) > iki) {
      return kNetinkamas;
    }
    kodas = (kodas << 6) | (baitas(k + j) & 0x3fu);
    ilgis = j + 1;
  }
  return kodas;
}

void Koduoti(std::string& tekstas, char32_t kodas) {
  const auto baitas = [](char32_t b) { return static_cast<char>(b); };
  const int tesiniai = kodas < 0x80      ? 0
                       : kodas < 0x800   ? 1
                       : kodas < 0x10000 ? 2
                                         : 3;
  const char32_t pirmas[] = {0, 0xc0, 0xe0, 0xf0};
  tekstas += baitas(pirmas[tesiniai] | (kodas >> (6 * tesiniai)));
  for (int t = tesiniai - 1; t >= 0; --t) {
    tekstas += baitas(0x80 | ((kodas >> (6 * t)) & 0x3f));
  }
}

std::size_t Utf8Simbolis(std::string_view tekstas, std::size_t k) {
  std::size_t ilgis = 0;
  const char32_t c = Dekoduoti(tekstas, k, ilgis);
  const bool valdymo = c < 0x20 || (c >= 0x7f && c < 0xa0);
  return c == kNetinkamas || valdymo ? 0 : ilgis;
}

std::string BaitoKodas(unsigned char c) {
  const char* skaitmenys = "0123456789abcdef";
  return {'\\', 'x', skaitmenys[c >> 4], skaitmenys[c & 0xf]};
}

namespace {

// Windows-1257's characters for the bytes 0x80..0xff; 0 where it has none.
constexpr char16_t kBaltu[128] = {
    0x20ac, 0x0000, 0x201a, 0x0000, 0x201e, 0x2026, 0x2020, 0x2021, 0x0000,
    0x2030, 0x0000, 0x2039, 0x0000, 0x00a8, 0x02c7, 0x00b8, 0x0000, 0x2018,
    0x2019, 0x201c, 0x201d, 0x2022, 0x2013, 0x2014, 0x0000, 0x2122, 0x0000,
    0x203a, 0x0000, 0x00af, 0x02db, 0x0000, 0x00a0, 0x0000, 0x00a2, 0x00a3,
    0x00a4, 0x0000, 0x00a6, 0x00a7, 0x00d8, 0x00a9, 0x0156, 0x00ab, 0x00ac,
    0x00ad, 0x00ae, 0x00c6, 0x00b0, 0x00b1, 0x00b2, 0x00b3, 0x00b4, 0x00b5,
    0x00b6, 0x00b7, 0x00f8, 0x00b9, 0x0157, 0x00bb, 0x00bc, 0x00bd, 0x00be,
    0x00e6, 0x0104, 0x012e, 0x0100, 0x0106, 0x00c4, 0x00c5, 0x0118, 0x0112,
    0x010c, 0x00c9, 0x0179, 0x0116, 0x0122, 0x0136, 0x012a, 0x013b, 0x0160,
    0x0143, 0x0145, 0x00d3, 0x014c, 0x00d5, 0x00d6, 0x00d7, 0x0172, 0x0141,
    0x015a, 0x016a, 0x00dc, 0x017b, 0x017d, 0x00df, 0x0105, 0x012f, 0x0101,
    0x0107, 0x00e4, 0x00e5, 0x0119, 0x0113, 0x010d, 0x00e9, 0x017a, 0x0117,
    0x0123, 0x0137, 0x012b, 0x013c, 0x0161, 0x0144, 0x0146, 0x00f3, 0x014d,
    0x00f5, 0x00f6, 0x00f7, 0x0173, 0x0142, 0x015b, 0x016b, 0x00fc, 0x017c,
    0x017e, 0x02d9,
};

}  // namespace

std::string Raidemis(const std::string& tekstas) {
  std::string rodomas;
  bool citata = false;
  for (std::size_t k = 0; k < tekstas.size();) {
    if (CitatosZyme(tekstas[k], citata)) {
      ++k;
      continue;
    }
    const unsigned char c = static_cast<unsigned char>(tekstas[k]);
    const std::size_t ilgis = Utf8Simbolis(tekstas, k);
    if (ilgis > 0) {
      rodomas.append(tekstas, k, ilgis);
    } else if (citata && c >= 0x80 && kBaltu[c - 0x80] >= 0xa0) {
      Koduoti(rodomas, kBaltu[c - 0x80]);
    } else {
      rodomas += BaitoKodas(c);
    }
    k += ilgis > 0 ? ilgis : 1;
  }
  return rodomas;
}

std::string Utf8(const std::filesystem::path& kelias) {
  try {
    return kelias.u8string();
  } catch (const std::system_error&) {
    return "?";
  }
}
