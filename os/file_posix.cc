#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "os/ending_signals.h"
#include "os/file.h"

namespace {

int Fd(Rankena fr) { return static_cast<int>(fr.reiksme); }

// Opens with O_NONBLOCK, so that a pipe without a reader fails at once
// (ENXIO) instead of waiting for one; the flag is then cleared for writing.
int Atidaryti(const std::string& vardas, int veliavos) {
  const int fd =
      open(vardas.c_str(),
           veliavos | O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
  if (fd >= 0) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

// True when kelias is a symbolic link that another user owns, or leads
// through such a link.
bool SvetimaNuoroda(std::string kelias) {
  for (int k = 0; k < 40; ++k) {
    struct stat st {};
    if (lstat(kelias.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return false;
    if (st.st_uid != geteuid()) return true;
    char tikslas[4096];
    const ssize_t ilgis = readlink(kelias.c_str(), tikslas, sizeof tikslas);
    if (ilgis <= 0 || ilgis == sizeof tikslas) return false;
    const std::string t(tikslas, static_cast<std::size_t>(ilgis));
    const std::size_t aplankas = kelias.rfind('/');
    kelias = t[0] == '/' || aplankas == std::string::npos
                 ? t
                 : kelias.substr(0, aplankas + 1) + t;
  }
  return false;  // a loop, which the open then names
}

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

Atidarymas AtidarytiRasymui(const std::string& vardas, Rankena& fr,
                            SistemosKlaida& klaida) {
  if (SvetimaNuoroda(vardas)) return Atidarymas::kSvetimaNuoroda;
  ValytiSistemosKlaida();
  int fd = Atidaryti(vardas, O_CREAT | O_NOFOLLOW);
  if (fd < 0 && errno == ELOOP) {
    // The name is a symbolic link (or a loop of them), maybe one planted
    // since it was looked at.
    if (SvetimaNuoroda(vardas)) return Atidarymas::kSvetimaNuoroda;
    ValytiSistemosKlaida();
    fd = Atidaryti(vardas, 0);
  }
  if (fd < 0) {
    klaida = SistemosKlaidaDabar();
    struct stat st {};
    return klaida.klaidos_nr == ENXIO && stat(vardas.c_str(), &st) == 0 &&
                   S_ISFIFO(st.st_mode)
               ? Atidarymas::kKanalas
               : Atidarymas::kKlaida;
  }
  fr.reiksme = fd;
  return Atidarymas::kAtidarytas;
}

bool Ypatybiu(Rankena fr, Ypatybes& y, SistemosKlaida& klaida) {
  struct stat st {};
  ValytiSistemosKlaida();
  if (!Pavyko(fstat(Fd(fr), &st) == 0, klaida)) return false;
  y.rusis = S_ISREG(st.st_mode)   ? Ypatybes::kFailas
            : S_ISCHR(st.st_mode) ? Ypatybes::kIrenginys
                                  : Ypatybes::kKita;
  y.nuorodos = static_cast<unsigned long>(st.st_nlink);
  y.dydis = static_cast<std::uint64_t>(st.st_size);
  return true;
}

bool TasPatsFailas(Rankena fr, const std::string& vardas) {
  struct stat st {};
  return stat(vardas.c_str(), &st) == 0 && TasPats(Fd(fr), st);
}

Uzraktas Uzrakinti(Rankena fr) {
  int r = 0;
  do {
    r = flock(Fd(fr), LOCK_EX | LOCK_NB);
  } while (r != 0 && errno == EINTR);
  if (r == 0) return Uzraktas::kGerai;
  return errno == EWOULDBLOCK ? Uzraktas::kUzimtas : Uzraktas::kNepalaiko;
}

bool Tustinti(Rankena fr, SistemosKlaida& klaida) {
  ValytiSistemosKlaida();
  return Pavyko(ftruncate(Fd(fr), 0) == 0 && lseek(Fd(fr), 0, SEEK_SET) == 0,
                klaida);
}

bool Rasyti(Rankena fr, const std::string& tekstas, SistemosKlaida& klaida) {
  for (std::size_t k = 0; k < tekstas.size();) {
    ValytiSistemosKlaida();
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

void Uzdaryti(Rankena& fr) {
  if (fr.reiksme >= 0) close(Fd(fr));
  fr.reiksme = -1;
}

namespace {

// The file that the handler empties.
volatile sig_atomic_t saugomas = -1;

extern "C" void IsvalytiIrBaigti(int signalas) {
  if (saugomas >= 0) static_cast<void>(ftruncate(saugomas, 0));
  static_cast<void>(signal(signalas, SIG_DFL));
  // Blocked while this handler runs: delivered, by default, when it returns.
  static_cast<void>(raise(signalas));
}

}  // namespace

void SaugotiNuoNutraukimo(Rankena fr) {
  saugomas = Fd(fr);
  sigset_t jokiu;
  sigemptyset(&jokiu);
  KiekvienamBaigianciam(
      [&jokiu](int s) { Perimti(s, IsvalytiIrBaigti, jokiu); });
}

void Nebesaugoti() {
  KiekvienamBaigianciam(Grazinti);
  saugomas = -1;
}

void AtidarytiStandartinius() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) < 0 && errno == EBADF) {
      static_cast<void>(open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY));
    }
  }
}

bool StandartineIsvestis(Rankena fr) {
  struct stat st {};
  return fstat(Fd(fr), &st) == 0 &&
         (TasPats(STDOUT_FILENO, st) || TasPats(STDERR_FILENO, st));
}
