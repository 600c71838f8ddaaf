#include <windows.h>

#include "app/results_file.h"

namespace {

// How long and how often a run waits for another to let the file go.
constexpr int kBandymai = 20;
constexpr DWORD kPauzeMs = 50;

HANDLE Rankena(const RezultatuFailas& failas) {
  return reinterpret_cast<HANDLE>(failas.rankena);
}

SistemosKlaida WindowsKlaida() {
  SistemosKlaida klaida;
  klaida.windows_kodas = GetLastError();
  switch (klaida.windows_kodas) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      klaida.klaidos_nr = ENOENT;
      break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      klaida.klaidos_nr = ENOSPC;
      break;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
      klaida.klaidos_nr = EACCES;
      break;
    default:
      klaida.klaidos_nr = EIO;
  }
  return klaida;
}

bool TasPatsFailas(HANDLE rez, const std::string& Duom) {
  const HANDLE duom = CreateFileA(
      Duom.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (duom == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION a{};
  BY_HANDLE_FILE_INFORMATION b{};
  const bool tas_pats = GetFileInformationByHandle(rez, &a) &&
                        GetFileInformationByHandle(duom, &b) &&
                        a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
                        a.nFileIndexHigh == b.nFileIndexHigh &&
                        a.nFileIndexLow == b.nFileIndexLow;
  CloseHandle(duom);
  return tas_pats;
}

// Only files on disk are emptied: a device such as NUL is written as it is.
bool Tustinti(HANDLE h) {
  if (GetFileType(h) != FILE_TYPE_DISK) return true;
  LARGE_INTEGER pradzia{};
  return SetFilePointerEx(h, pradzia, nullptr, FILE_BEGIN) && SetEndOfFile(h);
}

}  // namespace

Uzemimas Uzimti(std::string Rez, std::string Duom, RezultatuFailas& failas,
                SistemosKlaida& klaida) {
  // Shared for reading and writing, so that the sections can open the file
  // by name while this handle holds it.
  const HANDLE h =
      CreateFileA(Rez.c_str(), GENERIC_WRITE,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    klaida = WindowsKlaida();
    return Uzemimas::kKlaida;
  }
  if (TasPatsFailas(h, Duom)) {
    CloseHandle(h);
    return Uzemimas::kTasPatsFailas;
  }
  // A lock on one byte far past any report's end: runs exclude each other,
  // while the sections' writes at the file's end are not hindered.
  OVERLAPPED vieta{};
  vieta.OffsetHigh = 0x7fffffff;
  for (int k = 0;
       !LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1,
                   0, &vieta);
       ++k) {
    if (GetLastError() != ERROR_LOCK_VIOLATION) break;  // no locks here
    if (k == kBandymai) {
      CloseHandle(h);
      return Uzemimas::kUzimtas;
    }
    Sleep(kPauzeMs);
  }
  if (!Tustinti(h)) {
    klaida = WindowsKlaida();
    CloseHandle(h);
    return Uzemimas::kKlaida;
  }
  failas.rankena = reinterpret_cast<std::intptr_t>(h);
  return Uzemimas::kGerai;
}

bool Isvalyti(const RezultatuFailas& failas) {
  return failas.rankena != -1 && Tustinti(Rankena(failas));
}

void Paleisti(RezultatuFailas& failas) {
  if (failas.rankena != -1) CloseHandle(Rankena(failas));
  failas.rankena = -1;
}
