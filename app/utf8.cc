#include "app/utf8.h"

#include <system_error>

std::size_t Utf8Simbolis(const std::string& tekstas, std::size_t k) {
  const auto baitas = [&tekstas](std::size_t i) {
    return static_cast<unsigned char>(tekstas[i]);
  };
  const unsigned char c = baitas(k);
  if (c >= 0x20 && c < 0x7f) return 1;
  std::size_t ilgis = 0;
  unsigned long kodas = 0;
  if (c >= 0xc2 && c <= 0xdf) {
    ilgis = 2;
    kodas = c & 0x1f;
  } else if (c >= 0xe0 && c <= 0xef) {
    ilgis = 3;
    kodas = c & 0x0f;
  } else if (c >= 0xf0 && c <= 0xf4) {
    ilgis = 4;
    kodas = c & 0x07;
  } else {
    return 0;
  }
  if (k + ilgis > tekstas.size()) return 0;
  for (std::size_t i = 1; i < ilgis; ++i) {
    if ((baitas(k + i) & 0xc0) != 0x80) return 0;
    kodas = (kodas << 6) | (baitas(k + i) & 0x3f);
  }
  // Overlong forms, surrogates, values past U+10FFFF and C1 controls.
  const unsigned long maziausias[] = {0, 0, 0x80, 0x800, 0x10000};
  if (kodas < maziausias[ilgis] || (kodas >= 0xd800 && kodas <= 0xdfff) ||
      kodas > 0x10ffff || kodas < 0xa0) {
    return 0;
  }
  return ilgis;
}

std::string BaitoKodas(unsigned char c) {
  const char* skaitmenys = "0123456789abcdef";
  return {'\\', 'x', skaitmenys[c >> 4], skaitmenys[c & 0xf]};
}

std::string Utf8(const std::filesystem::path& kelias) {
  try {
    return kelias.u8string();
  } catch (const std::system_error&) {
    return "?";
  }
}
