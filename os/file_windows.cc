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

// Empties the file h, for the next write to go to its start.
bool Nukirsti(HANDLE h) {
  LARGE_INTEGER pradzia{};
  return SetFilePointerEx(h, pradzia, nullptr, FILE_BEGIN) && SetEndOfFile(h);
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
  y.paprastas = GetFileType(H(fr)) == FILE_TYPE_DISK;
  y.nuorodos = 1;
  y.dydis = 0;
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
  return Pavyko(Nukirsti(H(fr)), klaida);
}

bool Rasyti(Rankena fr, const std::string& tekstas, SistemosKlaida& klaida) {
  // A chunk at a time with CR LF line ends, each written whole.
  char eilutes[8192];
  for (std::size_t k = 0; k < tekstas.size();) {
    DWORD ilgis = 0;
    for (; k < tekstas.size() && ilgis + 2 <= sizeof eilutes; ++k) {
      if (tekstas[k] == '\n') eilutes[ilgis++] = '\r';
      eilutes[ilgis++] = tekstas[k];
    }
    for (DWORD parasyta = 0, is_viso = 0; is_viso < ilgis;
         is_viso += parasyta) {
      SetLastError(0);
      const bool gerai = WriteFile(H(fr), eilutes + is_viso, ilgis - is_viso,
                                   &parasyta, nullptr);
      // A write that takes nothing without an error: the disk is full.
      if (gerai && parasyta == 0) SetLastError(ERROR_DISK_FULL);
      if (!Pavyko(gerai && parasyta > 0, klaida)) return false;
    }
  }
  return true;
}

bool Uzdaryti(Rankena& fr, SistemosKlaida& klaida) {
  const bool gerai = fr.reiksme == -1 || CloseHandle(H(fr));
  fr.reiksme = -1;
  return Pavyko(gerai, klaida);
}

namespace {

// The file that the handler empties; the handler runs in a thread of its
// own.
HANDLE volatile saugomas = INVALID_HANDLE_VALUE;

BOOL WINAPI IsvalytiIrBaigti(DWORD) {
  const HANDLE h = saugomas;
  if (h != INVALID_HANDLE_VALUE) Nukirsti(h);
  return FALSE;  // the next handler, the system's, ends the program
}

}  // namespace

void SaugotiNuoNutraukimo(Rankena fr) {
  saugomas = H(fr);
  SetConsoleCtrlHandler(IsvalytiIrBaigti, TRUE);
}

void Nebesaugoti() {
  SetConsoleCtrlHandler(IsvalytiIrBaigti, FALSE);
  saugomas = INVALID_HANDLE_VALUE;
}

bool StandartineIsvestis(Rankena fr) {
  for (const DWORD kuri : {STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) {
    const HANDLE h = GetStdHandle(kuri);
    if (h != nullptr && h != INVALID_HANDLE_VALUE &&
        GetFileType(h) == FILE_TYPE_DISK && TasPats(H(fr), h)) {
      return true;
    }
  }
  return false;
}
