#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "os/file.h"

namespace {

int Fd(Rankena fr) { return static_cast<int>(fr.reiksme); }

// True when the descriptor fd is of the file that x tells of.
bool TasPats(int fd, const struct stat& x) {
  struct stat y {};
  return fstat(fd, &y) == 0 && x.st_dev == y.st_dev && x.st_ino == y.st_ino;
}

// Returns gerai; when false, puts the error of the failed call into klaida.
bool Pavyko(bool gerai, SistemosKlaida& klaida) {
  if (!gerai) klaida = SistemosKlaidaDabar();
  return gerai;
}

}  // namespace

bool AtidarytiRasymui(std::string vardas, Rankena& fr, SistemosKlaida& klaida) {
  // O_NONBLOCK, so that a pipe without a reader fails at once instead of
  // waiting for one; it is cleared for writing.
  const int fd =
      open(vardas.c_str(),
           O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
           0666);
  if (!Pavyko(fd >= 0, klaida)) return false;
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  fr.reiksme = fd;
  return true;
}

bool Ypatybiu(Rankena fr, Ypatybes& y, SistemosKlaida& klaida) {
  struct stat st {};
  if (!Pavyko(fstat(Fd(fr), &st) == 0, klaida)) return false;
  y.paprastas = S_ISREG(st.st_mode);
  y.nuorodos = static_cast<unsigned long>(st.st_nlink);
  y.dydis = static_cast<std::uint64_t>(st.st_size);
  return true;
}

bool TasPatsFailas(Rankena fr, std::string vardas) {
  struct stat st {};
  return stat(vardas.c_str(), &st) == 0 && TasPats(Fd(fr), st);
}

Uzraktas Uzrakinti(Rankena fr) {
  if (flock(Fd(fr), LOCK_EX | LOCK_NB) == 0) return Uzraktas::kGerai;
  return errno == EWOULDBLOCK ? Uzraktas::kUzimtas : Uzraktas::kNepalaiko;
}

bool Tustinti(Rankena fr, SistemosKlaida& klaida) {
  return Pavyko(ftruncate(Fd(fr), 0) == 0 && lseek(Fd(fr), 0, SEEK_SET) == 0,
                klaida);
}

bool Rasyti(Rankena fr, const std::string& tekstas, SistemosKlaida& klaida) {
  for (std::size_t k = 0; k < tekstas.size();) {
    const ssize_t parasyta =
        write(Fd(fr), tekstas.data() + k, tekstas.size() - k);
    if (parasyta < 0 && errno == EINTR) continue;
    // A write that takes nothing without an error: the disk is full.
    if (parasyta == 0) errno = ENOSPC;
    if (!Pavyko(parasyta > 0, klaida)) return false;
    k += static_cast<std::size_t>(parasyta);
  }
  return true;
}

bool Uzdaryti(Rankena& fr, SistemosKlaida& klaida) {
  // The descriptor is gone whatever close returns, EINTR included.
  const bool gerai = fr.reiksme < 0 || close(Fd(fr)) == 0 || errno == EINTR;
  fr.reiksme = -1;
  return Pavyko(gerai, klaida);
}

bool StandartineIsvestis(Rankena fr) {
  struct stat st {};
  return fstat(Fd(fr), &st) == 0 &&
         (TasPats(STDOUT_FILENO, st) || TasPats(STDERR_FILENO, st));
}

void SulaikytiSignalus(bool sulaikyti) {
  static sigset_t buvo;
  sigset_t visi;
  sigfillset(&visi);
  sigprocmask(sulaikyti ? SIG_BLOCK : SIG_SETMASK, sulaikyti ? &visi : &buvo,
              sulaikyti ? &buvo : nullptr);
}
