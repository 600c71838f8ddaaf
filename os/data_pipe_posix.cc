#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "os/data_pipe.h"

Kanalas SkaitytiKanala(const std::string& vardas, std::string& turinys) {
  struct stat st {};
  if (stat(vardas.c_str(), &st) != 0 || !S_ISFIFO(st.st_mode)) {
    return Kanalas::kNe;
  }
  // Opened without waiting for a writer; poll tells when data comes.
  const int fd = open(vardas.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return Kanalas::kNe;  // the open that follows says why
  bool gauta = false;
  while (turinys.size() < kDidziausiasKanalas) {
    pollfd laukti{fd, POLLIN, 0};
    const int kiek = poll(&laukti, 1, kKanaloLaukimas * 1000);
    if (kiek < 0 && errno == EINTR) continue;
    if (kiek != 1) break;
    char buf[4096];
    const ssize_t gavo = read(fd, buf, sizeof buf);
    if (gavo < 0 && (errno == EAGAIN || errno == EINTR)) continue;
    if (gavo <= 0) break;
    gauta = true;
    turinys.append(buf, static_cast<std::size_t>(gavo));
  }
  close(fd);
  return gauta ? Kanalas::kPerskaitytas : Kanalas::kNiekasNeraso;
}
