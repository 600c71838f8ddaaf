#include <windows.h>

#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

#include "os/console.h"
#include "text/ascii.h"
#include "text/utf16.h"
#include "text/utf8.h"
#include "text/wrap.h"

void Pranesti(const std::string& eilute) {
  const HANDLE klaidos = GetStdHandle(STD_ERROR_HANDLE);
  DWORD rezimas = 0;
  if (!GetConsoleMode(klaidos, &rezimas)) {
    std::cerr << Rodyti(eilute, Ascii, false) << '\n';
    return;
  }
  // A console shows every letter, whatever its code page, when it is given
  // UTF-16.
  const std::wstring platus = Utf16(Rodyti(eilute, Raidemis, true) + "\n");
  std::cerr.flush();
  DWORD parasyta = 0;
  WriteConsoleW(klaidos, platus.data(), static_cast<DWORD>(platus.size()),
                &parasyta, nullptr);
}

void PranestiTiesiai(const char* eilute, const char* ascii) {
  const HANDLE klaidos = GetStdHandle(STD_ERROR_HANDLE);
  DWORD rezimas = 0;
  const std::string_view tekstas(eilute);
  // Room for the line in UTF-16, which has no more units than it has bytes,
  // and its line end; a longer line goes in its ASCII form.
  wchar_t platus[512];
  if (tekstas.empty() || tekstas.size() >= std::size(platus) ||
      !GetConsoleMode(klaidos, &rezimas)) {
    std::cerr << ascii << '\n';
    return;
  }
  const std::size_t ilgis = Utf16(tekstas, platus);
  platus[ilgis] = L'\n';
  std::cerr.flush();
  DWORD parasyta = 0;
  WriteConsoleW(klaidos, platus, static_cast<DWORD>(ilgis + 1), &parasyta,
                nullptr);
}
