#include <windows.h>

#include <memory>
#include <string_view>

#include "os/folder.h"
#include "text/utf16.h"

std::vector<FailasAplanke> FailaiAplanke(std::string aplankas) {
  std::vector<FailasAplanke> failai;
  const std::wstring kaukes = Utf16(aplankas + "\\*");
  WIN32_FIND_DATAW radinys{};
  const HANDLE paieska = FindFirstFileW(kaukes.c_str(), &radinys);
  if (paieska == INVALID_HANDLE_VALUE) return failai;
  const std::unique_ptr<void, decltype(&FindClose)> baigti(paieska, FindClose);
  do {
    failai.push_back(
        {Utf8(std::wstring_view(radinys.cFileName)),
         (radinys.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0, false});
  } while (FindNextFileW(paieska, &radinys));
  return failai;
}
