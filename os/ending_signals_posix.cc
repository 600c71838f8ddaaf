#include <signal.h>

#include "os/ending_signals.h"

namespace {

constexpr int kBaigiantys[] = {
    SIGHUP,    SIGINT,  SIGQUIT, SIGTERM, SIGUSR1, SIGUSR2,
    SIGALRM,   SIGPIPE, SIGPROF, SIGXCPU, SIGXFSZ, SIGABRT,
    SIGSYS,    SIGTRAP, SIGSEGV, SIGBUS,  SIGFPE,  SIGILL,
#ifdef SIGVTALRM
    SIGVTALRM,
#endif
#ifdef SIGIO
    SIGIO,
#endif
#ifdef SIGPWR
    SIGPWR,
#endif
#ifdef SIGSTKFLT
    SIGSTKFLT,
#endif
};

#ifdef NSIG
constexpr int kSignaluRiba = NSIG;
#else
constexpr int kSignaluRiba = 65;
#endif

struct sigaction buvo[kSignaluRiba];
bool pakeista[kSignaluRiba];

// Calls veiksmas for each ending signal.
template <typename F>
void Kiekvienam(F veiksmas) {
  for (const int s : kBaigiantys) veiksmas(s);
#ifdef SIGRTMIN
  for (int s = SIGRTMIN; s <= SIGRTMAX && s < kSignaluRiba; ++s) veiksmas(s);
#endif
}

}  // namespace

void PerimtiBaigiancius(void (*tvarkykle)(int)) {
  struct sigaction naujas {};
  naujas.sa_handler = tvarkykle;
  sigemptyset(&naujas.sa_mask);
  Kiekvienam([&naujas](int s) {
    pakeista[s] = sigaction(s, nullptr, &buvo[s]) == 0 &&
                  buvo[s].sa_handler != SIG_IGN &&
                  sigaction(s, &naujas, nullptr) == 0;
  });
}

void GrazintiBaigiancius() {
  Kiekvienam([](int s) {
    if (pakeista[s]) sigaction(s, &buvo[s], nullptr);
    pakeista[s] = false;
  });
}
