#include "os/program.h"

#include <string_view>
#include <system_error>

#include "text/utf16.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h, whose types it takes.
#include <shellapi.h>
#else
#include <fcntl.h>

#include <cerrno>
#include <csignal>
#endif

namespace fs = std::filesystem;

void ParuostiProcesa() {
#ifndef _WIN32
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) < 0 && errno == EBADF) {
      static_cast<void>(open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY));
    }
  }
  static_cast<void>(std::signal(SIGPIPE, SIG_IGN));
  static_cast<void>(std::signal(SIGXFSZ, SIG_IGN));
#endif
}

#ifdef _WIN32
bool PaleidziamasSavoAplanke() { return true; }
bool UzrasuKnygeleRodysRaides() { return GetACP() == 1257; }
#else
bool PaleidziamasSavoAplanke() { return false; }
bool UzrasuKnygeleRodysRaides() { return true; }
#endif

fs::path ProgramosAplankas() {
#ifdef _WIN32
  // No Windows path is longer than 32767 characters.
  std::wstring vardas(32768, L'\0');
  const DWORD ilgis = GetModuleFileNameW(nullptr, vardas.data(),
                                         static_cast<DWORD>(vardas.size()));
  if (ilgis == 0 || ilgis == vardas.size()) return {};
  vardas.resize(ilgis);
  return fs::path(vardas).parent_path();
#elif defined(__linux__)
  std::error_code ec;
  const fs::path programa = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::path() : programa.parent_path();
#else
  return {};
#endif
}

fs::path LaikinasAplankas() {
#ifdef _WIN32
  std::wstring kelias(32768, L'\0');
  const DWORD talpa = static_cast<DWORD>(kelias.size());
  if (GetTempPathW(talpa, kelias.data()) == 0) return {};
  // In its long form where there is one; the call may write over its input.
  static_cast<void>(GetLongPathNameW(kelias.c_str(), kelias.data(), talpa));
  return fs::path(kelias.c_str());
#else
  return {};
#endif
}

std::vector<std::string> Argumentai([[maybe_unused]] int argc,
                                    [[maybe_unused]] char** argv) {
  std::vector<std::string> argumentai;
#ifdef _WIN32
  // argv holds the arguments in the ANSI code page, which may lack letters.
  int kiek = 0;
  wchar_t** platus = CommandLineToArgvW(GetCommandLineW(), &kiek);
  for (int k = 1; platus != nullptr && k < kiek; ++k) {
    argumentai.push_back(Utf8(std::wstring_view(platus[k])));
  }
  LocalFree(platus);
#else
  for (int k = 1; k < argc; ++k) argumentai.emplace_back(argv[k]);
#endif
  return argumentai;
}
