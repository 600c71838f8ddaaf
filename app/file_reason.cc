#include "app/file_reason.h"

#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif
#ifdef __linux__
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

FailoPriezastis Nerastas() {
  std::error_code ec;
  static_cast<void>(fs::current_path(ec));
  return ec == std::errc::no_such_file_or_directory
             ? FailoPriezastis::kDarboAplankasIstrintas
             : FailoPriezastis::kNerastas;
}

// What EPERM means: on Linux, a file marked immutable or append-only.
FailoPriezastis BeLeidimo(const std::string& vardas) {
#ifdef __linux__
  const int fd = open(vardas.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  int pozymiai = 0;
  const bool yra = fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &pozymiai) == 0;
  if (fd >= 0) close(fd);
  if (yra && (pozymiai & FS_IMMUTABLE_FL) != 0) {
    return FailoPriezastis::kNekeiciamas;
  }
  if (yra && (pozymiai & FS_APPEND_FL) != 0) {
    return FailoPriezastis::kTikPapildomas;
  }
#else
  static_cast<void>(vardas);
#endif
  return FailoPriezastis::kNeraLeidimo;
}

#ifdef _WIN32
bool TikSkaitymui(const std::string& vardas) {
  const DWORD pozymiai = GetFileAttributesA(vardas.c_str());
  return pozymiai != INVALID_FILE_ATTRIBUTES &&
         (pozymiai & FILE_ATTRIBUTE_READONLY) != 0;
}
#endif

}  // namespace

FailoPriezastis Priezastis(std::string vardas, bool rasymas,
                           const SistemosKlaida& klaida) {
  std::error_code ec;
  if (fs::is_directory(vardas, ec)) return FailoPriezastis::kAplankas;
#ifdef _WIN32
  switch (klaida.windows_kodas) {
    case 0:
      break;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return FailoPriezastis::kAtidarytasKitur;
    case ERROR_ACCESS_DENIED:
      return rasymas && TikSkaitymui(vardas) ? FailoPriezastis::kTikSkaitymui
                                             : FailoPriezastis::kNeraLeidimo;
    case ERROR_WRITE_PROTECT:
      return FailoPriezastis::kNeraLeidimo;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return Nerastas();
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return FailoPriezastis::kDiskasPilnas;
    default:
      return FailoPriezastis::kKita;
  }
#else
  static_cast<void>(rasymas);  // what Windows alone tells apart
#endif
  switch (klaida.klaidos_nr) {
    case ENOENT:
      return Nerastas();
    case ENOTDIR:
      return FailoPriezastis::kNeAplankas;
    case ELOOP:
      return FailoPriezastis::kNuoroduCiklas;
    case EPERM:
      return BeLeidimo(vardas);
    case EACCES:
    case EROFS:
      return FailoPriezastis::kNeraLeidimo;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return FailoPriezastis::kDiskasPilnas;
    case EFBIG:
      return FailoPriezastis::kPerDidelis;
    default:
      return FailoPriezastis::kKita;
  }
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
    if (ilgis > 0) {
      const int baitai = WideCharToMultiByte(CP_UTF8, 0, zodziai, ilgis,
                                             nullptr, 0, nullptr, nullptr);
      tekstas.resize(static_cast<std::size_t>(baitai));
      WideCharToMultiByte(CP_UTF8, 0, zodziai, ilgis, tekstas.data(), baitai,
                          nullptr, nullptr);
    }
    LocalFree(zodziai);
  }
#endif
  if (tekstas.empty()) tekstas = std::strerror(klaida.klaidos_nr);
  while (!tekstas.empty() &&
         (tekstas.back() == '\n' || tekstas.back() == '\r' ||
          tekstas.back() == ' ' || tekstas.back() == '.')) {
    tekstas.pop_back();
  }
  return tekstas;
}

unsigned long SistemosKodas(const SistemosKlaida& klaida) {
  if (klaida.windows_kodas != 0) return klaida.windows_kodas;
  return static_cast<unsigned long>(klaida.klaidos_nr);
}
