// Loaded with LD_PRELOAD into the program (Linux, glibc) to make one call
// fail, as the environment variable MASYVAS_FAULT says:
//   alloc:N         the N-th malloc returns NULL (ENOMEM); with N = 0,
//                   none does, and the count is written to standard error
//                   at exit;
//   allocfrom:N     every malloc from the N-th on returns NULL;
//   write:N:E       the N-th write to a file (not standard input, output or
//                   error) fails with errno E;
//   signal:N:S      signal S is raised just before that N-th write;
//   read:N:E        the N-th read from a file fails with errno E;
//   close:N:E       the N-th close of a file closes it but fails with
//                   errno E, as a network file system may report a write;
//   fstat:E, flock:E  every fstat, or flock, fails with errno E.
#include <dlfcn.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// glibc's own allocator, which the replacement below calls.
// NOLINTNEXTLINE(bugprone-reserved-identifier)
extern "C" void* __libc_malloc(std::size_t size);

namespace {

char kas[16];
long kuris = 0;  // N: which call of its kind fails
int kodas = 0;   // E or S
long skaiciuota = 0;

// Reads MASYVAS_FAULT once; true when it names kind.
bool Gedimas(const char* kind) {
  static bool nuskaityta = false;
  if (!nuskaityta) {
    nuskaityta = true;
    const char* f = std::getenv("MASYVAS_FAULT");
    if (f != nullptr) {
      static_cast<void>(std::sscanf(f, "%15[a-z]:%ld:%d", kas, &kuris, &kodas));
      if (kodas == 0) kodas = static_cast<int>(kuris);  // fstat:E, flock:E
    }
  }
  return std::strcmp(kas, kind) == 0;
}

template <typename F>
F Tikroji(const char* vardas) {
  return reinterpret_cast<F>(dlsym(RTLD_NEXT, vardas));
}

}  // namespace

extern "C" void* malloc(std::size_t size) {
  if (kas[0] == 'a' &&
      (++skaiciuota == kuris || (kas[5] == 'f' && skaiciuota > kuris))) {
    errno = ENOMEM;
    return nullptr;
  }
  return __libc_malloc(size);
}

extern "C" ssize_t write(int fd, const void* buf, std::size_t n) {
  static const auto tikroji =
      Tikroji<ssize_t (*)(int, const void*, std::size_t)>("write");
  if (fd > 2 && (Gedimas("write") || Gedimas("signal")) &&
      ++skaiciuota == kuris) {
    if (kas[0] == 's') {
      static_cast<void>(raise(kodas));
    } else {
      errno = kodas;
      return -1;
    }
  }
  return tikroji(fd, buf, n);
}

extern "C" ssize_t read(int fd, void* buf, std::size_t nbytes) {
  static const auto tikroji =
      Tikroji<ssize_t (*)(int, void*, std::size_t)>("read");
  if (fd > 2 && Gedimas("read") && ++skaiciuota == kuris) {
    errno = kodas;
    return -1;
  }
  return tikroji(fd, buf, nbytes);
}

extern "C" int close(int fd) {
  static const auto tikroji = Tikroji<int (*)(int)>("close");
  const int r = tikroji(fd);
  if (fd > 2 && Gedimas("close") && ++skaiciuota == kuris) {
    errno = kodas;
    return -1;
  }
  return r;
}

extern "C" int fstat(int fd, struct stat* buf) {
  static const auto tikroji = Tikroji<int (*)(int, struct stat*)>("fstat");
  if (Gedimas("fstat")) {
    errno = kodas;
    return -1;
  }
  return tikroji(fd, buf);
}

extern "C" int flock(int fd, int op) {
  static const auto tikroji = Tikroji<int (*)(int, int)>("flock");
  if (Gedimas("flock")) {
    errno = kodas;
    return -1;
  }
  return tikroji(fd, op);
}

__attribute__((constructor)) void Pradeti() { Gedimas(""); }

__attribute__((destructor)) void Baigti() {
  if (kas[0] == 'a' && kuris == 0) {
    static_cast<void>(std::fprintf(stderr, "allocations: %ld\n", skaiciuota));
  }
}
