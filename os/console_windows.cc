#include <windows.h>

#include <iostream>
#include <string>

#include "os/console.h"
#include "text/ascii.h"
#include "text/utf8.h"
#include "text/wrap.h"

void Pranesti(const std::string& eilute) {
  const HANDLE klaidos = GetStdHandle(STD_ERROR_HANDLE);
  DWORD rezimas = 0;
  if (klaidos == nullptr || klaidos == INVALID_HANDLE_VALUE ||
      !GetConsoleMode(klaidos, &rezimas)) {
    std::cerr << Rodyti(eilute, Ascii, false) << '\n';
    return;
  }
  // A console shows every letter, whatever its code page, when it is given
  // UTF-16.
  const std::string tekstas = Rodyti(eilute, Raidemis, true) + "\n";
  const int ilgis = MultiByteToWideChar(
      CP_UTF8, 0, tekstas.data(), static_cast<int>(tekstas.size()), nullptr, 0);
  std::wstring platus(static_cast<std::size_t>(ilgis), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, tekstas.data(),
                      static_cast<int>(tekstas.size()), platus.data(), ilgis);
  std::cerr.flush();
  DWORD parasyta = 0;
  WriteConsoleW(klaidos, platus.data(), static_cast<DWORD>(platus.size()),
                &parasyta, nullptr);
}

void PranestiTiesiai(const char* eilute, const char* ascii) {
  const HANDLE klaidos = GetStdHandle(STD_ERROR_HANDLE);
  DWORD rezimas = 0;
  wchar_t platus[512];
  const int ilgis = MultiByteToWideChar(CP_UTF8, 0, eilute, -1, platus, 512);
  if (ilgis <= 1 || klaidos == nullptr || klaidos == INVALID_HANDLE_VALUE ||
      !GetConsoleMode(klaidos, &rezimas)) {
    std::cerr << ascii << '\n';
    return;
  }
  platus[ilgis - 1] = L'\n';
  std::cerr.flush();
  DWORD parasyta = 0;
  WriteConsoleW(klaidos, platus, static_cast<DWORD>(ilgis), &parasyta, nullptr);
}
