#include "os/file_reason.h"

#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "text/utf16.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;
using P = FailoPriezastis;

namespace {

// An error code and the reason it gives.
struct Kodas {
  long kodas;
  P priezastis;
};

#ifdef _WIN32
constexpr Kodas kWindowsKodai[] = {
    {ERROR_SHARING_VIOLATION, P::kAtidarytasKitur},
    {ERROR_LOCK_VIOLATION, P::kAtidarytasKitur},
    {ERROR_WRITE_PROTECT, P::kNeraLeidimo},
    {ERROR_FILE_NOT_FOUND, P::kNerastas},
    {ERROR_PATH_NOT_FOUND, P::kNerastas},
    {ERROR_DISK_FULL, P::kDiskasPilnas},
    {ERROR_HANDLE_DISK_FULL, P::kDiskasPilnas},
};
#endif

constexpr Kodas kKlaidosNr[] = {
    {ENOENT, P::kNerastas},     {ENOTDIR, P::kNeAplankas},
    {ELOOP, P::kNuoroduCiklas}, {EACCES, P::kNeraLeidimo},
    {EPERM, P::kNeraLeidimo},   {EROFS, P::kNeraLeidimo},
    {ENXIO, P::kNeFailas},      {ENOSPC, P::kDiskasPilnas},
#ifdef EDQUOT
    {EDQUOT, P::kDiskasPilnas},
#endif
    {EFBIG, P::kPerDidelis},
};

// The reason that kodai give for kodas, kKita where none does; a missing
// file is kDarboAplankasIstrintas when the working folder is gone.
template <std::size_t N>
P Pagal(const Kodas (&kodai)[N], long kodas) {
  P p = P::kKita;
  for (const Kodas& k : kodai) {
    if (k.kodas == kodas) p = k.priezastis;
  }
  std::error_code ec;
  if (p == P::kNerastas) static_cast<void>(fs::current_path(ec));
  return ec == std::errc::no_such_file_or_directory ? P::kDarboAplankasIstrintas
                                                    : p;
}

}  // namespace

P Priezastis(std::string vardas, bool rasymas, const SistemosKlaida& klaida) {
  std::error_code ec;
  if (fs::is_directory(vardas, ec)) return P::kAplankas;
#ifdef _WIN32
  if (klaida.windows_kodas == ERROR_ACCESS_DENIED) {
    const DWORD pozymiai = GetFileAttributesA(vardas.c_str());
    const bool tik_skaitymui = pozymiai != INVALID_FILE_ATTRIBUTES &&
                               (pozymiai & FILE_ATTRIBUTE_READONLY) != 0;
    return rasymas && tik_skaitymui ? P::kTikSkaitymui : P::kNeraLeidimo;
  }
  if (klaida.windows_kodas != 0) {
    return Pagal(kWindowsKodai, static_cast<long>(klaida.windows_kodas));
  }
#endif
  // Opened without following a symbolic link, the report's name fails with
  // ELOOP where it is one.
  if (rasymas && klaida.klaidos_nr == ELOOP) return P::kNuoroda;
  return Pagal(kKlaidosNr, klaida.klaidos_nr);
}

std::string SistemosTekstas(const SistemosKlaida& klaida) {
  std::string tekstas;
#ifdef _WIN32
  if (klaida.windows_kodas != 0) {
    wchar_t* zodziai = nullptr;
    const DWORD ilgis = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
            FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, klaida.windows_kodas, 0, reinterpret_cast<wchar_t*>(&zodziai),
        0, nullptr);
    if (ilgis > 0) tekstas = Utf8(std::wstring_view(zodziai, ilgis));
    LocalFree(zodziai);
  }
#endif
  if (tekstas.empty()) tekstas = std::strerror(klaida.klaidos_nr);
  tekstas.erase(tekstas.find_last_not_of("\n\r .") + 1);  // npos + 1 is 0
  return tekstas;
}

unsigned long SistemosKodas(const SistemosKlaida& klaida) {
  return klaida.windows_kodas != 0
             ? klaida.windows_kodas
             : static_cast<unsigned long>(klaida.klaidos_nr);
}
