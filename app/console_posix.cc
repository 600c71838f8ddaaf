#include <langinfo.h>

#include <cstring>
#include <iostream>

#include "app/ascii.h"
#include "app/console.h"
#include "app/utf8.h"

namespace {

bool Utf8Lokale() {
  const char* rinkinys = nl_langinfo(CODESET);
  return rinkinys != nullptr && std::strcmp(rinkinys, "UTF-8") == 0;
}

std::string Utf8SuKodais(const std::string& tekstas) {
  std::string rodomas;
  for (std::size_t k = 0; k < tekstas.size();) {
    const std::size_t ilgis = Utf8Simbolis(tekstas, k);
    if (ilgis > 0) {
      rodomas.append(tekstas, k, ilgis);
      k += ilgis;
    } else {
      rodomas += BaitoKodas(static_cast<unsigned char>(tekstas[k++]));
    }
  }
  return rodomas;
}

}  // namespace

void Pranesti(const std::string& eilute) {
  std::cerr << (Utf8Lokale() ? Utf8SuKodais(eilute) : Ascii(eilute)) << '\n';
}

void PranestiTiesiai(const char* eilute, const char* ascii) {
  std::cerr << (Utf8Lokale() ? eilute : ascii) << '\n';
}
