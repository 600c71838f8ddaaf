#include <langinfo.h>
#include <unistd.h>

#include <cstring>
#include <iostream>

#include "app/ascii.h"
#include "app/console.h"
#include "app/utf8.h"
#include "app/wrap.h"

namespace {

bool Utf8Lokale() {
  const char* rinkinys = nl_langinfo(CODESET);
  return rinkinys != nullptr && std::strcmp(rinkinys, "UTF-8") == 0;
}

}  // namespace

void Pranesti(const std::string& eilute) {
  std::cerr << Rodyti(eilute, Utf8Lokale() ? Raidemis : Ascii,
                      isatty(STDERR_FILENO) != 0)
            << '\n';
}

void PranestiTiesiai(const char* eilute, const char* ascii) {
  std::cerr << (Utf8Lokale() ? eilute : ascii) << '\n';
}
