#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <new>

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

}  // namespace

Atidarymas AtidarytiRasymui(const std::string& vardas, Rankena& fr,
                            SistemosKlaida& klaida) {
  ValytiSistemosKlaida();
  int fd = Atidaryti(vardas, O_CREAT | O_NOFOLLOW);
  if (fd < 0 && errno == ELOOP) {
    // The name is a symbolic link (or a loop of them).
    struct stat nuoroda {};
    if (lstat(vardas.c_str(), &nuoroda) == 0 && S_ISLNK(nuoroda.st_mode) &&
        nuoroda.st_uid != geteuid()) {
      return Atidarymas::kSvetimaNuoroda;
    }
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
  if (fstat(Fd(fr), &st) != 0) {
    klaida = SistemosKlaidaDabar();
    return false;
  }
  y.rusis = S_ISREG(st.st_mode)    ? Ypatybes::kFailas
            : S_ISFIFO(st.st_mode) ? Ypatybes::kKanalas
                                   : Ypatybes::kKita;
  y.nuorodos = static_cast<unsigned long>(st.st_nlink);
  y.dydis = static_cast<std::uint64_t>(st.st_size);
  return true;
}

bool TasPatsFailas(Rankena fr, const std::string& vardas) {
  struct stat a {};
  struct stat b {};
  return fstat(Fd(fr), &a) == 0 && stat(vardas.c_str(), &b) == 0 &&
         a.st_dev == b.st_dev && a.st_ino == b.st_ino;
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
  if (ftruncate(Fd(fr), 0) == 0 && lseek(Fd(fr), 0, SEEK_SET) == 0) {
    return true;
  }
  klaida = SistemosKlaidaDabar();
  return false;
}

bool Rasyti(Rankena fr, const std::string& tekstas, SistemosKlaida& klaida) {
  for (std::size_t k = 0; k < tekstas.size();) {
    ValytiSistemosKlaida();
    const ssize_t parasyta =
        write(Fd(fr), tekstas.data() + k, tekstas.size() - k);
    if (parasyta < 0 && errno == EINTR) continue;
    if (parasyta <= 0) {
      klaida = SistemosKlaidaDabar();
      // A write that takes nothing without an error: the disk is full.
      if (parasyta == 0) klaida.klaidos_nr = ENOSPC;
      return false;
    }
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

bool LauktiKanalo(const std::string& vardas, KanaloGalai& galai) {
  struct stat st {};
  if (stat(vardas.c_str(), &st) != 0 || !S_ISFIFO(st.st_mode)) return true;
  // A reading end opened without waiting; poll tells when data comes.
  const int r = open(vardas.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (r < 0) return true;  // the open that follows says why
  galai.skaitymo.reiksme = r;
  pollfd laukti{r, POLLIN, 0};
  int kiek = 0;
  do {
    kiek = poll(&laukti, 1, kKanaloLaukimas * 1000);
  } while (kiek < 0 && errno == EINTR);
  if (kiek != 1) {
    Uzdaryti(galai.skaitymo);
    return false;
  }
  // A writing end of its own, so that the reading open finds a writer even
  // when the one that wrote has gone.
  galai.rasymo.reiksme =
      open(vardas.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  return true;
}

std::vector<FailasAplanke> FailaiAplanke(const std::string& aplankas) {
  std::vector<FailasAplanke> failai;
  errno = 0;
  DIR* katalogas = opendir(aplankas.c_str());
  if (katalogas == nullptr) {
    if (errno == ENOMEM) throw std::bad_alloc();
    return failai;
  }
  try {
    while (const dirent* irasas = readdir(katalogas)) {
      struct stat st {};
      if (fstatat(dirfd(katalogas), irasas->d_name, &st, 0) != 0) continue;
      failai.push_back(
          {irasas->d_name, S_ISREG(st.st_mode), (st.st_mode & S_IXUSR) != 0});
    }
  } catch (...) {
    closedir(katalogas);
    throw;
  }
  closedir(katalogas);
  return failai;
}
