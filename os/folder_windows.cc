#include <windows.h>

#include <memory>

#include "os/folder.h"

std::vector<FailasAplanke> FailaiAplanke(std::string aplankas) {
  std::vector<FailasAplanke> failai;
  const std::string kaukes = aplankas + "\\*";
  const int ilgis =
      MultiByteToWideChar(CP_UTF8, 0, kaukes.c_str(), -1, nullptr, 0);
  std::wstring platus(static_cast<std::size_t>(ilgis), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, kaukes.c_str(), -1, platus.data(), ilgis);
  WIN32_FIND_DATAW radinys{};
  const HANDLE paieska = FindFirstFileW(platus.c_str(), &radinys);
  if (paieska == INVALID_HANDLE_VALUE) return failai;
  const std::unique_ptr<void, decltype(&FindClose)> baigti(paieska, FindClose);
  do {
    const int baitai = WideCharToMultiByte(CP_UTF8, 0, radinys.cFileName, -1,
                                           nullptr, 0, nullptr, nullptr);
    std::string vardas(static_cast<std::size_t>(baitai), '\0');
    WideCharToMultiByte(CP_UTF8, 0, radinys.cFileName, -1, vardas.data(),
                        baitai, nullptr, nullptr);
    vardas.resize(vardas.size() - 1);
    failai.push_back(
        {vardas, (radinys.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0,
         false});
  } while (FindNextFileW(paieska, &radinys));
  return failai;
}
