#include <langinfo.h>
#include <unistd.h>

#include <cstring>
#include <iostream>

#include "os/console.h"
#include "text/ascii.h"
#include "text/utf8.h"
#include "text/wrap.h"

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
