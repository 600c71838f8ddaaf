#include <windows.h>

#include "os/file.h"

namespace {

HANDLE H(Rankena fr) { return reinterpret_cast<HANDLE>(fr.reiksme); }

// True when the handles a and b are of one file on disk.
bool TasPats(HANDLE a, HANDLE b) {
  BY_HANDLE_FILE_INFORMATION x{};
  BY_HANDLE_FILE_INFORMATION y{};
  return GetFileInformationByHandle(a, &x) &&
         GetFileInformationByHandle(b, &y) &&
         x.dwVolumeSerialNumber == y.dwVolumeSerialNumber &&
         x.nFileIndexHigh == y.nFileIndexHigh &&
         x.nFileIndexLow == y.nFileIndexLow;
}

// Returns gerai; when false, puts the error of the failed call into klaida.
bool Pavyko(bool gerai, SistemosKlaida& klaida) {
  if (!gerai) klaida = SistemosKlaida{0, GetLastError()};
  return gerai;
}

}  // namespace

bool AtidarytiRasymui(std::string vardas, Rankena& fr, SistemosKlaida& klaida) {
  // Shared for writing too, so that another run opens the file and then
  // finds it locked; not for deleting, so that no one deletes or renames it
  // while this run writes it. Its attributes are read to tell what it is.
  const HANDLE h =
      CreateFileA(vardas.c_str(), GENERIC_WRITE | FILE_READ_ATTRIBUTES,
                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (!Pavyko(h != INVALID_HANDLE_VALUE, klaida)) return false;
  fr.reiksme = reinterpret_cast<std::intptr_t>(h);
  return true;
}

bool Ypatybiu(Rankena fr, Ypatybes& y, SistemosKlaida& klaida) {
  y = Ypatybes{GetFileType(H(fr)) == FILE_TYPE_DISK, 1, 0};
  if (!y.paprastas) return true;
  BY_HANDLE_FILE_INFORMATION info{};
  if (!Pavyko(GetFileInformationByHandle(H(fr), &info), klaida)) return false;
  y.nuorodos = info.nNumberOfLinks;
  y.dydis = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
  return true;
}

bool TasPatsFailas(Rankena fr, std::string vardas) {
  const HANDLE kitas = CreateFileA(
      vardas.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (kitas == INVALID_HANDLE_VALUE) return false;
  const bool tas_pats = TasPats(H(fr), kitas);
  CloseHandle(kitas);
  return tas_pats;
}

Uzraktas Uzrakinti(Rankena fr) {
  OVERLAPPED nuo_pradzios{};
  if (LockFileEx(H(fr), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                 MAXDWORD, MAXDWORD, &nuo_pradzios)) {
    return Uzraktas::kGerai;
  }
  return GetLastError() == ERROR_LOCK_VIOLATION ? Uzraktas::kUzimtas
                                                : Uzraktas::kNepalaiko;
}

bool Tustinti(Rankena fr, SistemosKlaida& klaida) {
  LARGE_INTEGER pradzia{};
  return Pavyko(SetFilePointerEx(H(fr), pradzia, nullptr, FILE_BEGIN) &&
                    SetEndOfFile(H(fr)),
                klaida);
}

bool Rasyti(Rankena fr, const std::string& tekstas, SistemosKlaida& klaida) {
  std::string eilutes;
  eilutes.reserve(tekstas.size() + tekstas.size() / 8);
  for (const char c : tekstas) {
    if (c == '\n') eilutes += '\r';
    eilutes += c;
  }
  for (std::size_t k = 0; k < eilutes.size();) {
    DWORD parasyta = 0;
    const bool gerai =
        WriteFile(H(fr), eilutes.data() + k,
                  static_cast<DWORD>(eilutes.size() - k), &parasyta, nullptr);
    // A write that takes nothing without an error: the disk is full.
    if (gerai && parasyta == 0) SetLastError(ERROR_DISK_FULL);
    if (!Pavyko(gerai && parasyta > 0, klaida)) return false;
    k += parasyta;
  }
  return true;
}

bool Uzdaryti(Rankena& fr, SistemosKlaida& klaida) {
  const bool gerai = fr.reiksme == -1 || CloseHandle(H(fr));
  fr.reiksme = -1;
  return Pavyko(gerai, klaida);
}

bool StandartineIsvestis(Rankena fr) {
  for (const DWORD kuri : {STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) {
    const HANDLE h = GetStdHandle(kuri);
    if (GetFileType(h) == FILE_TYPE_DISK && TasPats(H(fr), h)) return true;
  }
  return false;
}

void SulaikytiSignalus(bool sulaikyti) {
  SetConsoleCtrlHandler(nullptr, sulaikyti ? TRUE : FALSE);
}
