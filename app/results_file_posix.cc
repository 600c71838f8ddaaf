#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/results_file.h"

namespace {

// How long and how often a run waits for another to let the file go.
constexpr int kBandymai = 20;
constexpr useconds_t kPauze = 50 * 1000;

// Only regular files are emptied: a device such as /dev/null is written as
// it is.
bool Tustinti(int fd) {
  struct stat st {};
  return fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ftruncate(fd, 0) == 0;
}

}  // namespace

Uzemimas Uzimti(std::string Rez, std::string Duom, RezultatuFailas& failas,
                SistemosKlaida& klaida) {
  errno = 0;
  const int fd =
      open(Rez.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
  if (fd < 0) {
    klaida = SistemosKlaidaDabar();
    return Uzemimas::kKlaida;
  }
  struct stat rez {};
  struct stat duom {};
  if (fstat(fd, &rez) == 0 && stat(Duom.c_str(), &duom) == 0 &&
      rez.st_dev == duom.st_dev && rez.st_ino == duom.st_ino) {
    close(fd);
    return Uzemimas::kTasPatsFailas;
  }
  // An advisory lock, which belongs to this open file: the sections' own
  // opens and closes of the file leave it in place.
  for (int k = 0; flock(fd, LOCK_EX | LOCK_NB) != 0; ++k) {
    if (errno != EWOULDBLOCK && errno != EINTR) break;  // no locks here
    if (k == kBandymai) {
      close(fd);
      return Uzemimas::kUzimtas;
    }
    usleep(kPauze);
  }
  errno = 0;
  if (!Tustinti(fd)) {
    klaida = SistemosKlaidaDabar();
    close(fd);
    return Uzemimas::kKlaida;
  }
  failas.rankena = fd;
  return Uzemimas::kGerai;
}

bool Isvalyti(const RezultatuFailas& failas) {
  return failas.rankena >= 0 && Tustinti(static_cast<int>(failas.rankena));
}

void Paleisti(RezultatuFailas& failas) {
  if (failas.rankena >= 0) close(static_cast<int>(failas.rankena));
  failas.rankena = -1;
}
